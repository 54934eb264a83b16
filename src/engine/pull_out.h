#pragma once
// Shared pieces of the two pull-out transmission paths.

#include "engine/calc_results.h"
#include "engine/height_factor.h"
#include "engine/member_codes.h"
#include "engine/tolerance.h"
#include "model/building.h"

namespace tvk {

inline bool UserLMethod(const Building& b) { return b.Settings.LMethod == 1; }

// Pull of the column at (i, j) on level `level` in direction d: A x B, or A x B - L with
// the user's L method; A x B carries the height factor of the column's own storey.
inline float ColumnPull(const Building& b, const CalcResults& results, int i, int j, int level, int d) {
  const ColumnResult& r = results.Column(i, j, level);
  const float ab = ScaledAB(r.a[static_cast<size_t>(d - 1)] * r.b, HeightFactor(b, level));
  return UserLMethod(b) ? ab - r.l : ab;
}

// A wall on at least one of the two segments along d that meet at (i, j).
inline bool HasWallEitherSide(const Building& b, int level, int d, int i, int j) {
  const int along = AlongIndex(d, i, j);
  if (along <= b.Spans(d) && HasWall(b.Point(i, j, level), d)) return true;
  if (along <= 1) return false;
  const GridPoint& before = d == kDirX ? b.Point(i - 1, j, level) : b.Point(i, j - 1, level);
  return HasWall(before, d);
}

// Whether an upper column without a column below passes its pull in direction d down:
// always with the user's L method, otherwise only with a wall on one of its sides.
inline bool PullEligible(const Building& b, int level, int d, int i, int j) {
  return UserLMethod(b) || HasWallEitherSide(b, level, d, i, j);
}

}  // namespace tvk
