#pragma once
// The plans of the wall-quantity chapter, one per storey: the bearing walls counted with
// each grid line's existing length, and the side strips of the quarter check hatched with
// their dimensions. Both draw the storey as the bearing-wall plan does (floors, grid and
// names, walls with their multipliers, columns) in a frame that leaves room beside and
// above the plan for what they add.

#include <QString>
#include <array>

#include "engine/quarter_check.h"
#include "engine/storey_plan.h"
#include "engine/wall_length.h"
#include "report/figures/figure_fonts.h"

namespace tvk {

class Building;
class PageSurface;

// Height a check plan takes from the y it starts at to the end of its legend (cm).
double CheckPlanHeight(PageSurface& surface, const Building& building);

// Title "(n) n 階壁量算定図 (数値は壁倍率)", the plan with the existing length (cm) of every
// line that carries walls at its right end (walls along X) or its top end (walls along Y),
// and the legend; starts at y and returns the y below the legend.
double DrawWallCountPlan(PageSurface& surface, const Building& building, int storey, const PerDir<WallLines>& walls,
                         double y, const FigureFonts& fonts);

// Title "(n) n 階 側端部の範囲 (四分割法)", the plan with the four side strips hatched (those
// of force along X "／", along Y "＼"), their names, the quarter lines and the strip widths
// in metres right of and above the plan, and the legend; returns the y below the legend.
double DrawQuarterPlan(PageSurface& surface, const Building& building, const StoreyPlan& plan,
                       const QuarterStorey& quarters, double y, const FigureFonts& fonts);

QString WallCountPlanTitle(int storey);
QString QuarterPlanTitle(int storey);

}  // namespace tvk
