// Pull-out that reaches a storey-1 column along the beams it carries: every storey-2
// column without a column below, standing on the beam between this column and the next
// storey-1 column, passes down its pull by span inverse ratio.

#include "engine/grid_walk.h"
#include "engine/level_view.h"
#include "engine/pull_out.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

// Visits, in walk order, the upper columns that pass pull-out to the storey-s column
// P = (i, j) from one side along d, starting after the index `after` along d (0: at P).
// visit(qi, qj, ratio) is called for each with ratio > 0 and returns false to stop.
template <class Visit>
void WalkSide(const Building& b, int side, int d, int i, int j, int s, int after, Visit&& visit) {
  if (s < 1 || s >= b.Storeys() || !b.Contains(i, j, s)) return;
  const int upper = s + 1;
  const auto lower = LevelPoints(b, s);
  const auto above = LevelPoints(b, upper);
  if (!HasColumnAt(lower(i, j))) return;
  const int along = AlongIndex(d, i, j);
  const int segment = side == 1 ? along - 1 : along;
  if (segment < 1 || segment > b.Spans(d)) return;
  const auto [si, sj] = PointAlong(d, i, j, segment);
  if (!HasBeam(above(si, sj).beam(d))) return;
  const float span = b.MemberExtent(MemberLayer::Beam, upper, d, si, sj).length;
  if (!(span > 0)) return;
  const int step = side == 1 ? -1 : 1;
  for (int k = (after == 0 ? along : after) + step; k >= 1 && k <= b.Spans(d) + 1; k += step) {
    const auto [qi, qj] = PointAlong(d, i, j, k);
    if (HasColumnAt(lower(qi, qj))) return;  // the beam's next support
    if (!HasColumnAt(above(qi, qj)) || !PullEligible(b, upper, d, qi, qj)) continue;
    // Columns at or beyond the far end of the span pass nothing.
    float ratio = (span - b.Distance(i, j, qi, qj, s)) / span;
    if (ratio < kEps) ratio = 0;
    if (ratio > 0 && !visit(qi, qj, ratio)) return;
  }
}

}  // namespace

std::array<float, 2> ColNukeNCollect(const Building& building, const CalcResults& results, int d, int i, int j, int s) {
  std::array<float, 2> sums{};
  for (int side = 1; side <= 2; ++side) {
    WalkSide(building, side, d, i, j, s, 0, [&](int qi, int qj, float ratio) {
      sums[static_cast<size_t>(side - 1)] += ratio * ColumnPull(building, results, qi, qj, s + 1, d);
      return true;
    });
  }
  return sums;
}

NSource ColNukeNSource(const Building& building, int side, int d, int i, int j, int s, int fromI, int fromJ) {
  NSource source;
  int after = 0;
  if (fromI != 0 || fromJ != 0) {
    after = AlongIndex(d, fromI, fromJ);
    const int along = AlongIndex(d, i, j);
    if (side == 1 ? after >= along : after <= along) return source;
  }
  WalkSide(building, side, d, i, j, s, after, [&](int qi, int qj, float ratio) {
    source = NSource{true, qi, qj, ratio};
    return false;
  });
  return source;
}

}  // namespace tvk
