#include "editor/side_controls.h"

#include "editor/numeric.h"
#include "model/number_format.h"

namespace tvk {

DeleteToggles PressDeleteToggle(DeleteToggles current, DeleteToggle pressed, bool down) {
  DeleteToggles next = current;
  bool& own = pressed == DeleteToggle::Delete ? next.remove : next.group;
  bool& other = pressed == DeleteToggle::Delete ? next.group : next.remove;
  own = down;
  if (own && other) other = false;
  return next;
}

EditMode EditModeFor(DeleteToggles toggles) {
  if (toggles.remove) return EditMode::Delete;
  if (toggles.group) return EditMode::GroupDelete;
  return EditMode::Place;
}

bool MultiplierBoxAccepts(char32_t ch, bool ctrl) {
  if (ctrl)
    return ch == U'c' || ch == U'v' || ch == U'x' || ch == U'z' || ch == U'C' || ch == U'V' || ch == U'X' || ch == U'Z';
  return (ch >= U'0' && ch <= U'9') || ch == U'.' || ch == U'%' || ch == U'\b';
}

std::optional<std::string> SpinMultiplierBox(const std::string& text, int step) {
  // Work in tenths so that repeated steps never drift below zero.
  const long tenths = static_cast<long>(RoundHalfEven(NumericValue(text) * 10.0)) + (step > 0 ? 1 : -1);
  if (tenths < 0) return std::nullopt;
  return FormatFixed(static_cast<double>(tenths) / 10.0, 1);
}

float MultiplierBoxValue(const std::string& text) { return static_cast<float>(NumericValue(text)); }

}  // namespace tvk
