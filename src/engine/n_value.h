#pragma once
// Column-end N values: exterior-corner flags, B, L, N, and the whole calculation.

namespace tvk {

class Building;

void SetDesumiFlags(Building& building);
// A, B, L and N of the column at (i, j) on storey s in direction d.
void CalcColumnN(Building& building, int d, int i, int j, int s);
// The full calculation; noAutoPlacement = true computes grades without filling hardware.
void CalcAllN(Building& building, bool noAutoPlacement);
// Marks, per storey and direction, the grid lines that carry a brace or sheathing.
void MarkWallLines(Building& building);

}  // namespace tvk
