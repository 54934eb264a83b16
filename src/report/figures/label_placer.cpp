#include "report/figures/label_placer.h"

#include <algorithm>

namespace tvk {

bool SegmentCrossesBox(PagePoint a, PagePoint b, const PageBox& box) {
  // Liang-Barsky clipping of the segment against the open box.
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.x, box.right() - a.x, a.y - box.y, box.bottom() - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] <= 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 >= t1) return false;
  }
  return true;
}

bool LabelPlacer::IsFree(const PageBox& box) const {
  for (const PageBox& other : boxes_) {
    if (box.intersects(other)) return false;
  }
  for (const Segment& line : lines_) {
    if (SegmentCrossesBox(line.a, line.b, box)) return false;
  }
  return true;
}

PageBox LabelPlacer::Place(const std::vector<PageBox>& candidates) {
  PageBox chosen = candidates.front();
  for (const PageBox& box : candidates) {
    if (IsFree(box)) {
      chosen = box;
      break;
    }
  }
  Occupy(chosen);
  return chosen;
}

}  // namespace tvk
