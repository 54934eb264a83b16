#pragma once
// What the calculation derives from a building and never saves, held beside the building
// and sized with it: every point's column result, and per storey the eccentricity record,
// the columns counted, whether some N is beyond (る)* and the grid lines that carry a
// bearing wall; whether some storey-2 column's pull-out found no storey-1 column; and the
// partly sheathed walls the N values took.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/column_result.h"
#include "engine/quasi_walls.h"
#include "engine/storey_balance.h"
#include "model/building.h"

namespace tvk {

struct StoreyResult {
  StoreyBalance balance;   // eccentricity
  int columns = 0;         // columns counted by the N-value calculation
  bool overLimit = false;  // some column's governing N beyond (る)*
  // Grid lines along d that carry a brace or sheathing: element line-1.
  PerDir<std::vector<uint8_t>> wallLines;
};

class CalcResults {
 public:
  // Sizes every table for the building with every value cleared; the storage is kept.
  void Reset(const Building& building);
  // Whether the tables have the building's size.
  bool Fits(const Building& building) const { return shape_ == building.Shape(); }
  const GridShape& Shape() const { return shape_; }

  // The result of the point (i, j) on a level, 1-based; throws outside the grid.
  ColumnResult& Column(GridPos p, int level) { return columns_[shape_.Slot(p.i, p.j, level)]; }
  const ColumnResult& Column(GridPos p, int level) const { return columns_[shape_.Slot(p.i, p.j, level)]; }
  ColumnResult& Column(int i, int j, int level) { return Column(GridPos{i, j}, level); }
  const ColumnResult& Column(int i, int j, int level) const { return Column(GridPos{i, j}, level); }
  // Every point's result in file order.
  std::span<ColumnResult> Columns() { return columns_; }
  std::span<const ColumnResult> Columns() const { return columns_; }

  // Storey s (1 .. kMaxStoreys).
  StoreyResult& Storey(int s) { return storeys_[s]; }
  const StoreyResult& Storey(int s) const { return storeys_[s]; }

  // Whether grid line `line` along d carries a bearing wall on storey s.
  bool WallLine(int s, Dir d, int line) const;
  void SetWallLine(int s, Dir d, int line, bool marked);

  bool notTransmitted = false;
  // The partly sheathed walls, with which of them entered A and why.
  QuasiWalls quasi;

 private:
  GridShape shape_;
  std::vector<ColumnResult> columns_;
  PerStorey<StoreyResult> storeys_;
};

}  // namespace tvk
