#pragma once
// Existing wall length (存在壁量) of the bearing walls placed on the plan: every unit segment
// counts with its length times its multiplier, a brace and a sheathed wall on one segment
// added and capped at 7.0.

#include <array>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;
struct GridPoint;

constexpr double kMaxSegmentMultiplier = 7.0;

// Multiplier of the unit segment along d that starts at p.
double SegmentMultiplier(const GridPoint& p, Dir d);

// Walls along d of one storey, per grid line across d (cm): element line-1, the line index
// being j for d = 1 and i for d = 2.
struct WallLines {
  std::vector<double> cm;
  double totalCm = 0;
};

// The walls of one storey along X [0] and along Y [1], read in one sweep.
PerDir<WallLines> ExistingWallLines(const Building& building, int storey);

}  // namespace tvk
