#pragma once
// The layer routines of the report plans and the transmission check page. They share one
// plan transform; the mode says which figure they serve.

#include "report/figures/figure_fonts.h"
#include "report/figures/label_placer.h"
#include "report/figures/plan_transform.h"

namespace tvk {

class Building;
class CalcResults;
class PageSurface;

enum class PlanKind { BearingWall, Hardware };
enum class PlanMode { BearingWall, Hardware, CheckView, ColumnAreas };

struct PlanContext {
  const Building& building;
  PlanTransform t;
  int storey = 1;
  PlanMode mode = PlanMode::BearingWall;
  FigureFonts fonts;
  // The calculation the column marks of the hardware plan and the check page show.
  const CalcResults* results = nullptr;
};

// Column square side and through-column circle radius (cm).
inline constexpr double kPlanColumnSide = 0.12;
inline constexpr double kPlanThroughRadius = 1.1 * kPlanColumnSide;

// Grid lines of both directions, names below (X lines) and to the left (Y lines).
void DrawPlanGrid(PageSurface& surface, const PlanContext& plan, LabelPlacer& labels);
// Floor and void cells of the storey (bearing-wall plan); only the voids in the column-area plan.
void DrawPlanFloors(PageSurface& surface, const PlanContext& plan);
// Beam segments of a level, one line per grid segment.
void DrawPlanBeams(PageSurface& surface, const PlanContext& plan, int level);
// Bearing walls of the storey with their symbols and multipliers; plain lines in the
// hardware plan; braces only on the check page.
void DrawPlanWalls(PageSurface& surface, const PlanContext& plan, LabelPlacer& labels);
// Columns of the storey with their fill, through-column circles and, in the hardware plan,
// the required grade and the placed hardware.
void DrawPlanColumns(PageSurface& surface, const PlanContext& plan);
// Storey-1 columns under the storey-2 plan of the check page.
void DrawPlanLowerColumns(PageSurface& surface, const PlanContext& plan);

}  // namespace tvk
