// The plan of the walls counted in the wall quantity, with each line's existing length.
#include "model/building.h"
#include "model/number_format.h"
#include "report/figures/check_plan_frame.h"
#include "report/figures/check_plans.h"
#include "report/figures/figure_draw.h"

namespace tvk {

namespace {

constexpr double kTotalGap = 0.15;  // between the plan's edge and a line total, and between rows

// The total of the walls along X on line j right of the plan, of the walls along Y on
// line i above it (turned to run upwards); a second place further out when the first is
// taken by a neighbour's. False when neither is free: the line's table row has it.
bool DrawLineTotal(PageSurface& surface, const CheckPlanFrame& frame, LabelPlacer& labels, Dir d, int line, double cm) {
  const FigText style{kFigLabelFace, double(frame.plan.fonts.planMultiplier)};
  const QString text = QString::fromStdString(FormatFixed(cm, 1));
  const QSizeF size = MeasureFigText(surface, style, text);
  const Building& b = frame.plan.building;
  if (d == Dir::X) {
    const double y = frame.plan.t.At(b, 1, line).y - size.height() / 2;
    const PageBox near{frame.right + kTotalGap, y, size.width(), size.height()};
    const PageBox far{near.right() + kTotalGap, y, size.width(), size.height()};
    const std::optional<PageBox> box = PlaceInRoom(frame, labels, {near, far});
    if (box) DrawFigLabel(surface, style, *box, text);
    return box.has_value();
  }
  const double x = frame.plan.t.At(b, line, 1).x - size.height() / 2;
  const PageBox near{x, frame.top - kTotalGap - size.width(), size.height(), size.width()};
  const PageBox far{x, near.y - kTotalGap - size.width(), size.height(), size.width()};
  const std::optional<PageBox> box = PlaceInRoom(frame, labels, {near, far});
  if (box) DrawFigLabel(surface, style, *box, text, 90);
  return box.has_value();
}

}  // namespace

QString WallCountPlanTitle(int storey) {
  const QString n = QString::number(storey);
  return "(" + n + ") " + n + QStringLiteral(" 階壁量算定図 (数値は壁倍率)");
}

double DrawWallCountPlan(PageSurface& surface, const Building& building, int storey, const PerDir<WallLines>& walls,
                         double y, const FigureFonts& fonts) {
  const SurfaceState saved = surface.State();
  const CheckPlanFrame frame = StartCheckPlan(surface, building, storey, y, WallCountPlanTitle(storey), fonts);
  LabelPlacer labels;
  DrawCheckPlanLayers(surface, frame, labels, nullptr);
  bool all = true;
  for (const Dir d : kDirs) {
    const std::vector<double>& cm = walls[d].cm;
    for (int line = 1; line <= static_cast<int>(cm.size()); ++line) {
      const double total = Nth(cm, line);
      if (total > 0) all = DrawLineTotal(surface, frame, labels, d, line, total) && all;
    }
  }
  double legend = DrawCheckLegendRow(surface, frame, frame.legendY, nullptr,
                                     QStringLiteral("右端の数値：Ｘ方向の耐力壁の通りごとの存在壁量 (cm)"));
  legend = DrawCheckLegendRow(surface, frame, legend, nullptr,
                              QStringLiteral("上端の数値：Ｙ方向の耐力壁の通りごとの存在壁量 (cm)"));
  if (!all) {
    legend = DrawCheckLegendRow(surface, frame, legend, nullptr,
                                QStringLiteral("(通りが密で書き切れない数値は、下の表による)"));
  }
  surface.SetState(saved);
  return legend;
}

}  // namespace tvk
