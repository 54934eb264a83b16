#pragma once
// What the drawing of the plan canvas works from: the building, the plan scale, and the
// view settings of the main window that change how the plan looks.

#include <QPointF>

#include "editor/canvas_geometry.h"
#include "editor/view_state.h"
#include "model/building.h"

namespace tvk {

// Page position in cm (y upwards) of a plan point in metres at a plan scale.
inline QPointF PlanToPage(double x, double y, double scale) { return {x * scale + kMarginCm, y * scale + kMarginCm}; }

struct CanvasPlanStyle {
  int storey = 1;                       // storey being edited
  Category category = Category::Floor;  // InputCategory
  bool showAll = false;                 // "全部材表示": every category in its own colours
  bool deleteMode = false;              // a delete mode is active: grid line names in light red
  double zoom = 1.0;                    // sizes marked /z are divided by it to keep their screen size
  int otherWallsStorey = 0;             // storey whose walls are shown for reference; 0 for none

  bool operator==(const CanvasPlanStyle&) const = default;
};

struct CanvasPlan {
  const Building& building;
  double scale = 1.0;  // cm of the logical page per metre
  CanvasPlanStyle style;

  // Logical cm of a length that keeps its size on the screen at every zoom.
  double Screen(double cm) const { return cm / style.zoom; }
  // Page position in cm (y upwards) of a grid point.
  QPointF At(int i, int j, int level) const {
    const PointCoord& c = building.Coord(i, j, level);
    return PlanToPage(c.x, c.y, scale);
  }
  // Members of a category other than the current one are grey unless every category is shown.
  bool Greyed(Category category) const { return style.category != category && !style.showAll; }
};

}  // namespace tvk
