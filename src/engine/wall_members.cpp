#include "engine/wall_members.h"

#include "model/building.h"
#include "model/wall_runs.h"

namespace tvk {

namespace {

const WallSeg& SegAt(const Building& b, int level, Dir d, int lineIndex, int k, bool sheathing) {
  const GridPoint& p = b.Point(GridPos::OnLine(d, lineIndex, k), level);
  return sheathing ? p.sheathing(d) : p.brace(d);
}

}  // namespace

std::vector<WallMember> WallMembersOnLine(const Building& b, int level, Dir d, int lineIndex) {
  std::vector<WallMember> members;
  const int spans = b.Spans(d);
  for (const bool sheathing : {false, true}) {
    for (int k = 1; k <= spans; ++k) {
      const WallSeg& seg = SegAt(b, level, d, lineIndex, k, sheathing);
      if (seg.Kind == 0) continue;
      const int last =
          MemberRunLast(k, spans, [&](int m) -> const WallSeg& { return SegAt(b, level, d, lineIndex, m, sheathing); });
      WallMember m;
      m.d = d;
      m.first = k;
      m.last = last;
      m.start = GridPos::OnLine(d, lineIndex, k);
      m.sheathing = sheathing;
      m.seg = &seg;
      members.push_back(m);
      k = last;
    }
  }
  return members;
}

std::vector<WallMember> WallMembersOfLevel(const Building& b, int level) {
  std::vector<WallMember> members;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (const WallMember& m : WallMembersOnLine(b, level, Dir::X, j)) members.push_back(m);
  }
  for (int i = 1; i <= b.PointsX(); ++i) {
    for (const WallMember& m : WallMembersOnLine(b, level, Dir::Y, i)) members.push_back(m);
  }
  return members;
}

WallSymbol WallSymbolOf(const WallSeg& seg, bool sheathing) {
  if (sheathing) return WallSymbol::Sheathing;
  if (seg.Slope == 3 || seg.KindKey == kKeyTasuki) return WallSymbol::Crossed;
  return seg.Slope == 2 ? WallSymbol::BraceLeftUp : WallSymbol::BraceRightUp;
}

std::vector<SegmentRun> SegmentRuns(int count, const std::function<bool(int)>& holds) {
  std::vector<SegmentRun> runs;
  for (int k = 1; k <= count; ++k) {
    if (!holds(k)) continue;
    SegmentRun run{k, k};
    while (run.last < count && holds(run.last + 1)) ++run.last;
    runs.push_back(run);
    k = run.last;
  }
  return runs;
}

}  // namespace tvk
