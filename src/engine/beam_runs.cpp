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

namespace {

// Flag bits per point and direction d: [d-1] of each pair.
constexpr uint8_t kBeamBit[2] = {1, 2};
constexpr uint8_t kCode1Bit[2] = {4, 8};
constexpr uint8_t kCode3Bit[2] = {16, 32};

// A run position code read as MemberExtent reads it (its absolute value); any 32-bit value
// from a file is safe here.
long long RunCode(int32_t value) { return std::llabs(static_cast<long long>(value)); }

}  // namespace

// The tables are filled by sweeps in memory order (rows of X lines one after the other),
// keeping one running value per line, so that building them reads each point once.
BeamIndex::BeamIndex(const Building& building, int level)
    : b_(building), level_(level), nx_(building.PointsX()), ny_(building.PointsY()) {
  const size_t points = static_cast<size_t>(nx_) * static_cast<size_t>(ny_);
  flags_.assign(points, 0);
  for (auto* table : {&next3_, &prev1_, &nextThrough_, &prevThrough_}) {
    for (auto& v : *table) v.assign(points, 0);
  }
  ReadFlags();
  Sweep(true);
  Sweep(false);
}

void BeamIndex::ReadFlags() {
  for (int j = 1; j <= ny_; ++j) {
    for (int i = 1; i <= nx_; ++i) {
      const GridPoint& p = b_.Point(i, j, level_);
      uint8_t& f = flags_[slot(i, j)];
      for (int d = kDirX; d <= kDirY; ++d) {
        if (AlongIndex(d, i, j) > b_.Spans(d)) continue;  // no segment leaves the last line
        const auto k = static_cast<size_t>(d - 1);
        const long long code = RunCode(p.beam(d).AutoFlag);
        if (HasBeam(p.beam(d))) f |= kBeamBit[k];
        if (code == 1) f |= kCode1Bit[k];
        if (code == 3) f |= kCode3Bit[k];
      }
    }
  }
}

// Forward (rows and points in increasing order) each point receives the last code-1
// segment and through point before it on its two lines; backward the first code-3
// segment and through point after it.
void BeamIndex::Sweep(bool forward) {
  auto& codeTable = forward ? prev1_ : next3_;
  auto& throughTable = forward ? prevThrough_ : nextThrough_;
  const uint8_t* codeBit = forward ? kCode1Bit : kCode3Bit;
  std::vector<int> codeY(static_cast<size_t>(nx_) + 1, 0);
  std::vector<int> throughY(static_cast<size_t>(nx_) + 1, 0);
  for (int row = 1; row <= ny_; ++row) {
    const int j = forward ? row : ny_ + 1 - row;
    int codeX = 0;
    int throughX = 0;
    for (int point = 1; point <= nx_; ++point) {
      const int i = forward ? point : nx_ + 1 - point;
      const size_t s = slot(i, j);
      const auto col = static_cast<size_t>(i);
      codeTable[0][s] = codeX;
      throughTable[0][s] = throughX;
      codeTable[1][s] = codeY[col];
      throughTable[1][s] = throughY[col];
      if (Flag(i, j, codeBit[0])) codeX = i;
      if (Flag(i, j, codeBit[1])) codeY[col] = j;
      if (BothSides(kDirY, i, j)) throughX = i;
      if (BothSides(kDirX, i, j)) throughY[col] = j;
    }
  }
}

bool BeamIndex::Has(int d, int i, int j) const { return Flag(i, j, kBeamBit[d - 1]); }

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
  const long long pos = RunCode(seg.AutoFlag);
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
