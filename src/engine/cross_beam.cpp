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
#include "engine/pull_out.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

// The walk from the column Q of the upper of two levels.
template <class Levels>
class CrossBeamWalk {
 public:
  CrossBeamWalk(const Levels& levels, CalcResults& results, const BeamIndex& beams, Dir d, GridPos q)
      : levels_(levels),
        b_(levels.building()),
        results_(results),
        beams_(beams),
        d_(d),
        q_(q),
        level_(levels.upper()) {}

  void Run() {
    bd_ = beams_.BothSides(d_, q_) ? d_ : Other(d_);
    along_ = q_.Along(bd_);
    hasSide_[Side::Low] = along_ > 1 && HasBeamAt(along_ - 1);
    hasSide_[Side::High] = HasBeamAt(along_);
    bool fullShare = !(hasSide_[Side::Low] && hasSide_[Side::High]);
    PerEnd<bool> endOpen{{true, true}};
    if (!fullShare) {
      const MemberSpan ends = beams_.Ends(bd_, q_);
      const GridPos start = q_.At(bd_, ends.first);
      const GridPos end = q_.At(bd_, ends.last + 1);
      endOpen[Side::Low] = !ColumnBelow(start);
      endOpen[Side::High] = !ColumnBelow(end);
      if (!endOpen[Side::Low] && !endOpen[Side::High]) return;  // carried by columns: the beam-end path handles it
      through_ = beams_.Run(bd_, q_);
      if (!beams_.BothSides(Other(bd_), end)) fullShare = true;
    }
    pull_ = levels_.Pull(results_, q_, d_);
    for (const Side end : kSides) {
      if (endOpen[end]) TransmitEnd(end, fullShare);
    }
    if (pull_ > 0 && !delivered_) MarkNotTransmitted();
  }

 private:
  // A value for each end of the small beam: towards lower indices, towards higher.
  template <class T>
  struct PerEnd {
    std::array<T, 2> v;
    T& operator[](Side s) { return v[static_cast<size_t>(s)]; }
    const T& operator[](Side s) const { return v[static_cast<size_t>(s)]; }
  };

  bool HasBeamAt(int along) const { return beams_.Has(bd_, q_.At(bd_, along)); }
  bool ColumnBelow(GridPos p) const { return levels_.LowerColumn(p); }

  void TransmitEnd(Side end, bool fullShare) {
    if (!hasSide_[end]) return;
    const bool low = end == Side::Low;
    const MemberSpan run = hasSide_[Side::Low] && hasSide_[Side::High] ? through_ : RunOfSide(end);
    const int beamEnd = low ? run.first : run.last + 1;
    const int x = beams_.NearestThrough(bd_, q_, low ? -1 : 1);
    if (x == 0 || (low ? x < beamEnd : x > beamEnd)) return;
    float share = 1;
    if (!fullShare) share = (through_.length - b_.Distance(q_, q_.At(bd_, beamEnd), level_)) / through_.length;
    const GridPos crossing = q_.At(bd_, x);
    const Dir od = Other(bd_);
    // A through point is never on the first or last line across, so a segment starts there.
    const MemberSpan orth = beams_.Run(od, crossing);
    const GridPos first = crossing.At(od, orth.first);
    const GridPos last = crossing.At(od, orth.last + 1);
    const float u = b_.Distance(first, crossing, level_);
    Deliver(first, (orth.length - u) / orth.length, share);
    Deliver(last, u / orth.length, share);
  }

  MemberSpan RunOfSide(Side end) const { return beams_.Run(bd_, q_.At(bd_, end == Side::Low ? along_ - 1 : along_)); }

  void Deliver(GridPos p, float ratio, float share) {
    if (!(ratio > 0)) return;
    delivered_ = true;
    if (ColumnBelow(p)) {
      results_.Column(p, level_ - 1).crossShare[d_] += ratio * pull_ * share;
    } else {
      MarkNotTransmitted();
    }
  }

  void MarkNotTransmitted() {
    results_.Column(q_, level_).notTransmitted = 1;
    results_.notTransmitted = true;
  }

  const Levels& levels_;
  const Building& b_;
  CalcResults& results_;
  const BeamIndex& beams_;
  Dir d_;
  GridPos q_;
  int level_;
  Dir bd_ = Dir::X;  // direction of the small beam
  int along_ = 0;    // Q's index along it
  PerEnd<bool> hasSide_{{false, false}};
  MemberSpan through_;  // the beam through Q when both sides carry one
  float pull_ = 0;
  bool delivered_ = false;  // some end's part reached a storey-1 column or marked Q
};

// Only an upper column without a column below that passes its pull takes this path; the
// beams are indexed when the first one does.
template <class Levels>
void Transmit(const Levels& levels, CalcResults& results, Dir d, GridPos q) {
  if (levels.LowerColumn(q) || !levels.PullEligible(d, q)) return;
  CrossBeamWalk(levels, results, levels.UpperBeams(), d, q).Run();
}

}  // namespace

void CrossGTransmit(const MarkedLevels& levels, CalcResults& results, Dir d, GridPos p) {
  Transmit(levels, results, d, p);
}

void CrossGTransmit(const Building& building, CalcResults& results, Dir d, GridPos p, int s) {
  if (s < 2 || s > building.Storeys() || !HasColumnAt(building.Point(p, s))) return;
  Transmit(BuildingLevels(building, s), results, d, p);
}

}  // namespace tvk
