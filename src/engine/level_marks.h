#pragma once
// One level of the plan as the N-value calculation looks it up, read in a single pass over
// the points in memory order into compact tables: which points carry a column, walls and
// beams, how many floor cells meet there, and each segment's wall. Neighbours and the
// storey above are looked up here rather than in the large point records.

#include <cstdint>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;
struct QuasiWalls;

// The wall on the unit segment along a direction that starts at a point.
struct SegmentWall {
  int32_t size = 0;   // brace size code, 0 without a brace
  int32_t slope = 0;  // brace slope code as the file holds it, 0 without a brace
  float rating = 0;   // brace, sheathing and partly sheathed multipliers, capped by the project's maximum
};

class LevelMarks {
 public:
  // The partly sheathed walls of quasi that enter A add to the ratings of their segments.
  LevelMarks(const Building& building, int level, const QuasiWalls* quasi = nullptr);

  int PointsX() const { return nx_; }
  int PointsY() const { return ny_; }
  int Spans(Dir d) const { return (d == Dir::X ? nx_ : ny_) - 1; }

  bool Column(GridPos p) const { return (bits_[Slot(p)] & kColumn) != 0; }
  // At most one of the four floor (or void) cells that meet at p: an exterior corner.
  bool Corner(GridPos p) const { return (bits_[Slot(p)] & kCorner) != 0; }
  // Some floor (or void) cell among the four that meet at p.
  bool FloorAround(GridPos p) const { return (bits_[Slot(p)] & kFloorAround) != 0; }
  // A beam on the segment along d that starts at p (false past the last line).
  bool Beam(Dir d, GridPos p) const { return (bits_[Slot(p)] & kBeam[d]) != 0; }
  // A brace or sheathing on one of the two segments along d that meet at p.
  bool WallEitherSide(Dir d, GridPos p) const {
    return (bits_[Slot(p)] & kWall[d]) != 0 || (p.Along(d) > 1 && (bits_[Slot(p.Step(d, -1))] & kWall[d]) != 0);
  }
  // The wall on the segment along d that starts at p; empty past the last line.
  const SegmentWall& Wall(Dir d, GridPos p) const { return walls_[Slot(p)][d]; }

 private:
  void AddQuasiWalls(const Building& building, int level, const QuasiWalls& quasi);

  static constexpr uint8_t kColumn = 1;
  static constexpr PerDir<uint8_t> kBeam{{2, 4}};
  static constexpr PerDir<uint8_t> kWall{{8, 16}};
  static constexpr uint8_t kFloor = 32;  // the cell whose lowest corner is the point
  static constexpr uint8_t kCorner = 64;
  static constexpr uint8_t kFloorAround = 128;

  size_t Slot(GridPos p) const {
    return static_cast<size_t>(p.i - 1) + static_cast<size_t>(nx_) * static_cast<size_t>(p.j - 1);
  }

  int nx_;
  int ny_;
  std::vector<uint8_t> bits_;
  std::vector<PerDir<SegmentWall>> walls_;
};

}  // namespace tvk
