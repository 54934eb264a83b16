#include "engine/wall_length.h"

#include <algorithm>

#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "engine/storey_plan.h"
#include "model/building.h"

namespace tvk {

double SegmentMultiplier(const GridPoint& p, Dir d) {
  const double sum = static_cast<double>(BraceMultiplier(p.brace(d))) + SheathingMultiplier(p.sheathing(d));
  return std::clamp(sum, 0.0, kMaxSegmentMultiplier);
}

PerDir<WallLines> ExistingWallLines(const Building& b, int storey) {
  PerDir<WallLines> walls;
  std::vector<double>& alongX = walls[Dir::X].cm;  // per j
  std::vector<double>& alongY = walls[Dir::Y].cm;  // per i
  alongX.assign(static_cast<size_t>(b.PointsY()), 0.0);
  alongY.assign(static_cast<size_t>(b.PointsX()), 0.0);
  const double segmentCm = CellSide(b) * 100;
  const auto view = LevelPoints(b, storey);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPoint& p = view(i, j);
      // Segments along X start on i = 1 .. SpansX, along Y on j = 1 .. SpansY.
      if (i <= b.SpansX()) Nth(alongX, j) += segmentCm * SegmentMultiplier(p, Dir::X);
      if (j <= b.SpansY()) Nth(alongY, i) += segmentCm * SegmentMultiplier(p, Dir::Y);
    }
  }
  for (WallLines& lines : walls) {
    for (const double line : lines.cm) lines.totalCm += line;
  }
  return walls;
}

}  // namespace tvk
