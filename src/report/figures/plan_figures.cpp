#include "report/figures/plan_figures.h"

#include "model/building.h"
#include "report/figures/figure_draw.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr double kLegendX = 11;      // in character widths
constexpr double kLegendDrop = 2.0;  // legend top: title y + printable width - this + 3.5 lp
constexpr double kLegendPitches = 3.5;

}  // namespace

LegendFrame PlanLegendFrame(double chapterY, double printableWidth, const CharMetrics& body) {
  const double titleY = chapterY + body.pitch / 2;
  return {kLegendX * body.width, titleY + printableWidth - kLegendDrop + kLegendPitches * body.pitch, body.pitch};
}

QString PlanTitle(PlanKind kind, int storey) {
  const QString n = QString::number(storey);
  if (kind == PlanKind::Hardware) return "(" + n + ") " + n + QStringLiteral(" 階金物伏図");
  return "(" + n + ") " + n + QStringLiteral(" 階耐力壁伏図") + QStringLiteral(" (数値は壁倍率)");
}

double DrawPlanPage(PageSurface& surface, const Building& building, const CalcResults& results, PlanKind kind,
                    int storey, double chapterY, const FigureFonts& fonts) {
  const SurfaceState saved = surface.State();
  surface.SetFont(kFigBodyFace, kFigBodySize);
  const CharMetrics m = surface.MeasureA();
  const double printableWidth = surface.PrintableCm().width();
  const double titleY = chapterY + m.pitch / 2;
  DrawFigText(surface, {kFigBodyFace, kFigBodySize}, {0, titleY}, PlanTitle(kind, storey));

  const bool walls = kind == PlanKind::BearingWall;
  const PlanContext plan{building, MakePlanTransform(building, chapterY, printableWidth, m.pitch),
                         storey,   walls ? PlanMode::BearingWall : PlanMode::Hardware,
                         fonts,    &results};
  LabelPlacer labels;
  if (walls) DrawPlanFloors(surface, plan);
  DrawPlanGrid(surface, plan, labels);
  if (walls) DrawPlanBeams(surface, plan, storey + 1);
  DrawPlanWalls(surface, plan, labels);
  DrawPlanColumns(surface, plan);

  const LegendFrame legend = PlanLegendFrame(chapterY, printableWidth, m);
  const double bottom = walls ? DrawLegendRows(surface, legend, BearingWallLegendRows(storey, building.Storeys()))
                              : DrawHardwareLegend(surface, legend, fonts);
  surface.SetState(saved);
  return bottom;
}

double DrawPlanChapter(PageSurface& surface, const Building& building, const CalcResults& results, PlanKind kind,
                       double chapterY, const FigureFonts& fonts) {
  double y = chapterY;
  for (int storey = 1; storey <= building.Storeys(); ++storey) {
    if (storey > 1) surface.NewPage();
    y = DrawPlanPage(surface, building, results, kind, storey, chapterY, fonts);
  }
  return y;
}

}  // namespace tvk
