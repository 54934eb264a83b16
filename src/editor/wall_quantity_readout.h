#pragma once
// What the wall-quantity read-out beside the eccentricity panel shows for the storey being
// edited: per force direction the existing and the required wall length (cm) and their
// ratio, coloured like the eccentricity ratio (white when the walls suffice, red when they
// fall short or cannot be judged), the share of the existing length that partly sheathed
// walls make up, and a tooltip with the two requirements and the parts of the existing
// length or, where the profile or plan lacks what the rule needs, the missing items by the
// profile dialog's names.

#include <string>

#include "model/grid_types.h"

namespace tvk {

struct WallQuantityStorey;

enum class ReadoutState {
  Met,      // existing ≥ required: white
  Short,    // existing < required: red
  Unknown,  // "----": red, the tooltip says what is missing
};

struct WallQuantityCells {
  std::string existing;  // "#0.0"
  std::string required;  // "#0.0", "----" when unknown
  std::string ratio;     // existing / required "#0.00"; "----" when unknown, "―" when nothing is required
  ReadoutState state = ReadoutState::Unknown;
  std::string quasi;  // partly sheathed walls counted in existing "#0.0"; "----" when the cap is unknown

  bool operator==(const WallQuantityCells&) const = default;
};

struct WallQuantityReadout {
  PerDir<WallQuantityCells> dir;
  std::string tooltip;
};

WallQuantityReadout FormatWallQuantity(const WallQuantityStorey& storey);

// The row captions and the panel's title.
inline constexpr const char* kWallQuantityTitle = "壁量(cm)";
inline constexpr const char* kWallQuantityRows[] = {"存在壁量", "必要壁量", "存在/必要"};
// The row of the partly sheathed walls' share, below the three.
inline constexpr const char* kWallQuantityQuasiRow = "うち準耐力壁等";

}  // namespace tvk
