#pragma once
// Rules of the grid line name dialog ("通り名の設定"): how it opens from the project's
// naming settings, what choosing a scheme does to the start number boxes, and what
// "O K" and "デフォルト設定" store.

#include <array>
#include <string>

#include "editor/command.h"

namespace tvk {

class Building;
struct DefaultSettings;

inline constexpr const char* kLineNameDefaultQuestion =
    "通り名のデフォルトを変更します。\n\n(変更したデフォルトは、次回新規データから有効になります。)";

// The controls of one frame ("Ｘ通り" or "Ｙ通り").
struct LineNameAxisForm {
  int scheme = 1;                        // chosen radio button, 1 .. 4
  std::array<std::string, 2> startText;  // [0] box beside scheme 1, [1] beside scheme 4
  std::array<bool, 2> startEnabled{};
  bool reverse = false;  // "逆並び"

  bool operator==(const LineNameAxisForm&) const = default;
};

// The naming settings of one axis.
struct LineNameAxis {
  int style = 1;
  int start = 1;
  int reverse = 0;

  bool operator==(const LineNameAxis&) const = default;
};

LineNameAxis LineNameAxisOf(const Building& building, Dir d);

// The frame as the dialog opens: an unset scheme becomes 1 with start 1; the box of
// the chosen scheme shows the start number, the other box is empty and disabled.
LineNameAxisForm OpenLineNameAxis(const LineNameAxis& axis);
// Choosing a radio button: scheme 1 or 4 enables its box ("1" when empty) and disables
// the other; schemes 2 and 3 disable both.
void ChooseLineScheme(LineNameAxisForm& form, int scheme);
// Settings taken from the frame: for schemes 1 and 4 the start number is the box's
// numeric value, rounded (text that is not a number gives 0); otherwise `previousStart`.
LineNameAxis AcceptLineNameAxis(const LineNameAxisForm& form, int previousStart);

// "O K": both axes become the project's naming settings, and the line names are generated
// from them.
Command LineNameDialogCommand(const Building& building, const LineNameAxisForm& x, const LineNameAxisForm& y);
// "デフォルト設定" answered with OK: the same values become the defaults for new buildings.
void StoreLineNameDefaults(DefaultSettings& defaults, const Building& building, const LineNameAxisForm& x,
                           const LineNameAxisForm& y);

}  // namespace tvk
