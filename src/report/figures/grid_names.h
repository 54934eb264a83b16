#pragma once
// Grid line names of the plan and elevation figures, kept clear of each other.

#include <QString>
#include <string>
#include <vector>

#include "model/line_names.h"
#include "report/figures/figure_draw.h"
#include "report/figures/label_placer.h"

namespace tvk {

class Building;
class PageSurface;

// Name style of a plan grid line: main lines 8 pt bold, other lines 6 pt ("ＭＳ Ｐ明朝").
FigText PlanGridNameStyle(bool mainLine);

struct GridNameSpot {
  QString text;
  FigText style;
  PageBox box;        // where the name goes
  PageBox alternate;  // a second row for a main name that finds its place taken
  bool mainLine = true;
};

// Where a name stands against its anchor point: centred below it (a second row further
// down as its alternate), or ending left of it, vertically centred.
enum class NameAnchor { TopCentre, RightMiddle };

GridNameSpot MakeGridNameSpot(PageSurface& surface, const std::string& name, const FigText& style, bool mainLine,
                              PagePoint anchor, NameAnchor placing);

// Draws main names first (falling back to their alternate row), then the other names
// where they collide with nothing already placed; a crowded sub-line name is left out.
void DrawGridNames(PageSurface& surface, const std::vector<GridNameSpot>& spots, LabelPlacer& labels);

}  // namespace tvk
