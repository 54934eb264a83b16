#include "export/label_space.h"

#include <cmath>

#include "model/text_codec.h"

namespace tvk {

namespace {

constexpr double kHalfWidthShare = 0.7;
constexpr double kCellSize = 2000;  // mm

uint64_t CellKey(int64_t cx, int64_t cy) { return (static_cast<uint64_t>(cx) << 32) ^ static_cast<uint32_t>(cy); }

// Start of a text's extent along its run against its anchor, by justification.
double RunStart(HAlign h, double length) {
  return h == HAlign::Centre ? -length / 2 : h == HAlign::Right ? -length : 0;
}

// Start of its extent across the run (towards its top) against the anchor.
double RiseStart(VAlign v, double height) { return v == VAlign::Top ? -height : v == VAlign::Middle ? -height / 2 : 0; }

}  // namespace

double TextWidth(const std::string& text, double height) {
  return static_cast<double>(Cp932ByteLength(text)) * kHalfWidthShare * height;
}

LabelBox BoxOf(const PlanText& t) {
  const double length = TextWidth(t.text, t.height);
  const double run = RunStart(t.h, length);
  const double rise = RiseStart(t.v, t.height);
  if (std::fabs(t.angle - 90) < 1e-9) {
    // Turned a quarter: the run goes up, the top of the letters faces -x.
    return {t.at.x - rise - t.height, t.at.y + run, t.at.x - rise, t.at.y + run + length};
  }
  return {t.at.x + run, t.at.y + rise, t.at.x + run + length, t.at.y + rise + t.height};
}

template <typename Visit>
void LabelSpace::ForCells(const LabelBox& box, Visit visit) const {
  const auto first = [](double v) { return static_cast<int64_t>(std::floor(v / kCellSize)); };
  for (int64_t cx = first(box.x0); cx <= first(box.x1); ++cx) {
    for (int64_t cy = first(box.y0); cy <= first(box.y1); ++cy) visit(CellKey(cx, cy));
  }
}

bool LabelSpace::IsFree(const LabelBox& box) const {
  bool free = true;
  ForCells(box, [&](uint64_t key) {
    const auto found = cells_.find(key);
    if (found == cells_.end()) return;
    for (const LabelBox& other : found->second) free = free && !box.Overlaps(other);
  });
  return free;
}

void LabelSpace::Occupy(const LabelBox& box) {
  ForCells(box, [&](uint64_t key) { cells_[key].push_back(box); });
}

void LabelSpace::Occupy(const PlanText& text) { Occupy(BoxOf(text)); }

const PlanText& LabelSpace::Place(const std::vector<PlanText>& candidates) {
  for (const PlanText& candidate : candidates) {
    const LabelBox box = BoxOf(candidate);
    if (IsFree(box)) {
      Occupy(box);
      return candidate;
    }
  }
  Occupy(candidates.front());
  return candidates.front();
}

}  // namespace tvk
