#pragma once
// What the 2025 checks read from the floor cells of one storey, in one sweep: the floor area
// (voids are not floor area), the plan extent (floor and void cells), and per band of cells
// across each direction the floor cells and those with no 2F above.

#include <array>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;

// Side of one floor cell (m): the sub-grid pitch.
double CellSide(const Building& building);

// Cell indices first..last (1-based); empty when last < first.
struct CellRange {
  int first = 1;
  int last = 0;

  bool Empty() const { return last < first; }
  int Count() const { return Empty() ? 0 : last - first + 1; }
};

struct StoreyPlan {
  int storey = 0;
  double cellSide = 0;  // m
  int floorCells = 0;
  double floorArea = 0;  // m²
  // Extent of the floor and void cells: the cell indices along X (i) and along Y (j).
  PerDir<CellRange> extent;
  // Per direction d [d-1], per band k of cells across d (the cells with j = k for d = 1,
  // i = k for d = 2; element k-1): floor cells, and floor cells with no 2F cell above
  // (1F of a two-storey building only).
  PerDir<std::vector<int>> floorPerBand;
  PerDir<std::vector<int>> openPerBand;
  // Some floor or void cell of 1F has no 2F floor or void cell above (a one-storey part).
  bool hasOpenPart = false;

  // The extent across direction d: along Y for d = 1, along X for d = 2.
  const CellRange& Across(Dir d) const { return extent[Other(d)]; }
};

StoreyPlan ReadStoreyPlan(const Building& building, int storey);

}  // namespace tvk
