// Pull-out that reaches a storey-1 column along the beams it carries: every storey-2
// column without a column below, standing on the beam between this column and the next
// storey-1 column, passes down its pull by span inverse ratio.

#include <optional>

#include "engine/level_view.h"
#include "engine/pull_out.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

// Visits, in walk order, the upper columns that pass pull-out to the storey-s column P from
// one side along d, starting after the index `after` along d (nothing: at P).
// visit(q, ratio) is called for each with ratio > 0 and returns false to stop.
template <class Visit>
void WalkSide(const Building& b, Side side, Dir d, GridPos p, int s, std::optional<int> after, Visit&& visit) {
  if (s < 1 || s >= b.Storeys() || !b.Contains(p, s)) return;
  const int upper = s + 1;
  const auto lower = LevelPoints(b, s);
  const auto above = LevelPoints(b, upper);
  if (!HasColumnAt(lower(p))) return;
  const int along = p.Along(d);
  const int segment = side == Side::Low ? along - 1 : along;
  if (segment < 1 || segment > b.Spans(d)) return;
  const GridPos start = p.At(d, segment);
  if (!HasBeam(above(start).beam(d))) return;
  // The beam's span is measured when a column stands on it; mostly the next support comes first.
  std::optional<float> span;
  const int step = side == Side::Low ? -1 : 1;
  for (int k = after.value_or(along) + step; k >= 1 && k <= b.Spans(d) + 1; k += step) {
    const GridPos q = p.At(d, k);
    if (HasColumnAt(lower(q))) return;  // the beam's next support
    if (!HasColumnAt(above(q)) || !PullEligible(b, upper, d, q)) continue;
    if (!span) span = b.MemberExtent(MemberLayer::Beam, upper, d, start).length;
    if (!(*span > 0)) return;
    // Columns at or beyond the far end of the span pass nothing.
    float ratio = (*span - b.Distance(p, q, s)) / *span;
    if (ratio < kEps) ratio = 0;
    if (ratio > 0 && !visit(q, ratio)) return;
  }
}

}  // namespace

std::array<float, 2> ColNukeNCollect(const Building& building, const CalcResults& results, Dir d, GridPos p, int s) {
  std::array<float, 2> sums{};
  for (const Side side : kSides) {
    WalkSide(building, side, d, p, s, std::nullopt, [&](GridPos q, float ratio) {
      sums[static_cast<size_t>(side)] += ratio * ColumnPull(building, results, q, s + 1, d);
      return true;
    });
  }
  return sums;
}

NSource ColNukeNSource(const Building& building, Side side, Dir d, GridPos p, int s, std::optional<GridPos> after) {
  NSource source;
  std::optional<int> afterIndex;
  if (after) {
    afterIndex = after->Along(d);
    const int along = p.Along(d);
    if (side == Side::Low ? *afterIndex >= along : *afterIndex <= along) return source;
  }
  WalkSide(building, side, d, p, s, afterIndex, [&](GridPos q, float ratio) {
    source = NSource{true, q, ratio};
    return false;
  });
  return source;
}

}  // namespace tvk
