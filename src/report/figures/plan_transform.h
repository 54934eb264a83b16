#pragma once
// Plan-to-page transform of the report plans: model metres to page cm, model y upwards.

#include "report/figures/figure_geometry.h"

namespace tvk {

class Building;

struct PlanTransform {
  double s = 1;       // cm per metre
  double x0 = 3.0;    // page x of the origin point
  double y0 = 0;      // page y of the origin point
  double yFirst = 0;  // model y of the origin point

  PagePoint Map(double x, double y) const { return {x0 + s * x, y0 + s * (yFirst - y)}; }
  // Page position of grid point (i, j).
  PagePoint At(const Building& building, int i, int j) const;
};

// The larger scale at which a plan of the given extents fits a square of side `available`.
double PlanScale(double available, double xExtent, double yExtent);

// The transform of one plan page: the plan stands on a fixed origin line below the title
// and fits a square of side (printable width - 4.2 cm).
PlanTransform MakePlanTransform(const Building& building, double chapterY, double printableWidth, double linePitch);

// The transform that fits the whole grid into box at the larger scale: the plan's left
// edge on the box's left edge, its top on the box's top.
PlanTransform FitPlanTransform(const Building& building, const PageBox& box);

}  // namespace tvk
