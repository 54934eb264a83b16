#include "engine/floor_map.h"

#include "engine/level_view.h"
#include "engine/member_codes.h"

namespace tvk {

FloorMap::FloorMap(const Building& building, int level)
    : spansX_(building.SpansX()),
      spansY_(building.SpansY()),
      cells_(static_cast<size_t>(spansX_) * static_cast<size_t>(spansY_), 0) {
  const auto view = LevelPoints(building, level);
  for (int cj = 1; cj <= spansY_; ++cj) {
    for (int ci = 1; ci <= spansX_; ++ci) {
      cells_[static_cast<size_t>(ci - 1 + spansX_ * (cj - 1))] = HasFloorCell(view(ci, cj)) ? 1 : 0;
    }
  }
}

bool FloorMap::Cell(int ci, int cj) const {
  return ci >= 1 && cj >= 1 && ci <= spansX_ && cj <= spansY_ &&
         cells_[static_cast<size_t>(ci - 1 + spansX_ * (cj - 1))] != 0;
}

int FloorMap::CellsAround(GridPos p) const {
  return static_cast<int>(Cell(p.i, p.j)) + Cell(p.i - 1, p.j) + Cell(p.i - 1, p.j - 1) + Cell(p.i, p.j - 1);
}

}  // namespace tvk
