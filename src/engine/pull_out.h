#pragma once
// Shared pieces of the two pull-out transmission paths: what they look up of a level (the
// upper columns that pull) and of the level below it (the columns that receive). Two
// sources answer alike: the building itself, for questions about one column, and the
// marks of both levels, for the whole-plan calculation.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/beam_runs.h"
#include "engine/calc_results.h"
#include "engine/height_factor.h"
#include "engine/level_marks.h"
#include "engine/member_codes.h"
#include "engine/tolerance.h"
#include "model/building.h"

namespace tvk {

// What both sources share: the building, the upper level, its height factor, the L method
// and the upper level's beams.
class PullOutLevels {
 public:
  PullOutLevels(const Building& building, int upper)
      : b_(building), upper_(upper), factor_(HeightFactor(building, upper)), userL_(building.Settings.LMethod == 1) {}

  const Building& building() const { return b_; }
  int upper() const { return upper_; }

  // Pull of the upper column at p in direction d: A x B, or A x B - L with the user's L
  // method; A x B carries the height factor of the column's own storey.
  float Pull(const CalcResults& results, GridPos p, Dir d) const {
    const ColumnResult& r = results.Column(p, upper_);
    const float ab = ScaledAB(r.a[d] * r.b, factor_);
    return userL_ ? ab - r.l : ab;
  }

  // The beams of the upper level, indexed on first use: where every upper column stands
  // on a lower one they are never needed.
  const BeamIndex& UpperBeams() const {
    if (!beams_) beams_.emplace(b_, upper_);
    return *beams_;
  }

 protected:
  // Whether an upper column without a column below passes its pull in direction d down:
  // always with the user's L method, otherwise only with a wall on one of its sides.
  bool Eligible(bool wallEitherSide) const { return userL_ || wallEitherSide; }

  const Building& b_;
  int upper_;

 private:
  float factor_;
  bool userL_;
  mutable std::optional<BeamIndex> beams_;
};

// The two levels read in the building.
class BuildingLevels : public PullOutLevels {
 public:
  using PullOutLevels::PullOutLevels;

  // Whether the line along d through p may hold an upper column without a column below;
  // unknown here, so the walks find out.
  bool MayHoldUnsupported(Dir, GridPos) const { return true; }

  bool LowerColumn(GridPos p) const { return HasColumnAt(b_.Point(p, upper_ - 1)); }
  bool UpperColumn(GridPos p) const { return HasColumnAt(b_.Point(p, upper_)); }
  bool UpperBeam(Dir d, GridPos p) const { return HasBeam(b_.Point(p, upper_).beam(d)); }
  bool PullEligible(Dir d, GridPos p) const {
    const int along = p.Along(d);
    const bool wall = (along <= b_.Spans(d) && HasWall(b_.Point(p, upper_), d)) ||
                      (along > 1 && HasWall(b_.Point(p.Step(d, -1), upper_), d));
    return Eligible(wall);
  }
};

// The two levels read in their marks.
class MarkedLevels : public PullOutLevels {
 public:
  MarkedLevels(const Building& building, const LevelMarks& lower, const LevelMarks& upper, int upperLevel);

  // Whether the line along d through p holds an upper column without a column below: on
  // other lines no pull-out travels along the beams.
  bool MayHoldUnsupported(Dir d, GridPos p) const {
    return d == Dir::X ? unsupportedX_[static_cast<size_t>(p.j - 1)] != 0
                       : unsupportedY_[static_cast<size_t>(p.i - 1)] != 0;
  }

  bool LowerColumn(GridPos p) const { return lowerMarks_.Column(p); }
  bool UpperColumn(GridPos p) const { return upperMarks_.Column(p); }
  bool UpperBeam(Dir d, GridPos p) const { return upperMarks_.Beam(d, p); }
  bool PullEligible(Dir d, GridPos p) const { return Eligible(upperMarks_.WallEitherSide(d, p)); }

 private:
  const LevelMarks& lowerMarks_;
  const LevelMarks& upperMarks_;
  std::vector<uint8_t> unsupportedX_;  // per line along X (by j)
  std::vector<uint8_t> unsupportedY_;  // per line along Y (by i)
};

}  // namespace tvk
