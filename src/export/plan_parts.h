#pragma once
// The parts of one storey's exported plan, each on its own layers. They draw what the
// report's plans draw, where the report draws it, at the sizes of plan_frame.h.

#include "model/grid_types.h"

namespace tvk {

class LabelSpace;
class PlanDrawing;
struct PlanFrame;
struct QuarterDirection;
struct StoreyBalance;
struct StoreyPlan;

// Grid lines of both directions, the line names below (X lines) and left of the plan (Y
// lines), a sub-grid line's name only where it leaves the names beside it clear, and the
// plan's title under the names.
void AddGrid(PlanDrawing& drawing, const PlanFrame& frame);
// The outline of the storey's floor and void cells; each void cell crossed, and the outline
// of the voids.
void AddFloors(PlanDrawing& drawing, const PlanFrame& frame);
// Beams on top of the storey (the floor beams of the storey above, or the roof beams), one
// line per run of consecutive beam segments.
void AddBeamsAbove(PlanDrawing& drawing, const PlanFrame& frame);
// Columns as filled squares, a through-column with its circle, red where the N value is
// beyond the table; the required grade and the placed hardware beside each (their places are
// taken in labels).
void AddColumns(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels);
// Braces and sheathed walls with their symbols, and every member's multiplier ("#0.0") where
// labels has room for it: below an X wall or right of a Y wall, else on the symbol's side.
void AddWalls(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels);
// The two side strips of one force direction (d) of the quarter check, each with its
// 充足率 (in its middle, or further along where that is taken), red where the strip falls short.
void AddQuarterStrips(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels, const StoreyPlan& plan, Dir d,
                      const QuarterDirection& quarters);
// Centres of gravity and rigidity with the frames of ratio 0.2 and 0.3, and their names.
void AddCentreMarks(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels, const StoreyBalance& balance);

}  // namespace tvk
