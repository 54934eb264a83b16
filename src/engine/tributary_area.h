#pragma once
// The floor area each column of a storey carries: every floor cell of the storey (voids
// carry nothing) is shared among the storey's columns nearest to the cell's centre, in equal
// shares on ties.

#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;

struct ColumnTributary {
  int storey = 1;
  GridPos at;
  bool outer = false;  // fewer than four floor or void cells of its storey around it
  double areaM2 = 0;
};

// The storey's columns, ordered by the second grid index, then the first.
std::vector<ColumnTributary> TributaryAreas(const Building& building, int storey);

// One floor cell and one of the columns it is shared among: cell (ci, cj) lies between grid
// points ci..ci+1 and cj..cj+1; the column stands at (i, j); `count` columns share the cell.
struct CellShare {
  int ci = 0;
  int cj = 0;
  int i = 0;
  int j = 0;
  int count = 1;
};

// Every share of the storey's floor cells, cells by row (cj), then ci.
std::vector<CellShare> TributaryShares(const Building& building, int storey);

}  // namespace tvk
