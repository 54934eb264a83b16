// Pull-out of an upper column that has no column below and stands on a small beam: it
// travels along the small beam to the first beam crossing it (a through orthogonal beam)
// and is split there by span inverse ratio between that beam's two ends.
//
// The walk along the small beam stops at the beam's own end: pull-out cannot cross a gap
// in the beams, so an end whose beam meets no through orthogonal beam passes nothing (and,
// like a walk that reaches the edge of the grid, marks nothing there). A beam end that
// would receive a zero part (the crossing lies at that end) is neither loaded nor marked.
// A positive pull that this path takes up and that arrives nowhere at all (no end met a
// crossing, or the column stands on no beam) marks the column, so that it is not lost
// without a word.

#include "engine/beam_runs.h"
#include "engine/grid_walk.h"
#include "engine/pull_out.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

class CrossBeamWalk {
 public:
  CrossBeamWalk(const Building& b, CalcResults& results, const BeamIndex& beams, int d, int i, int j, int level)
      : b_(b), results_(results), beams_(beams), d_(d), i_(i), j_(j), level_(level) {}

  void Run() {
    if (ColumnBelow(i_, j_) || !PullEligible(b_, level_, d_, i_, j_)) return;
    bd_ = beams_.BothSides(d_, i_, j_) ? d_ : OtherDir(d_);
    along_ = AlongIndex(bd_, i_, j_);
    hasSide_[0] = along_ > 1 && HasBeamAt(along_ - 1);
    hasSide_[1] = HasBeamAt(along_);
    bool fullShare = !(hasSide_[0] && hasSide_[1]);
    bool endOpen[2] = {true, true};
    if (!fullShare) {
      through_ = beams_.Run(bd_, i_, j_);
      const auto [si, sj] = PointAlong(bd_, i_, j_, through_.first);
      const auto [ei, ej] = PointAlong(bd_, i_, j_, through_.last + 1);
      endOpen[0] = !ColumnBelow(si, sj);
      endOpen[1] = !ColumnBelow(ei, ej);
      if (!endOpen[0] && !endOpen[1]) return;  // carried by columns: the beam-end path handles it
      if (!beams_.BothSides(OtherDir(bd_), ei, ej)) fullShare = true;
    }
    pull_ = ColumnPull(b_, results_, i_, j_, level_, d_);
    for (int end = 1; end <= 2; ++end) {
      if (endOpen[end - 1]) TransmitEnd(end, fullShare);
    }
    if (pull_ > 0 && !delivered_) MarkNotTransmitted();
  }

 private:
  bool HasBeamAt(int along) const {
    const auto [pi, pj] = PointAlong(bd_, i_, j_, along);
    return beams_.Has(bd_, pi, pj);
  }
  bool ColumnBelow(int pi, int pj) const { return HasColumnAt(b_.Point(pi, pj, level_ - 1)); }

  // End 1 lies towards lower indices along the beam, end 2 towards higher.
  void TransmitEnd(int end, bool fullShare) {
    if (!hasSide_[end - 1]) return;
    const int step = end == 1 ? -1 : 1;
    const MemberSpan run = hasSide_[0] && hasSide_[1] ? through_ : RunOfSide(end);
    const int beamEnd = end == 1 ? run.first : run.last + 1;
    const int x = beams_.NearestThrough(bd_, i_, j_, step);
    if (x == 0 || (end == 1 ? x < beamEnd : x > beamEnd)) return;
    float share = 1;
    if (!fullShare) {
      const auto [ei, ej] = PointAlong(bd_, i_, j_, beamEnd);
      share = (through_.length - b_.Distance(i_, j_, ei, ej, level_)) / through_.length;
    }
    const auto [xi, xj] = PointAlong(bd_, i_, j_, x);
    const int od = OtherDir(bd_);
    // A through point is never on the first or last line across, so a segment starts there.
    const MemberSpan orth = beams_.Run(od, xi, xj);
    const auto [si, sj] = PointAlong(od, xi, xj, orth.first);
    const auto [ei, ej] = PointAlong(od, xi, xj, orth.last + 1);
    const float u = b_.Distance(si, sj, xi, xj, level_);
    Deliver(si, sj, (orth.length - u) / orth.length, share);
    Deliver(ei, ej, u / orth.length, share);
  }

  MemberSpan RunOfSide(int end) const {
    const auto [pi, pj] = PointAlong(bd_, i_, j_, end == 1 ? along_ - 1 : along_);
    return beams_.Run(bd_, pi, pj);
  }

  void Deliver(int pi, int pj, float ratio, float share) {
    if (!(ratio > 0)) return;
    delivered_ = true;
    if (ColumnBelow(pi, pj)) {
      results_.Column(pi, pj, level_ - 1).crossShare[static_cast<size_t>(d_ - 1)] += ratio * pull_ * share;
    } else {
      MarkNotTransmitted();
    }
  }

  void MarkNotTransmitted() {
    results_.Column(i_, j_, level_).notTransmitted = 1;
    results_.notTransmitted = true;
  }

  const Building& b_;
  CalcResults& results_;
  const BeamIndex& beams_;
  int d_, i_, j_, level_;
  int bd_ = 0;     // direction of the small beam
  int along_ = 0;  // Q's index along it
  bool hasSide_[2] = {false, false};
  MemberSpan through_;  // the beam through Q when both sides carry one
  float pull_ = 0;
  bool delivered_ = false;  // some end's part reached a storey-1 column or marked Q
};

}  // namespace

void CrossGTransmit(const Building& building, CalcResults& results, const BeamIndex& beams, int d, int i, int j,
                    int s) {
  if (s < 2 || s > building.Storeys() || beams.level() != s || !HasColumnAt(building.Point(i, j, s))) return;
  CrossBeamWalk(building, results, beams, d, i, j, s).Run();
}

void CrossGTransmit(const Building& building, CalcResults& results, int d, int i, int j, int s) {
  if (s < 2 || s > building.Storeys()) return;
  CrossGTransmit(building, results, BeamIndex(building, s), d, i, j, s);
}

}  // namespace tvk
