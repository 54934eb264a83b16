// Pull-out that reaches a storey-1 column along the beams it carries: every storey-2
// column without a column below, standing on the beam between this column and the next
// storey-1 column, passes down its pull by span inverse ratio.

#include <optional>

#include "engine/pull_out.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

// Visits, in walk order, the upper columns that pass pull-out to the column P of the lower
// level from one side along d, starting after the index `after` along d (nothing: at P).
// visit(q, ratio) is called for each with ratio > 0 and returns false to stop. P lies in
// the grid.
template <class Levels, class Visit>
void WalkSide(const Levels& levels, Side side, Dir d, GridPos p, std::optional<int> after, Visit&& visit) {
  const Building& b = levels.building();
  if (!levels.LowerColumn(p)) return;
  const int along = p.Along(d);
  const int segment = side == Side::Low ? along - 1 : along;
  if (segment < 1 || segment > b.Spans(d)) return;
  const GridPos start = p.At(d, segment);
  if (!levels.UpperBeam(d, start)) return;
  // The beam's span is measured when a column stands on it; mostly the next support comes first.
  std::optional<float> span;
  const int step = side == Side::Low ? -1 : 1;
  for (int k = after.value_or(along) + step; k >= 1 && k <= b.Spans(d) + 1; k += step) {
    const GridPos q = p.At(d, k);
    if (levels.LowerColumn(q)) return;  // the beam's next support
    if (!levels.UpperColumn(q) || !levels.PullEligible(d, q)) continue;
    if (!span) span = b.MemberExtent(MemberLayer::Beam, levels.upper(), d, start).length;
    if (!(*span > 0)) return;
    // Columns at or beyond the far end of the span pass nothing.
    float ratio = (*span - b.Distance(p, q, levels.upper() - 1)) / *span;
    if (ratio < kEps) ratio = 0;
    if (ratio > 0 && !visit(q, ratio)) return;
  }
}

// Whether the walks from the storey-s column at p have levels to walk.
bool Walkable(const Building& b, GridPos p, int s) { return s >= 1 && s < b.Storeys() && b.Contains(p, s); }

template <class Levels>
std::array<float, 2> Collect(const Levels& levels, const CalcResults& results, Dir d, GridPos p) {
  std::array<float, 2> sums{};
  if (!levels.MayHoldUnsupported(d, p)) return sums;
  for (const Side side : kSides) {
    WalkSide(levels, side, d, p, std::nullopt, [&](GridPos q, float ratio) {
      sums[static_cast<size_t>(side)] += ratio * levels.Pull(results, q, d);
      return true;
    });
  }
  return sums;
}

}  // namespace

std::array<float, 2> ColNukeNCollect(const Building& building, const CalcResults& results, Dir d, GridPos p, int s) {
  if (!Walkable(building, p, s)) return {};
  return Collect(BuildingLevels(building, s + 1), results, d, p);
}

std::array<float, 2> ColNukeNCollect(const MarkedLevels& levels, const CalcResults& results, Dir d, GridPos p) {
  return Collect(levels, results, d, p);
}

NSource ColNukeNSource(const Building& building, Side side, Dir d, GridPos p, int s, std::optional<GridPos> after) {
  NSource source;
  if (!Walkable(building, p, s)) return source;
  std::optional<int> afterIndex;
  if (after) {
    afterIndex = after->Along(d);
    const int along = p.Along(d);
    if (side == Side::Low ? *afterIndex >= along : *afterIndex <= along) return source;
  }
  WalkSide(BuildingLevels(building, s + 1), side, d, p, afterIndex, [&](GridPos q, float ratio) {
    source = NSource{true, q, ratio};
    return false;
  });
  return source;
}

}  // namespace tvk
