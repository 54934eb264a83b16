#include "report/figures/check_view_page.h"

#include "engine/calc_results.h"
#include "model/building.h"
#include "report/figures/figure_draw.h"
#include "report/figures/plan_figures.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr int kCheckStorey = 2;

std::vector<LegendRow> CheckViewLegendRows() {
  return {
      {LegendSymbol::Column, QStringLiteral("：２階柱")},
      {LegendSymbol::RedColumn, QStringLiteral("：引抜き力が下階柱に正しく伝達されていない２階柱")},
      {LegendSymbol::ThroughColumn, QStringLiteral("：通し柱")},
      {LegendSymbol::LowerColumn, QStringLiteral("：１階柱")},
      {LegendSymbol::Beam, QStringLiteral("：２階床梁")},
      {LegendSymbol::BraceRightUp, QStringLiteral("：２階筋かい")},
  };
}

}  // namespace

QString CheckViewHeading(const Building& building) {
  return QStringLiteral("[２階柱Ｎ値伝達チェック]") + QStringLiteral("   ") +
         QString::fromStdString(building.Info.BuildingName);
}

void DrawCheckViewPage(PageSurface& surface, const Building& building, const CalcResults& results,
                       const FigureFonts& fonts) {
  surface.SetMargins(PageMargins{});
  surface.SetupPage(kFigBodySize, PaperCode::A4, false);
  surface.BeginDocument();
  surface.SetFont(kFigBodyFace, kFigBodySize);
  const CharMetrics m = surface.MeasureA();
  const FigText body{kFigBodyFace, kFigBodySize};
  DrawFigText(surface, body, {0, 0}, CheckViewHeading(building));
  if (results.notTransmitted) {
    const FigText note{kFigBodyFace, kFigBodySize, false, kFigRed};
    DrawFigText(surface, note, {2 * m.width, 1.3 * m.pitch},
                QStringLiteral("赤い柱は、下階に柱がなくその引抜き力が、下階柱に正しく伝達されていません。"));
    DrawFigText(surface, note, {2 * m.width, 2.3 * m.pitch}, QStringLiteral("梁配置のモデル化を変更してください。"));
  }
  if (building.Storeys() >= kCheckStorey) {
    const double printableWidth = surface.PrintableCm().width();
    const double chapterY = 2 * m.pitch;
    const PlanContext plan{building,     MakePlanTransform(building, chapterY, printableWidth, m.pitch),
                           kCheckStorey, PlanMode::CheckView,
                           fonts,        &results};
    LabelPlacer labels;
    DrawPlanGrid(surface, plan, labels);
    DrawPlanBeams(surface, plan, kCheckStorey);
    DrawPlanWalls(surface, plan, labels);
    DrawPlanLowerColumns(surface, plan);
    DrawPlanColumns(surface, plan);
    DrawLegendRows(surface, PlanLegendFrame(chapterY, printableWidth, m), CheckViewLegendRows());
  }
  surface.EndDocument();
}

}  // namespace tvk
