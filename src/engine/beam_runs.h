#pragma once
// Beam runs of one level, indexed once so that the transmission walks need not walk whole
// lines per column.

#include <array>
#include <cstdint>
#include <vector>

#include "model/building.h"

namespace tvk {

class BeamIndex {
 public:
  BeamIndex(const Building& building, int level);

  int level() const { return level_; }
  // A beam on the segment along d that starts at (i, j) (false past the last line).
  bool Has(int d, int i, int j) const;
  // Beams on both segments along d that meet at (i, j).
  bool BothSides(int d, int i, int j) const;
  // The same answer as Building::MemberExtent for the beam layer of this level.
  MemberSpan Run(int d, int i, int j) const;
  // Index along d of the nearest point beyond (i, j) in the direction step (+1 or -1)
  // where beams lie on both sides across d (a through orthogonal beam); 0 when none.
  int NearestThrough(int d, int i, int j, int step) const;

 private:
  size_t slot(int i, int j) const {
    return static_cast<size_t>(i - 1) + static_cast<size_t>(nx_) * static_cast<size_t>(j - 1);
  }
  bool Flag(int i, int j, uint8_t bit) const { return (flags_[slot(i, j)] & bit) != 0; }
  void ReadFlags();
  void Sweep(bool forward);

  const Building& b_;
  int level_;
  int nx_;
  int ny_;
  std::vector<uint8_t> flags_;  // per point: beams and run codes of its two segments
  // Per direction [d-1], per point: the next segment coded 3 after it and the previous
  // segment coded 1 before it (run codes in AutoFlag), and the nearest through points.
  std::array<std::vector<int>, 2> next3_, prev1_, nextThrough_, prevThrough_;
};

}  // namespace tvk
