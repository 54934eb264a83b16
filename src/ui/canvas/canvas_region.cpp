#include "ui/canvas/canvas_region.h"

#include <algorithm>
#include <cmath>

#include "ui/canvas/canvas_layers.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/canvas_walls.h"

namespace tvk {
namespace {

// Beyond the members themselves: brace ticks (0.39 cm at zoom 1), and where a sheathed
// wall has one, its adjustment label (a 7 point text beside the member's middle), with a
// little to spare.
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
  void AddLabel() { labelled_ = true; }
  QRectF Units(const CanvasPlan& plan) const {
    const double margin = plan.Screen(kSymbolRoom) + (labelled_ ? kLabelRoom : 0);
    return QRectF(CanvasPainter::ToUnits(lowX_ - margin, highY_ + margin),
                  CanvasPainter::ToUnits(highX_ + margin, lowY_ - margin));
  }

 private:
  double lowX_ = 1e9, highX_ = -1e9, lowY_ = 1e9, highY_ = -1e9;
  bool labelled_ = false;
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
  if (HasAdjustLabel(p.sheathing(d))) area.AddLabel();
}

// Coordinates may stray from the regular grid by this share of a unit segment.
constexpr float kGridTolerance = 0.01f;

bool RegularGrid(const Building& b) {
  const float pitch = b.SubPitch();
  const float tolerance = kGridTolerance * pitch;
  const std::span<const PointCoord> coords = b.Coords();
  size_t n = 0;
  for (int level = 1; level <= b.Levels(); ++level) {
    for (int j = 1; j <= b.PointsY(); ++j) {
      const float y = static_cast<float>(j - 1) * pitch;
      for (int i = 1; i <= b.PointsX(); ++i, ++n) {
        const PointCoord& c = coords[n];
        if (!(std::abs(c.x - static_cast<float>(i - 1) * pitch) <= tolerance && std::abs(c.y - y) <= tolerance)) {
          return false;
        }
      }
    }
  }
  return true;
}

// The wall members drawn on the lines along d with across-index first .. last, on the
// storeys the plan shows walls of: unit segments of the longest, and whether a sheathed
// wall among them has a label.
struct LineMembers {
  int longest = 1;
  bool labelled = false;
};
LineMembers ScanLines(const CanvasPlan& plan, Dir d, int first, int last) {
  const Building& b = plan.building;
  const int other = plan.style.otherWallsStorey;
  const bool otherShown = other >= 1 && other <= b.Storeys() && other != plan.style.storey;
  LineMembers found;
  auto measure = [&](const GridPoint& p, int along) {
    for (const WallSeg* seg : {&p.brace(d), &p.sheathing(d)}) {
      if (seg->Kind == 0) continue;
      const SegmentRun run = DrawnRun(b, *seg, d, along);
      found.longest = std::max(found.longest, run.last - run.first + 1);
    }
    if (p.sheathing(d).Kind != 0 && HasAdjustLabel(p.sheathing(d))) found.labelled = true;
  };
  for (const int level : {plan.style.storey, otherShown ? other : 0}) {
    if (level == 0) continue;
    // Row by row, the order the points lie in memory.
    if (d == Dir::X) {
      for (int j = first; j <= last; ++j) {
        for (int i = 1; i <= b.SpansX(); ++i) measure(b.Point(i, j, level), i);
      }
    } else {
      for (int j = 1; j <= b.SpansY(); ++j) {
        for (int i = first; i <= last; ++i) measure(b.Point(i, j, level), j);
      }
    }
  }
  return found;
}

// Grid index (1-based, fractional) of a page position in cm along one axis.
double IndexAt(const CanvasPlan& plan, double cm) {
  return (cm - kMarginCm) / (plan.scale * plan.building.SubPitch()) + 1;
}

// Indices first .. last of the points along an axis with `count` points whose positions lie
// between low and high cm, one more on either side, clamped to the grid.
std::pair<int, int> IndicesBetween(const CanvasPlan& plan, double low, double high, int count) {
  const double limit = count + 1;
  const double first = std::clamp(std::floor(IndexAt(plan, low)) - 1, 1.0, limit);
  const double last = std::clamp(std::ceil(IndexAt(plan, high)) + 1, 0.0, double(count));
  return {int(first), int(last)};
}

}  // namespace

GridRect PointsReaching(const CanvasPlan& plan, const QRectF& units) {
  const Building& b = plan.building;
  if (!(plan.scale * b.SubPitch() > 0) || !RegularGrid(b)) return AllPoints(b);
  const QRectF cm(QPointF(units.left() / kUnitsPerCm, (kCanvasHeight - units.bottom()) / kUnitsPerCm),
                  QPointF(units.right() / kUnitsPerCm, (kCanvasHeight - units.top()) / kUnitsPerCm));
  // The points within `room` of the area.
  auto within = [&](double room) {
    const auto [x1, x2] = IndicesBetween(plan, cm.left() - room, cm.right() + room, b.PointsX());
    const auto [y1, y2] = IndicesBetween(plan, cm.top() - room, cm.bottom() + room, b.PointsY());
    return GridRect{x1, y1, x2, y2};
  };
  // Labels reach farthest; the lines they may come from tell whether there are any.
  const GridRect wide = within(plan.Screen(kSymbolRoom) + kLabelRoom);
  if (wide.x1 > wide.x2 || wide.y1 > wide.y2) return GridRect{1, 1, 0, 0};
  if (wide == AllPoints(b)) return wide;
  const LineMembers alongX = ScanLines(plan, Dir::X, wide.y1, wide.y2);
  const LineMembers alongY = ScanLines(plan, Dir::Y, wide.x1, wide.x2);
  const GridRect near = alongX.labelled || alongY.labelled ? wide : within(plan.Screen(kSymbolRoom));
  return GridRect{std::max(1, near.x1 - alongX.longest), std::max(1, near.y1 - alongY.longest),
                  std::min(b.PointsX(), near.x2 + alongX.longest), std::min(b.PointsY(), near.y2 + alongY.longest)};
}

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
  return area.Units(plan);
}

}  // namespace tvk
