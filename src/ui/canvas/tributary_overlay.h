#pragma once
// The area each column of the storey being edited carries, on the plan canvas: every
// column's area translucent in a light tint of its own (neighbours differ, as on the
// report's plan), the lines between the areas, and a column that carries more than it may
// (NG) on a red area with a red ring. Like the centre marks it is painted over the plan
// image, never into it.

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <vector>

#include "editor/wall_quantity_readout.h"

class QPainter;

namespace tvk {

class Building;
struct LiveColumns;

class TributaryOverlay {
 public:
  // The areas of a storey's columns at a plan scale (cm per metre).
  void Show(const Building& building, const LiveColumns& live, double scale);
  void Hide();
  // The painter maps canvas units onto its device.
  void Paint(QPainter& painter) const;

  // The fill of a column's area, by its colour class and judgement.
  static QColor AreaFill(int colourClass, ReadoutState state);
  static QColor LineColour();
  static QColor NgColour();

  // The NG columns shown, in canvas units.
  const std::vector<QPointF>& NgColumns() const { return ng_; }

 private:
  // The pieces of the areas in one fill, their corners in canvas units one after another:
  // the painter changes its brush once per fill, and a large plan's tens of thousands of
  // pieces need no allocation each.
  struct FillPieces {
    QColor fill;
    std::vector<QPointF> corners;
    std::vector<int> starts;  // of each piece in corners, and the end
  };
  std::vector<FillPieces> fills_;
  std::vector<QLineF> lines_;
  std::vector<QPointF> ng_;
};

}  // namespace tvk
