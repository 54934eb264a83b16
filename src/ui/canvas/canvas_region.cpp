#include "ui/canvas/canvas_region.h"

#include <algorithm>

#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/canvas_walls.h"

namespace tvk {
namespace {

// Beyond the members themselves: brace ticks (0.39 cm at zoom 1) and the sheathing labels
// (7 point texts beside a member's middle), with a little to spare.
constexpr double kSymbolRoom = 0.5;
constexpr double kLabelRoom = 1.0;

class Area {
 public:
  void Add(QPointF cm) {
    lowX_ = std::min(lowX_, cm.x());
    highX_ = std::max(highX_, cm.x());
    lowY_ = std::min(lowY_, cm.y());
    highY_ = std::max(highY_, cm.y());
  }
  QRectF Units(double margin) const {
    return QRectF(CanvasPainter::ToUnits(lowX_ - margin, highY_ + margin),
                  CanvasPainter::ToUnits(highX_ + margin, lowY_ - margin));
  }

 private:
  double lowX_ = 1e9, highX_ = -1e9, lowY_ = 1e9, highY_ = -1e9;
};

// The end points of the wall members on the segment leaving (i, j) along d.
void AddWallMembers(const CanvasPlan& plan, Area& area, int i, int j, Dir d) {
  const Building& b = plan.building;
  if ((d == Dir::X ? i : j) > b.Spans(d)) return;
  const int level = plan.style.storey;
  const GridPoint& p = b.Point(i, j, level);
  for (const WallSeg* seg : {&p.brace(d), &p.sheathing(d)}) {
    if (seg->Kind == 0) continue;
    const SegmentRun run = DrawnRun(b, *seg, d, GridPos{i, j}.Along(d));
    area.Add(d == Dir::X ? plan.At(run.first, j, level) : plan.At(i, run.first, level));
    area.Add(d == Dir::X ? plan.At(run.last + 1, j, level) : plan.At(i, run.last + 1, level));
  }
}

}  // namespace

QRectF CanvasRedrawArea(const CanvasPlan& plan, const GridRect& rect) {
  const Building& b = plan.building;
  const int x1 = std::clamp(std::min(rect.x1, rect.x2) - 1, 1, b.PointsX());
  const int x2 = std::clamp(std::max(rect.x1, rect.x2) + 1, 1, b.PointsX());
  const int y1 = std::clamp(std::min(rect.y1, rect.y2) - 1, 1, b.PointsY());
  const int y2 = std::clamp(std::max(rect.y1, rect.y2) + 1, 1, b.PointsY());
  Area area;
  area.Add(plan.At(x1, y1, plan.style.storey));
  area.Add(plan.At(x2, y2, plan.style.storey));
  for (int j = y1; j <= y2; ++j) {
    for (int i = x1; i <= x2; ++i) {
      AddWallMembers(plan, area, i, j, Dir::X);
      AddWallMembers(plan, area, i, j, Dir::Y);
    }
  }
  return area.Units(plan.Screen(kSymbolRoom) + kLabelRoom);
}

}  // namespace tvk
