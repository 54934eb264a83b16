#pragma once
// Beam runs of one level, indexed once so that the transmission walks need not walk whole
// lines per column.

#include <cstdint>
#include <vector>

#include "model/building.h"

namespace tvk {

class BeamIndex {
 public:
  BeamIndex(const Building& building, int level);

  // A beam on the segment along d that starts at p (false past the last line).
  bool Has(Dir d, GridPos p) const { return Flag(p, kBeamBit[d]); }
  // Beams on both segments along d that meet at p.
  bool BothSides(Dir d, GridPos p) const {
    const int along = p.Along(d);
    return along > 1 && along <= (d == Dir::X ? nx_ : ny_) - 1 && Has(d, p.Step(d, -1)) && Has(d, p);
  }
  // The same answer as Building::MemberExtent for the beam layer of this level, for a
  // segment that carries a beam (Has).
  MemberSpan Run(Dir d, GridPos p) const;
  // The first and last segment of that run, without measuring it.
  MemberSpan Ends(Dir d, GridPos p) const;
  // Index along d of the nearest point beyond p in the direction step (+1 or -1) where
  // beams lie on both sides across d (a through orthogonal beam); 0 when none.
  int NearestThrough(Dir d, GridPos p, int step) const {
    return step > 0 ? nextThrough_[d][slot(p)] : prevThrough_[d][slot(p)];
  }

 private:
  // Flag bits per point and direction: a beam, and its run code when it is 0 .. 3.
  static constexpr PerDir<uint16_t> kBeamBit{{1, 2}};
  static constexpr PerDir<uint16_t> kCode0Bit{{4, 8}};
  static constexpr PerDir<uint16_t> kCode1Bit{{16, 32}};
  static constexpr PerDir<uint16_t> kCode2Bit{{64, 128}};
  static constexpr PerDir<uint16_t> kCode3Bit{{256, 512}};

  size_t slot(GridPos p) const {
    return static_cast<size_t>(p.i - 1) + static_cast<size_t>(nx_) * static_cast<size_t>(p.j - 1);
  }
  bool Flag(GridPos p, uint16_t bit) const { return (flags_[slot(p)] & bit) != 0; }
  void ReadFlags();
  void Sweep(bool forward);

  const Building& b_;
  int level_;
  int nx_;
  int ny_;
  std::vector<uint16_t> flags_;  // per point: beams and run codes of its two segments
  // Per direction, per point: the next segment coded 3 after it and the previous segment
  // coded 1 before it (run codes in AutoFlag), and the nearest through points.
  PerDir<std::vector<int>> next3_, prev1_, nextThrough_, prevThrough_;
};

}  // namespace tvk
