#pragma once
// Side walls of a column, the brace correction table and A.

#include "model/grid_types.h"

namespace tvk {

class LevelMarks;
struct ColumnResult;

// Fills the side-1/side-2 brace codes and capped ratings of the result record of the column
// at p from the marks of its level.
void SetSideWalls(const LevelMarks& marks, ColumnResult& result, GridPos p);

// Brace correction of one column in one direction from the side-1 and side-2 brace codes.
// Size codes outside 0..5 and slopes outside 0..3 count as no brace.
float SujikaiHosei(int size1, int slope1, int size2, int slope2);

// A of a column in direction d from its side fields: |rating1 - rating2| + brace correction.
// Stores the correction in the record and returns A.
float WallRatingA(ColumnResult& result, Dir d);

}  // namespace tvk
