#include "engine/calc_results.h"

namespace tvk {

void CalcResults::Reset(const Building& building) {
  shape_ = building.Shape();
  columns_.assign(shape_.Count(), ColumnResult{});
  for (StoreyResult& storey : storeys_) {
    storey.balance = StoreyBalance{};
    storey.columns = 0;
    storey.overLimit = false;
    storey.wallLines[Dir::X].assign(static_cast<size_t>(shape_.pointsY), 0);
    storey.wallLines[Dir::Y].assign(static_cast<size_t>(shape_.pointsX), 0);
  }
  notTransmitted = false;
  quasi = QuasiWalls{};
}

bool CalcResults::WallLine(int s, Dir d, int line) const {
  return Storey(s).wallLines[d].at(static_cast<size_t>(line - 1)) != 0;
}

void CalcResults::SetWallLine(int s, Dir d, int line, bool marked) {
  Storey(s).wallLines[d].at(static_cast<size_t>(line - 1)) = marked ? 1 : 0;
}

}  // namespace tvk
