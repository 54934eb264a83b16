#include "model/grid_resize.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/building.h"

namespace tvk {

GridSizeChoice CurrentGridSize(const Building& building) {
  const int divisions = std::max(1, building.Info.GridDivisions);
  return GridSizeChoice{building.Info.GridSpansX / divisions, building.Info.GridSpansY / divisions,
                        static_cast<int>(std::lround(building.Info.GridPitch * 1000.0))};
}

bool SameGridSize(const Building& building, const GridSizeChoice& choice) {
  const int divisions = building.Info.GridDivisions;
  return choice.gridsX * divisions == building.Info.GridSpansX &&
         choice.gridsY * divisions == building.Info.GridSpansY &&
         choice.pitchMm == std::lround(building.Info.GridPitch * 1000.0);
}

namespace {

// Nothing may leave the grid across its last X line or its last Y line.
void ClearOutwardSlots(Building& b) {
  for (int k = 1; k <= b.Levels(); ++k) {
    for (int j = 1; j <= b.PointsY(); ++j) {
      GridPoint& p = b.Point(b.PointsX(), j, k);
      p.FloorKind = FloorCell::None;
      p.beam(Dir::X) = BeamSeg{};
      p.FloorEdge[Dir::X] = 0;
      p.sheathing(Dir::X) = WallSeg{};
      p.brace(Dir::X) = WallSeg{};
      p.quasi(Dir::X) = QuasiSeg{};
    }
    for (int i = 1; i <= b.PointsX(); ++i) {
      GridPoint& p = b.Point(i, b.PointsY(), k);
      p.FloorKind = FloorCell::None;
      p.beam(Dir::Y) = BeamSeg{};
      p.FloorEdge[Dir::Y] = 0;
      p.sheathing(Dir::Y) = WallSeg{};
      p.brace(Dir::Y) = WallSeg{};
      p.quasi(Dir::Y) = QuasiSeg{};
    }
  }
}

// A wall that ran on past the last unit segment now ends there: that segment becomes
// its last (or only) one, and every remaining segment gets the member's new extent.
void TrimWallAt(Building& b, MemberLayer layer, int level, Dir d, GridPos at) {
  WallSeg& seg = WallSlot(b.Point(at, level), layer, d);
  if (seg.Kind == 0 || (seg.RunPos != 1 && seg.RunPos != 2)) return;
  seg.RunPos = seg.RunPos == 1 ? 0 : 3;
  b.RefreshRunExtent(layer, level, d, at);
}

void TrimCutWalls(Building& b) {
  for (int k = 1; k <= b.Levels(); ++k) {
    for (const MemberLayer layer : {MemberLayer::Brace, MemberLayer::Sheathing, MemberLayer::Quasi}) {
      for (int j = 1; j <= b.PointsY(); ++j) TrimWallAt(b, layer, k, Dir::X, GridPos{b.SpansX(), j});
      for (int i = 1; i <= b.PointsX(); ++i) TrimWallAt(b, layer, k, Dir::Y, GridPos{i, b.SpansY()});
    }
  }
}

}  // namespace

void ResizeGrid(Building& building, const GridSizeChoice& choice) {
  const auto inRange = [](int grids) { return grids >= 1 && grids <= kMaxGrids; };
  const int divisions = building.Info.GridDivisions;
  if (!inRange(choice.gridsX) || !inRange(choice.gridsY) || choice.pitchMm <= 0 || divisions < 1 ||
      divisions > kMaxDivisions) {
    throw std::invalid_argument("grid size outside 1 .. 30 grids, without a length or without divisions");
  }
  const int oldPointsX = building.PointsX();
  const int oldPointsY = building.PointsY();
  const std::vector<GridPoint> oldPoints(building.Points().begin(), building.Points().end());

  building.Info.GridSpansX = choice.gridsX * divisions;
  building.Info.GridSpansY = choice.gridsY * divisions;
  building.Info.GridPitch = static_cast<float>(choice.pitchMm) / 1000.0f;
  building.AllocateModel();

  const int keepX = std::min(oldPointsX, building.PointsX());
  const int keepY = std::min(oldPointsY, building.PointsY());
  for (int k = 1; k <= building.Levels(); ++k) {
    for (int j = 1; j <= keepY; ++j) {
      for (int i = 1; i <= keepX; ++i) {
        const auto old = static_cast<size_t>((i - 1) + oldPointsX * ((j - 1) + oldPointsY * (k - 1)));
        building.Point(i, j, k) = oldPoints[old];
      }
    }
  }
  ClearOutwardSlots(building);
  TrimCutWalls(building);
}

void AfterGridResize(Building& building) {
  building.FillCoordinates();
  for (int level = 1; level <= building.Storeys(); ++level) building.UpdateFloorEdges(level);
}

}  // namespace tvk
