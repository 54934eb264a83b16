#pragma once
// Rules of the controls beside the canvas: the two delete toggles and the two
// wall-multiplier boxes ("壁倍率の最大値", "面材調整壁倍率").

#include <optional>
#include <string>

#include "editor/edit_choices.h"

namespace tvk {

enum class DeleteToggle { Delete, GroupDelete };  // "削    除", "グループ削除"

struct DeleteToggles {
  bool remove = false;  // "削    除" down
  bool group = false;   // "グループ削除" down

  bool operator==(const DeleteToggles&) const = default;
};

// Toggle states after `pressed` was switched to `down`: both down leaves only the one just pressed.
DeleteToggles PressDeleteToggle(DeleteToggles current, DeleteToggle pressed, bool down);
EditMode EditModeFor(DeleteToggles toggles);

// Typing in a multiplier box: digits, ".", "%", Backspace and Ctrl+C/V/X/Z pass;
// every other key (minus sign and Enter among them) is swallowed.
bool MultiplierBoxAccepts(char32_t ch, bool ctrl);
// Spinner step (+1 up, -1 down) of 0.1 on the box's text; nullopt when a down step
// would make the value negative (the box is left alone).
std::optional<std::string> SpinMultiplierBox(const std::string& text, int step);
// Value a change of the box stores into the project.
float MultiplierBoxValue(const std::string& text);
// Text of the sheathing adjustment box after its reset button.
inline constexpr const char* kMultiplierBoxReset = "0.0";

}  // namespace tvk
