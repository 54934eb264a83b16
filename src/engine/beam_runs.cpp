#include "engine/beam_runs.h"

#include <cstdlib>

#include "engine/grid_walk.h"
#include "engine/member_codes.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

// A column of the storey below the beams of this level cuts a run; level 1 uses its own.
bool CutsRun(const Building& b, int level, int i, int j) {
  return HasColumnAt(b.Point(i, j, level > 1 ? level - 1 : 1));
}

void RefreshLine(Building& b, int level, int d, int i, int j) {
  const int spans = b.Spans(d);
  bool inRun = false;  // the previous segment continues into this one
  for (int k = 1; k <= spans; ++k) {
    const auto [pi, pj] = PointAlong(d, i, j, k);
    BeamSeg& seg = b.Point(pi, pj, level).beam(d);
    if (!HasBeam(seg)) {
      inRun = false;
      continue;
    }
    bool continues = false;
    if (k < spans) {
      const auto [ni, nj] = PointAlong(d, i, j, k + 1);
      continues = HasBeam(b.Point(ni, nj, level).beam(d)) && !CutsRun(b, level, ni, nj);
    }
    seg.AutoFlag = inRun ? (continues ? 2 : 3) : (continues ? 1 : 0);
    inRun = continues;
  }
}

}  // namespace

void RefreshBeamRuns(Building& building) {
  for (int level = 1; level <= building.Levels(); ++level) {
    for (int j = 1; j <= building.PointsY(); ++j) RefreshLine(building, level, kDirX, 1, j);
    for (int i = 1; i <= building.PointsX(); ++i) RefreshLine(building, level, kDirY, i, 1);
  }
}

BeamIndex::BeamIndex(const Building& building, int level) : b_(building), level_(level), nx_(building.PointsX()) {
  const size_t points = static_cast<size_t>(building.PointsX()) * static_cast<size_t>(building.PointsY());
  for (auto* table : {&next3_, &prev1_, &nextThrough_, &prevThrough_}) {
    for (auto& v : *table) v.assign(points, 0);
  }
  for (int j = 1; j <= building.PointsY(); ++j) IndexLine(kDirX, 1, j);
  for (int i = 1; i <= building.PointsX(); ++i) IndexLine(kDirY, i, 1);
}

void BeamIndex::IndexLine(int d, int i, int j) {
  const auto k = static_cast<size_t>(d - 1);
  const int points = b_.Spans(d) + 1;
  auto code = [&](int along) { return std::abs(PointOnLine(b_, d, i, j, along, level_).beam(d).AutoFlag); };
  auto through = [&](int along) {
    const auto [pi, pj] = PointAlong(d, i, j, along);
    return BothSides(OtherDir(d), pi, pj);
  };
  int last1 = 0;
  int lastThrough = 0;
  for (int along = 1; along <= points; ++along) {
    const auto [pi, pj] = PointAlong(d, i, j, along);
    prev1_[k][slot(pi, pj)] = last1;
    prevThrough_[k][slot(pi, pj)] = lastThrough;
    if (along < points && code(along) == 1) last1 = along;
    if (through(along)) lastThrough = along;
  }
  int next3 = 0;
  int nextThrough = 0;
  for (int along = points; along >= 1; --along) {
    const auto [pi, pj] = PointAlong(d, i, j, along);
    next3_[k][slot(pi, pj)] = next3;
    nextThrough_[k][slot(pi, pj)] = nextThrough;
    if (along < points && code(along) == 3) next3 = along;
    if (through(along)) nextThrough = along;
  }
}

bool BeamIndex::Has(int d, int i, int j) const {
  return AlongIndex(d, i, j) <= b_.Spans(d) && HasBeam(b_.Point(i, j, level_).beam(d));
}

bool BeamIndex::BothSides(int d, int i, int j) const {
  const int along = AlongIndex(d, i, j);
  if (along <= 1 || along > b_.Spans(d)) return false;
  const auto [pi, pj] = PointAlong(d, i, j, along - 1);
  return Has(d, pi, pj) && Has(d, i, j);
}

MemberSpan BeamIndex::Run(int d, int i, int j) const {
  MemberSpan span;
  const BeamSeg& seg = b_.Point(i, j, level_).beam(d);
  if (seg.BeamKind == 0) return span;
  const int pos = std::abs(seg.AutoFlag);
  const int self = AlongIndex(d, i, j);
  const auto k = static_cast<size_t>(d - 1);
  span.first = span.last = self;
  if (pos == 0) {
    span.length = b_.SubPitch();
    return span;
  }
  if ((pos == 1 || pos == 2) && next3_[k][slot(i, j)] != 0) span.last = next3_[k][slot(i, j)];
  if ((pos == 2 || pos == 3) && prev1_[k][slot(i, j)] != 0) span.first = prev1_[k][slot(i, j)];
  const auto [fi, fj] = PointAlong(d, i, j, span.first);
  const auto [li, lj] = PointAlong(d, i, j, span.last + 1);
  span.length = b_.Distance(fi, fj, li, lj, level_);
  return span;
}

int BeamIndex::NearestThrough(int d, int i, int j, int step) const {
  const auto k = static_cast<size_t>(d - 1);
  return step > 0 ? nextThrough_[k][slot(i, j)] : prevThrough_[k][slot(i, j)];
}

}  // namespace tvk
