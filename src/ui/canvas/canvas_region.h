#pragma once
// The part of the canvas that redrawing a grid rectangle must cover.

#include <QRectF>

#include "editor/canvas_geometry.h"

namespace tvk {

struct CanvasPlan;

// Canvas units that hold everything an edit of the grid rectangle can change on the
// current storey: the rectangle one grid point wider on each side (beams and floor cells
// reaching in), the whole wall members of every segment that touches it, and room for
// the wall symbols, column squares and sheathing labels beside them.
QRectF CanvasRedrawArea(const CanvasPlan& plan, const GridRect& rect);

}  // namespace tvk
