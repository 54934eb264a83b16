#include "engine/pull_out.h"

namespace tvk {

MarkedLevels::MarkedLevels(const Building& building, const LevelMarks& lower, const LevelMarks& upper, int upperLevel)
    : PullOutLevels(building, upperLevel),
      lowerMarks_(lower),
      upperMarks_(upper),
      unsupportedX_(static_cast<size_t>(lower.PointsY()), 0),
      unsupportedY_(static_cast<size_t>(lower.PointsX()), 0) {
  for (int j = 1; j <= lower.PointsY(); ++j) {
    for (int i = 1; i <= lower.PointsX(); ++i) {
      const GridPos p{i, j};
      if (!upper.Column(p) || lower.Column(p)) continue;
      unsupportedX_[static_cast<size_t>(j - 1)] = 1;
      unsupportedY_[static_cast<size_t>(i - 1)] = 1;
    }
  }
}

}  // namespace tvk
