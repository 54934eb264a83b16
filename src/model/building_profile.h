#pragma once
// The building profile (建物仕様): storey heights, roof and walls, loads, seismic and wind
// settings and the columns, entered once per building. Every field may be "not given"
// (an empty optional); the checks that need a field say so instead of guessing it.
// Numbers hold exactly the value at the resolution the project file keeps.

#include <array>
#include <optional>

#include "model/grid_types.h"

namespace tvk {

// Roof finish, with its unit weight per roof area (N/m²).
enum class RoofFinish { Tile, Slate, Metal, Custom };  // 瓦 990, スレート 740, 金属板 500
// Exterior wall finish, with its unit weight per wall area (N/m²).
enum class WallFinish { Earthen, Mortar, Siding, Metal, Board, Custom };  // 1000, 890, 600, 500, 350
enum class SolarPanels { None, Standard, Mass };                          // none, 200 N/m² of roof, M kg
enum class BuildingUse { House, Office };                                 // 住宅, 事務所等
enum class ColumnWood { Sugi, Sugi2, E95F315, Custom };                   // Fc 17.7, 20.4, 26.0 N/mm²

struct RoofChoice {
  RoofFinish finish = RoofFinish::Slate;
  double weight = 0;  // N/m² of roof, used when finish is Custom

  bool operator==(const RoofChoice&) const = default;
};

struct WallChoice {
  WallFinish finish = WallFinish::Siding;
  double weight = 0;  // N/m² of wall, used when finish is Custom

  bool operator==(const WallChoice&) const = default;
};

struct SolarChoice {
  SolarPanels panels = SolarPanels::None;
  double massKg = 0;  // used when panels is Mass

  bool operator==(const SolarChoice&) const = default;
};

struct WoodChoice {
  ColumnWood wood = ColumnWood::Sugi;
  double fc = 0;  // N/mm², used when wood is Custom

  bool operator==(const WoodChoice&) const = default;
};

// Column section b x d in mm (a square column has b == d).
struct ColumnSection {
  int b = 0;
  int d = 0;

  bool operator==(const ColumnSection&) const = default;
};

struct BuildingProfile {
  // Storey heights between the tops of the horizontal members (横架材上端間), mm.
  std::optional<int> h1;
  std::optional<int> h2;        // two storeys only
  std::optional<int> rise;      // top of the roof beams to the apex, mm
  std::optional<int> eaves;     // wall centre to eave tip, mm
  std::optional<double> pitch;  // roof pitch, 寸

  std::optional<RoofChoice> roof;
  std::optional<SolarChoice> solar;
  std::optional<double> ceilingInsulation;  // N/m² of floor (100 when not given)
  std::optional<WallChoice> wall;
  std::optional<double> wallInsulation;  // N/m² of wall (70 when not given)
  std::optional<BuildingUse> use;        // 住宅 when not given

  std::optional<double> c0;               // 0.2 or 0.3 (0.2 when not given)
  std::optional<double> windCoefficient;  // cm/m², 50 .. 75 (50 when not given)
  // Lw entered from the official quick tables (cm/m²); an entered value wins over the formula.
  std::optional<double> lw1;
  std::optional<double> lw2;
  std::optional<double> lwOneStorey;
  // Entered 見付面積 (m²) per storey and force direction.
  PerStorey<PerDir<std::optional<double>>> windArea;

  std::optional<WoodChoice> wood;
  std::array<std::optional<ColumnSection>, 2> column{};  // [storey-1]

  // Clear height between the horizontal members (横架材間内法寸法 H0, mm) per storey
  // [storey-1], which the partly sheathed walls are measured against.
  std::array<std::optional<int>, 2> clearHeight{};

  bool operator==(const BuildingProfile&) const = default;
};

}  // namespace tvk
