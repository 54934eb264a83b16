#pragma once
// Which floor cells of one level exist, read once so that the corner and L rules can count
// the cells around many points cheaply.

#include <cstdint>
#include <vector>

#include "engine/member_codes.h"

namespace tvk {

class Building;

class FloorMap {
 public:
  // An empty map of spansX x spansY cells, to be filled with Read.
  FloorMap(int spansX, int spansY);
  FloorMap(const Building& building, int level);
  // Takes the cell whose lowest corner is the point at (ci, cj), inside the map.
  void Read(const GridPoint& point, int ci, int cj) {
    cells_[static_cast<size_t>(ci - 1 + spansX_ * (cj - 1))] = HasFloorCell(point) ? 1 : 0;
  }
  // Floor or void cells among the four that meet at p = (i, j): lowest corners (i, j),
  // (i-1, j), (i-1, j-1) and (i, j-1).
  int CellsAround(GridPos p) const;

 private:
  bool Cell(int ci, int cj) const;

  int spansX_;
  int spansY_;
  std::vector<uint8_t> cells_;  // [ci-1 + spansX * (cj-1)]
};

}  // namespace tvk
