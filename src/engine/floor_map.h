#pragma once
// Which floor cells of one level exist, read once so that the corner and L rules can count
// the cells around many points cheaply.

#include <cstdint>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;

class FloorMap {
 public:
  FloorMap(const Building& building, int level);
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
