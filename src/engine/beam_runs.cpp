#include "engine/beam_runs.h"

#include <cstdlib>

#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "engine/transmission.h"

namespace tvk {

namespace {

// A column of the storey below the beams of this level cuts a run; level 1 uses its own.
bool CutsRun(const Building& b, int level, GridPos p) { return HasColumnAt(b.Point(p, level > 1 ? level - 1 : 1)); }

// The beams of the grid line along d through `line`.
void RefreshLine(Building& b, int level, Dir d, GridPos line) {
  const int spans = b.Spans(d);
  bool inRun = false;  // the previous segment continues into this one
  for (int k = 1; k <= spans; ++k) {
    BeamSeg& seg = b.Point(line.At(d, k), level).beam(d);
    if (!HasBeam(seg)) {
      inRun = false;
      continue;
    }
    bool continues = false;
    if (k < spans) {
      const GridPos next = line.At(d, k + 1);
      continues = HasBeam(b.Point(next, level).beam(d)) && !CutsRun(b, level, next);
    }
    seg.AutoFlag = inRun ? (continues ? 2 : 3) : (continues ? 1 : 0);
    inRun = continues;
  }
}

}  // namespace

void RefreshBeamRuns(Building& building) {
  for (int level = 1; level <= building.Levels(); ++level) {
    for (int j = 1; j <= building.PointsY(); ++j) RefreshLine(building, level, Dir::X, GridPos{1, j});
    for (int i = 1; i <= building.PointsX(); ++i) RefreshLine(building, level, Dir::Y, GridPos{i, 1});
  }
}

namespace {

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
  const auto points = LevelPoints(b_, level_);
  for (int j = 1; j <= ny_; ++j) {
    for (int i = 1; i <= nx_; ++i) {
      const GridPos at{i, j};
      const GridPoint& p = points(at);
      uint16_t& f = flags_[slot(at)];
      for (const Dir d : kDirs) {
        if (at.Along(d) > b_.Spans(d)) continue;  // no segment leaves the last line
        const long long code = RunCode(p.beam(d).AutoFlag);
        if (HasBeam(p.beam(d))) f |= kBeamBit[d];
        if (code == 0) f |= kCode0Bit[d];
        if (code == 1) f |= kCode1Bit[d];
        if (code == 2) f |= kCode2Bit[d];
        if (code == 3) f |= kCode3Bit[d];
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
  const PerDir<uint16_t>& codeBit = forward ? kCode1Bit : kCode3Bit;
  std::vector<int> codeY(static_cast<size_t>(nx_) + 1, 0);
  std::vector<int> throughY(static_cast<size_t>(nx_) + 1, 0);
  for (int row = 1; row <= ny_; ++row) {
    const int j = forward ? row : ny_ + 1 - row;
    int codeX = 0;
    int throughX = 0;
    for (int point = 1; point <= nx_; ++point) {
      const int i = forward ? point : nx_ + 1 - point;
      const GridPos at{i, j};
      const size_t s = slot(at);
      const auto col = static_cast<size_t>(i);
      codeTable[Dir::X][s] = codeX;
      throughTable[Dir::X][s] = throughX;
      codeTable[Dir::Y][s] = codeY[col];
      throughTable[Dir::Y][s] = throughY[col];
      if (Flag(at, codeBit[Dir::X])) codeX = i;
      if (Flag(at, codeBit[Dir::Y])) codeY[col] = j;
      if (BothSides(Dir::Y, at)) throughX = i;
      if (BothSides(Dir::X, at)) throughY[col] = j;
    }
  }
}

MemberSpan BeamIndex::Ends(Dir d, GridPos p) const {
  MemberSpan span;
  span.first = span.last = p.Along(d);
  const size_t s = slot(p);
  const uint16_t f = flags_[s];
  if ((f & (kCode1Bit[d] | kCode2Bit[d])) != 0 && next3_[d][s] != 0) span.last = next3_[d][s];
  if ((f & (kCode2Bit[d] | kCode3Bit[d])) != 0 && prev1_[d][s] != 0) span.first = prev1_[d][s];
  return span;
}

MemberSpan BeamIndex::Run(Dir d, GridPos p) const {
  MemberSpan span = Ends(d, p);
  span.length =
      Flag(p, kCode0Bit[d]) ? b_.SubPitch() : b_.Distance(p.At(d, span.first), p.At(d, span.last + 1), level_);
  return span;
}

}  // namespace tvk
