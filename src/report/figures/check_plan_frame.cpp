#include "report/figures/check_plan_frame.h"

#include "report/figures/check_plans.h"

#include "model/building.h"
#include "report/figures/figure_draw.h"

namespace tvk {

namespace {

constexpr double kPlanLeft = 2.0;  // room for the Y line names
constexpr double kSideRoom = 2.3;  // right of the plan: two rows of line totals, strip widths
constexpr double kTopRoom = 2.3;   // above the plan: two rows of line totals, strip widths
constexpr double kPlanMaxHeight = 11.0;
constexpr double kNamesRoom = 1.3;  // below the plan: the X line names in two rows
constexpr double kLegendSize = 10;
constexpr double kSymbolWidth = 1.0;  // legend symbol box
constexpr double kSymbolGap = 0.3;
constexpr int kLegendRows = 3;  // the most a check plan has

CharMetrics BodyMetrics(PageSurface& surface) {
  const SurfaceState saved = surface.State();
  surface.SetFont(kFigBodyFace, kFigBodySize);
  const CharMetrics m = surface.MeasureA();
  surface.SetState(saved);
  return m;
}

PlanTransform CheckPlanTransform(PageSurface& surface, const Building& building, double y, const CharMetrics& m) {
  const double width = surface.PrintableCm().width() - kPlanLeft - kSideRoom;
  return FitPlanTransform(building, {kPlanLeft, y + m.pitch + kTopRoom, width, kPlanMaxHeight});
}

}  // namespace

CheckPlanFrame StartCheckPlan(PageSurface& surface, const Building& building, int storey, double y,
                              const QString& title, const FigureFonts& fonts) {
  const CharMetrics m = BodyMetrics(surface);
  DrawFigText(surface, {kFigBodyFace, kFigBodySize}, {0, y}, title);
  CheckPlanFrame frame{{building, CheckPlanTransform(surface, building, y, m), storey, PlanMode::BearingWall, fonts},
                       m};
  const PagePoint low = frame.plan.t.At(building, 1, 1);
  const PagePoint high = frame.plan.t.At(building, building.PointsX(), building.PointsY());
  frame.left = low.x;
  frame.bottom = low.y;
  frame.right = high.x;
  frame.top = high.y;
  frame.legendY = frame.bottom + kNamesRoom;
  frame.room = {0, y + m.pitch, surface.PrintableCm().width(), frame.legendY - y - m.pitch};
  return frame;
}

std::optional<PageBox> PlaceInRoom(const CheckPlanFrame& frame, LabelPlacer& labels,
                                   const std::vector<PageBox>& candidates) {
  const PageBox& room = frame.room;
  for (const PageBox& box : candidates) {
    const bool inside =
        box.x >= room.x && box.right() <= room.right() && box.y >= room.y && box.bottom() <= room.bottom();
    if (!inside || !labels.IsFree(box)) continue;
    labels.Occupy(box);
    return box;
  }
  return std::nullopt;
}

void DrawCheckPlanLayers(PageSurface& surface, const CheckPlanFrame& frame, LabelPlacer& labels,
                         const std::function<void()>& overFloors) {
  DrawPlanFloors(surface, frame.plan);
  if (overFloors) overFloors();
  DrawPlanGrid(surface, frame.plan, labels);
  DrawPlanWalls(surface, frame.plan, labels);
  DrawPlanColumns(surface, frame.plan);
}

double DrawCheckLegendRow(PageSurface& surface, const CheckPlanFrame& frame, double y,
                          const std::function<void(const PageBox&)>& symbol, const QString& text) {
  const FigText style{kFigBodyFace, kLegendSize};
  const double height = MeasureFigText(surface, style, text).height();
  const double x = frame.left;
  if (symbol) symbol({x, y + height * 0.15, kSymbolWidth, height * 0.7});
  DrawFigText(surface, style, {symbol ? x + kSymbolWidth + kSymbolGap : x, y}, text);
  return y + frame.body.pitch * kLegendSize / kFigBodySize;
}

double CheckPlanHeight(PageSurface& surface, const Building& building) {
  const CharMetrics m = BodyMetrics(surface);
  const PlanTransform t = CheckPlanTransform(surface, building, 0, m);
  return t.At(building, 1, 1).y + kNamesRoom + kLegendRows * m.pitch * kLegendSize / kFigBodySize;
}

}  // namespace tvk
