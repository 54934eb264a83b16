#include "engine/level_marks.h"

#include <algorithm>

#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "engine/quasi_walls.h"
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

LevelMarks::LevelMarks(const Building& building, int level, const QuasiWalls* quasi)
    : nx_(building.PointsX()), ny_(building.PointsY()) {
  // Filled in memory order, without clearing the tables first.
  const size_t points = static_cast<size_t>(nx_) * static_cast<size_t>(ny_);
  bits_.reserve(points);
  walls_.reserve(points);
  const float maxMultiplier = building.Settings.MaxWallMultiplier;
  const auto view = LevelPoints(building, level);
  for (int j = 1; j <= ny_; ++j) {
    // Floor cells (i-1, j) and (i-1, j-1), left of the point; cells (i, j-1) were marked
    // with the row before.
    int cellsLeft = 0;
    for (int i = 1; i <= nx_; ++i) {
      const GridPos at{i, j};
      const GridPoint& p = view(at);
      uint8_t bits = HasColumnAt(p) ? kColumn : 0;
      PerDir<SegmentWall>& walls = walls_.emplace_back();
      for (const Dir d : kDirs) {
        if (at.Along(d) > Spans(d)) continue;  // no segment leaves the last line
        if (HasBeam(p.beam(d))) bits |= kBeam[d];
        if (HasWall(p, d)) bits |= kWall[d];
        walls[d] = ReadWall(p, d, maxMultiplier);
      }
      const bool floor = i < nx_ && j < ny_ && HasFloorCell(p);
      if (floor) bits |= kFloor;
      const int cellsRight = (floor ? 1 : 0) + (j > 1 && (bits_[Slot(GridPos{i, j - 1})] & kFloor) != 0 ? 1 : 0);
      const int cells = cellsLeft + cellsRight;
      if (cells <= 1) bits |= kCorner;
      if (cells > 0) bits |= kFloorAround;
      bits_.push_back(bits);
      cellsLeft = cellsRight;
    }
  }
  if (quasi != nullptr) AddQuasiWalls(building, level, *quasi);
}

void LevelMarks::AddQuasiWalls(const Building& building, int level, const QuasiWalls& quasi) {
  const float maxMultiplier = building.Settings.MaxWallMultiplier;
  for (const QuasiWall& w : quasi.walls) {
    if (w.storey != level || !w.inN) continue;
    for (int k = w.first; k <= w.last; ++k) {
      const GridPos at = GridPos::OnLine(w.d, w.line, k);
      const GridPoint& p = building.Point(at, level);
      const float bearing = BraceMultiplier(p.brace(w.d)) + SheathingMultiplier(p.sheathing(w.d));
      walls_[Slot(at)][w.d].rating = std::min(bearing + static_cast<float>(*w.m), maxMultiplier);
    }
  }
}

}  // namespace tvk
