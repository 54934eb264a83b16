#include "editor/line_name_form.h"

#include <cstdint>

#include "editor/commands.h"
#include "editor/numeric.h"
#include "model/building.h"
#include "model/default_settings.h"
#include "model/grid_point.h"

namespace tvk {

namespace {

// Index of the start number box of a scheme, or -1 for schemes without one.
int BoxOf(int scheme) {
  if (scheme == 1) return 0;
  if (scheme == 4) return 1;
  return -1;
}

// Writes one axis's naming settings into the three fields that hold them.
void StoreAxis(const LineNameAxis& axis, int32_t& style, int32_t& start, int32_t& reverse) {
  style = axis.style;
  start = axis.start;
  reverse = axis.reverse;
}

}  // namespace

LineNameAxis LineNameAxisOf(const Building& building, Dir d) {
  const CalcSettings& s = building.Settings;
  return d == Dir::X ? LineNameAxis{s.LineStyleX, s.LineStartX, s.LineReverseX}
                     : LineNameAxis{s.LineStyleY, s.LineStartY, s.LineReverseY};
}

LineNameAxisForm OpenLineNameAxis(const LineNameAxis& axis) {
  LineNameAxis shown = axis;
  if (shown.style < 1 || shown.style > 4) shown = LineNameAxis{1, 1, axis.reverse};
  LineNameAxisForm form;
  form.scheme = shown.style;
  form.reverse = shown.reverse != 0;
  const int box = BoxOf(shown.style);
  if (box >= 0) {
    form.startText[static_cast<size_t>(box)] = std::to_string(shown.start);
    form.startEnabled[static_cast<size_t>(box)] = true;
  }
  return form;
}

void ChooseLineScheme(LineNameAxisForm& form, int scheme) {
  form.scheme = scheme;
  const int box = BoxOf(scheme);
  for (int k = 0; k < 2; ++k) form.startEnabled[static_cast<size_t>(k)] = k == box;
  if (box < 0) return;
  std::string& text = form.startText[static_cast<size_t>(box)];
  if (text.empty()) text.push_back('1');
}

LineNameAxis AcceptLineNameAxis(const LineNameAxisForm& form, int previousStart) {
  LineNameAxis axis{form.scheme, previousStart, form.reverse ? 1 : 0};
  const int box = BoxOf(form.scheme);
  if (box >= 0) axis.start = RoundHalfEven(NumericValue(form.startText[static_cast<size_t>(box)]));
  return axis;
}

Command LineNameDialogCommand(const Building& building, const LineNameAxisForm& x, const LineNameAxisForm& y) {
  CalcSettings s = building.Settings;
  StoreAxis(AcceptLineNameAxis(x, s.LineStartX), s.LineStyleX, s.LineStartX, s.LineReverseX);
  StoreAxis(AcceptLineNameAxis(y, s.LineStartY), s.LineStyleY, s.LineStartY, s.LineReverseY);
  return LineNamesCommand(s);
}

void StoreLineNameDefaults(DefaultSettings& defaults, const Building& building, const LineNameAxisForm& x,
                           const LineNameAxisForm& y) {
  StoreAxis(AcceptLineNameAxis(x, building.Settings.LineStartX), defaults.DefLineStyleX, defaults.DefLineStartX,
            defaults.DefLineReverseX);
  StoreAxis(AcceptLineNameAxis(y, building.Settings.LineStartY), defaults.DefLineStyleY, defaults.DefLineStartY,
            defaults.DefLineReverseY);
}

}  // namespace tvk
