#pragma once
// Buildings for the figure tests: a plan from the shared builder, with its line names
// and wall-line marks in place as the report finds them.

#include "engine/n_value.h"
#include "model/line_names.h"
#include "support/plan_builder.h"

namespace tvk::test {

// Names the grid lines and marks the lines that carry walls.
inline Building Figures(PlanBuilder& plan) {
  plan.b.Info.BuildingName = "試験邸";
  GenerateLineNames(plan.b);
  MarkWallLines(plan.b);
  return plan.b;
}

inline Building EmptyFigureBuilding(int spansX, int spansY, int storeys, int divisions = 2) {
  PlanBuilder plan(storeys, spansX, spansY, divisions);
  return Figures(plan);
}

}  // namespace tvk::test
