#include "engine/level_marks.h"

#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "model/building.h"

namespace tvk {

namespace {

// The brace codes and the capped wall multiplier of one segment.
SegmentWall ReadWall(const GridPoint& p, Dir d, float maxMultiplier) {
  SegmentWall wall;
  const WallSeg& brace = p.brace(d);
  if (HasBrace(brace)) {
    wall.size = brace.Kind;
    wall.slope = brace.Slope;
  }
  wall.rating = BraceMultiplier(brace) + SheathingMultiplier(p.sheathing(d));
  if (wall.rating > maxMultiplier) wall.rating = maxMultiplier;
  return wall;
}

}  // namespace

int LevelMarks::CellsAround(GridPos p) const {
  auto floor = [&](int i, int j) { return i >= 1 && j >= 1 && (bits_[Slot(GridPos{i, j})] & kFloor) != 0 ? 1 : 0; };
  return floor(p.i, p.j) + floor(p.i - 1, p.j) + floor(p.i - 1, p.j - 1) + floor(p.i, p.j - 1);
}

LevelMarks::LevelMarks(const Building& building, int level)
    : nx_(building.PointsX()),
      ny_(building.PointsY()),
      bits_(static_cast<size_t>(nx_) * static_cast<size_t>(ny_), 0),
      walls_(bits_.size()) {
  const float maxMultiplier = building.Settings.MaxWallMultiplier;
  const auto points = LevelPoints(building, level);
  for (int j = 1; j <= ny_; ++j) {
    for (int i = 1; i <= nx_; ++i) {
      const GridPos at{i, j};
      const GridPoint& p = points(at);
      const size_t slot = Slot(at);
      uint8_t bits = HasColumnAt(p) ? kColumn : 0;
      for (const Dir d : kDirs) {
        if (at.Along(d) > Spans(d)) continue;  // no segment leaves the last line
        if (HasBeam(p.beam(d))) bits |= kBeam[d];
        if (HasWall(p, d)) bits |= kWall[d];
        walls_[slot][d] = ReadWall(p, d, maxMultiplier);
      }
      if (i < nx_ && j < ny_ && HasFloorCell(p)) bits |= kFloor;
      bits_[slot] = bits;
      const int cells = CellsAround(at);
      if (cells <= 1) bits_[slot] |= kCorner;
      if (cells > 0) bits_[slot] |= kFloorAround;
    }
  }
}

}  // namespace tvk
