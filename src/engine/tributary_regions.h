#pragma once
// Where each column's tributary area lies on the plan, for drawing it: the floor cells a
// column carries alone (joined into runs along each row of cells), the parts of the cells it
// shares on a tie (a shared cell is cut along the lines of equal distance to its columns),
// and the lines between the areas of different columns and along the edge of the floor.
// Coordinates count sub-grid pitches from grid point (1, 1): grid point (i, j) lies at
// (i - 1, j - 1), y growing with j.

#include <vector>

#include "engine/tributary_area.h"

namespace tvk {

class Building;

struct GridXY {
  double x = 0;
  double y = 0;
};

struct TributaryPiece {
  int column = 0;               // index into TributaryRegions::columns
  std::vector<GridXY> outline;  // convex, counter-clockwise
};

struct TributaryEdge {
  GridXY a;
  GridXY b;
  int column = 0;  // the area on one side
  int other = -1;  // the area on the other side, -1 where the floor ends
};

struct TributaryRegions {
  std::vector<ColumnTributary> columns;  // as TributaryAreas lists them
  std::vector<TributaryPiece> pieces;
  std::vector<TributaryEdge> edges;
};

TributaryRegions TributaryRegionsOf(const Building& building, int storey);

// A class 0 .. classes-1 per column (a tint to draw its area in): columns whose areas touch
// get different classes where `classes` allows it.
std::vector<int> ColourClasses(const TributaryRegions& regions, int classes);

}  // namespace tvk
