#pragma once
// The 2025 checks of one building and its profile in one pass: wall quantity, wall balance by
// quarters and column size, with every intermediate value they were formed from.

#include <array>
#include <vector>

#include "engine/column_size.h"
#include "engine/profile_loads.h"
#include "engine/quarter_check.h"
#include "engine/quasi_walls.h"
#include "engine/required_lw.h"
#include "engine/storey_plan.h"
#include "engine/wall_length.h"
#include "engine/wall_quantity.h"
#include "model/building_profile.h"

namespace tvk {

class Building;
class CalcResults;

struct ProfileChecks {
  ProfileLoads loads;
  std::vector<StoreyPlan> plans;         // [storey-1]
  std::vector<PerDir<WallLines>> walls;  // [storey-1]
  LwDerivation lw;
  QuasiWalls quasi;  // with the N-value rule decided
  WallQuantity wallQuantity;
  std::vector<QuarterStorey> quarters;
  ColumnSize columnSize;
};

// The quarter exemption takes the storey eccentricity from results (UpdateEccentricity).
ProfileChecks RunProfileChecks(const Building& building, const BuildingProfile& profile, const CalcResults& results);
// The same without the column size (left empty): the checks of the walls alone, a fraction
// of the cost, as the plan shows them while walls are placed.
ProfileChecks RunWallChecks(const Building& building, const BuildingProfile& profile, const CalcResults& results);
// The wall quantity alone (quarters and column size left empty), with the partly sheathed
// walls and the rule by which they enter the N values.
ProfileChecks RunWallQuantity(const Building& building, const BuildingProfile& profile);

}  // namespace tvk
