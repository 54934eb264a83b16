#pragma once
// Buildings and helpers for the report composition tests.

#include <QString>
#include <QStringList>
#include <string>

#include "engine/full_calculation.h"
#include "model/hardware_names.h"
#include "report/chapters/report_composer.h"
#include "report/surface/page_surface.h"
#include "report/surface_test_app.h"
#include "support/plan_builder.h"

namespace tvk::test {

// A calculated two-storey building of spansX x spansY spans with line names, floors on both
// storeys and a storey-1 and storey-2 column on every point of the outer lines.
inline Building ComposeBuilding(int spansX = 4, int spansY = 4) {
  PlanBuilder p(2, spansX, spansY);
  Building& b = p.b;
  b.Info.BuildingName = "試験邸";
  b.Info.OfficeName = "試験設計室";
  b.Info.PersonName = "担当 太郎";
  for (int i = 1; i <= b.PointsX(); ++i) b.Settings.LineNamesX[static_cast<size_t>(i - 1)] = "X" + std::to_string(i);
  for (int j = 1; j <= b.PointsY(); ++j) b.Settings.LineNamesY[static_cast<size_t>(j - 1)] = "Y" + std::to_string(j);
  p.Floor(1, 1, 1, spansX, spansY).Floor(2, 1, 1, spansX, spansY);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      if (i == 1 || j == 1 || i == b.PointsX() || j == b.PointsY()) p.Column(i, j, 1).Column(i, j, 2);
    }
  }
  p.Brace(1, Dir::X, 1, 1, 2, 3, kRisesToHigher).Brace(2, Dir::Y, 1, 1, 2, 2, kCrossed);
  return b;
}

inline CalcResults Calculate(Building& b) { return RunFullCalculation(b, false); }

inline ComposedReport Compose(const Building& b, const CalcResults& calc,
                              const HardwareNames& names = LoadBuiltInHardwareNames()) {
  EnsureGuiApp();
  PageSurface surface;
  return ComposeReport(surface, ReportRequest{b, calc, names, {}, QDate(2024, 3, 5), {}});
}

// The report of a building never calculated: every result empty.
inline ComposedReport ComposeUncalculated(const Building& b) {
  CalcResults calc;
  calc.Reset(b);
  return Compose(b, calc);
}

inline bool PageHas(const ComposedReport& r, int page, const char* text) {
  return r.document.Texts(page - 1).contains(QString::fromUtf8(text));
}

// The first page that holds text, 0 when none does.
inline int PageOf(const ComposedReport& r, const char* text) {
  for (int p = 1; p <= r.PageCount(); ++p) {
    if (PageHas(r, p, text)) return p;
  }
  return 0;
}

}  // namespace tvk::test
