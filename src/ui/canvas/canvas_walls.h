#pragma once
// Bearing walls on the plan canvas: braces as symbols beside their grid line, sheathed
// walls as bars on it, and the label of a sheathing adjustment.

#include <QString>
#include <optional>

#include "model/grid_types.h"

namespace tvk {

class Building;
class CanvasPainter;
struct CanvasPlan;
struct WallSeg;

// Unit segments first .. last of the member a wall slot belongs to, as drawn: the slot's
// run, or the slot's own segment `index` when the run does not hold it (damaged data).
struct SegmentRun {
  int first = 0;
  int last = 0;
};
SegmentRun DrawnRun(const Building& building, const WallSeg& seg, Dir d, int index);

// Palette colour of a brace by size (Kind 1..4) and of a sheathed wall by list entry
// (Kind 1..10); nullopt for a code outside the tables, which is then not drawn.
std::optional<int> BraceColourIndex(int kind);
std::optional<int> SheathingColourIndex(int kind);

// "＋" and the excess of a sheathed wall's multiplier over its entry's base multiplier
// (Kind x 0.5), "#0.0"; empty unless the excess is more than 0.01.
QString SheathingAdjustLabel(const WallSeg& seg);

// The sheathing and then the brace of the unit segment leaving (i, j) along d on a level.
// A member of several unit segments is drawn whole from each of them. Greyed members are
// drawn grey A.
void DrawCanvasWallSlots(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j, int level, Dir d, bool greyed);

}  // namespace tvk
