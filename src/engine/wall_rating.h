#pragma once
// Side walls of every column and the brace correction table.

namespace tvk {

class Building;

// Fills the side-1/side-2 brace codes and capped ratings of every column's result record.
void CollectSideWalls(Building& building);

// Brace correction of one column in one direction from the side-1 and side-2 brace codes.
float SujikaiHosei(int size1, int slope1, int size2, int slope2);

}  // namespace tvk
