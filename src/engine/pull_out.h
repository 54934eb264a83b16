#pragma once
// Shared pieces of the two pull-out transmission paths.

#include "engine/calc_results.h"
#include "engine/height_factor.h"
#include "engine/member_codes.h"
#include "engine/tolerance.h"
#include "model/building.h"

namespace tvk {

inline bool UserLMethod(const Building& b) { return b.Settings.LMethod == 1; }

// Pull of the column at p on level `level` in direction d: A x B, or A x B - L with the
// user's L method; A x B carries the height factor of the column's own storey.
inline float ColumnPull(const Building& b, const CalcResults& results, GridPos p, int level, Dir d) {
  const ColumnResult& r = results.Column(p, level);
  const float ab = ScaledAB(r.a[d] * r.b, HeightFactor(b, level));
  return UserLMethod(b) ? ab - r.l : ab;
}

// A wall on at least one of the two segments along d that meet at p.
inline bool HasWallEitherSide(const Building& b, int level, Dir d, GridPos p) {
  const int along = p.Along(d);
  if (along <= b.Spans(d) && HasWall(b.Point(p, level), d)) return true;
  if (along <= 1) return false;
  return HasWall(b.Point(p.Step(d, -1), level), d);
}

// Whether an upper column without a column below passes its pull in direction d down:
// always with the user's L method, otherwise only with a wall on one of its sides.
inline bool PullEligible(const Building& b, int level, Dir d, GridPos p) {
  return UserLMethod(b) || HasWallEitherSide(b, level, d, p);
}

}  // namespace tvk
