#include "editor/line_name_form.h"

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

}  // namespace

LineNameAxis LineNameAxisOf(const Building& building, int d) {
  const CalcSettings& s = building.Settings;
  return d == kDirX ? LineNameAxis{s.LineStyleX, s.LineStartX, s.LineReverseX}
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

void ApplyLineNameDialog(Building& building, const LineNameAxisForm& x, const LineNameAxisForm& y) {
  CalcSettings& s = building.Settings;
  const LineNameAxis ax = AcceptLineNameAxis(x, s.LineStartX);
  const LineNameAxis ay = AcceptLineNameAxis(y, s.LineStartY);
  s.LineStyleX = ax.style;
  s.LineStartX = ax.start;
  s.LineReverseX = ax.reverse;
  s.LineStyleY = ay.style;
  s.LineStartY = ay.start;
  s.LineReverseY = ay.reverse;
  building.Modified = 1;
}

void StoreLineNameDefaults(DefaultSettings& defaults, const Building& building, const LineNameAxisForm& x,
                           const LineNameAxisForm& y) {
  const LineNameAxis ax = AcceptLineNameAxis(x, building.Settings.LineStartX);
  const LineNameAxis ay = AcceptLineNameAxis(y, building.Settings.LineStartY);
  defaults.DefLineStyleX = ax.style;
  defaults.DefLineStartX = ax.start;
  defaults.DefLineReverseX = ax.reverse;
  defaults.DefLineStyleY = ay.style;
  defaults.DefLineStartY = ay.start;
  defaults.DefLineReverseY = ay.reverse;
}

}  // namespace tvk
