#pragma once
// Column-end N values: exterior-corner flags, B, L, N, and the whole calculation.

#include "model/grid_types.h"

namespace tvk {

class Building;
class CalcResults;

// A, B, L and N of the column at p on storey s in direction d, with its side walls and its
// exterior-corner flag in place.
void CalcColumnN(const Building& building, CalcResults& results, Dir d, GridPos p, int s);
// The full calculation into results (sized for the building first when they do not fit).
// It writes what the building keeps of it: exterior-corner flags, required grades and,
// unless noAutoPlacement, hardware in the empty placed-hardware fields.
void CalcAllN(Building& building, CalcResults& results, bool noAutoPlacement);
// Marks, per storey and direction, the grid lines that carry a brace or sheathing.
void MarkWallLines(const Building& building, CalcResults& results);

}  // namespace tvk
