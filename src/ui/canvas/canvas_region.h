#pragma once
// The part of the canvas that redrawing a grid rectangle must cover, and the grid points
// whose drawing can reach into a part of the canvas.

#include <QRectF>

#include "editor/canvas_geometry.h"

namespace tvk {

struct CanvasPlan;

// Canvas units that hold everything an edit of the grid rectangle can change on the
// current storey: the rectangle one grid point wider on each side (beams and floor cells
// reaching in), the whole wall members of every segment that touches it, and room for
// the wall symbols and column squares beside them, and for the sheathing labels when one
// of those members has one.
QRectF CanvasRedrawArea(const CanvasPlan& plan, const GridRect& rect);

// The rectangle of grid point indices whose drawing can reach into an area of the canvas
// (canvas units): the points within the area widened by the same room for symbols (and
// labels, when a labelled sheathed wall stands on a grid line they could come from), and
// by the longest wall member on the grid lines through it, since a member is drawn whole
// from one of its segments. Every point when the coordinates are not the
// outline's regular grid (a damaged file), as then an index does not tell the position.
GridRect PointsReaching(const CanvasPlan& plan, const QRectF& units);

}  // namespace tvk
