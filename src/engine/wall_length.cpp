#include "engine/wall_length.h"

#include <algorithm>

#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "engine/storey_plan.h"
#include "model/building.h"

namespace tvk {

double SegmentMultiplier(const GridPoint& p, int d) {
  const double sum = static_cast<double>(BraceMultiplier(p.brace(d))) + SheathingMultiplier(p.sheathing(d));
  return std::clamp(sum, 0.0, kMaxSegmentMultiplier);
}

std::array<WallLines, 2> ExistingWallLines(const Building& b, int storey) {
  std::array<WallLines, 2> walls;
  std::vector<double>& alongX = walls[0].cm;  // per j
  std::vector<double>& alongY = walls[1].cm;  // per i
  alongX.assign(static_cast<size_t>(b.PointsY()), 0.0);
  alongY.assign(static_cast<size_t>(b.PointsX()), 0.0);
  const double segmentCm = CellSide(b) * 100;
  const auto view = LevelPoints(b, storey);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPoint& p = view(i, j);
      // Segments along X start on i = 1 .. SpansX, along Y on j = 1 .. SpansY.
      if (i <= b.SpansX()) alongX[static_cast<size_t>(j - 1)] += segmentCm * SegmentMultiplier(p, kDirX);
      if (j <= b.SpansY()) alongY[static_cast<size_t>(i - 1)] += segmentCm * SegmentMultiplier(p, kDirY);
    }
  }
  for (WallLines& lines : walls) {
    for (const double line : lines.cm) lines.totalCm += line;
  }
  return walls;
}

}  // namespace tvk
