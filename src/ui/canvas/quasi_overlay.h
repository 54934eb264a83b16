#pragma once
// Partly sheathed walls (準耐力壁等) on the plan canvas: a thin hatched band beside the grid
// line, on the side away from the brace symbols, with its multiplier m beyond it; orange
// where the wall counts, grey (dashed) where the placement rules leave it out. Painted over
// the plan image like the centre marks, so a change anywhere on the plan or in the
// building profile that decides whether a wall counts shows at once.

#include <QColor>
#include <QPointF>
#include <QString>
#include <vector>

#include "engine/quasi_walls.h"

namespace tvk {

class CanvasPainter;
struct CanvasPlan;

// Colours of a counted and of a not counted wall.
QColor QuasiCountedColour();
QColor QuasiLeftOutColour();

class QuasiOverlay {
 public:
  // The walls of the storey being edited, at the plan's scale and zoom; all grey A while
  // another category is edited and not every member is shown.
  void Show(const CanvasPlan& plan, const QuasiWalls& quasi);
  void Hide() { shown_.clear(); }
  void Paint(CanvasPainter& canvas) const;

  // A wall as shown: the band's corners and the label's top-left corner in cm of the
  // logical page (y upwards).
  struct Shown {
    QuasiWall wall;
    QPointF low;
    QPointF high;
    QPointF labelAt;
    QString label;
    QColor colour;
  };
  const std::vector<Shown>& Walls() const { return shown_; }

 private:
  std::vector<Shown> shown_;
};

}  // namespace tvk
