#pragma once
// Buildings for the figure tests: a plan from the shared builder with its line names, and
// results holding the wall-line marks as the report finds them (column results empty for
// the tests to set).

#include "engine/calc_results.h"
#include "engine/n_value.h"
#include "model/line_names.h"
#include "support/plan_builder.h"

namespace tvk::test {

struct FigureBuilding {
  Building b;
  CalcResults calc;
};

// Results of a building's size with its wall lines marked.
inline CalcResults MarkedLines(const Building& b) {
  CalcResults calc;
  MarkWallLines(b, calc);
  return calc;
}

// Names the grid lines and marks the lines that carry walls.
inline FigureBuilding Figures(PlanBuilder& plan) {
  plan.b.Info.BuildingName = "試験邸";
  GenerateLineNames(plan.b);
  return {plan.b, MarkedLines(plan.b)};
}

inline FigureBuilding EmptyFigureBuilding(int spansX, int spansY, int storeys, int divisions = 2) {
  PlanBuilder plan(storeys, spansX, spansY, divisions);
  return Figures(plan);
}

}  // namespace tvk::test
