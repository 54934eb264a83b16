#pragma once
// The plan of the storey being edited as the canvas shows it, layer by layer, each layer
// over all the grid points before the next: grid line names; floor cells; sheathed walls,
// braces and their labels; the other storey's walls when asked for; beams above the
// storey with the other storey's floor outline; columns; grid point dots.

#include "editor/canvas_geometry.h"

namespace tvk {

class Building;
class CanvasPainter;
struct CanvasPlan;

// Every grid point of the building, as the rectangle of their indices.
GridRect AllPoints(const Building& building);

// The plan in drawing order, from the grid points of a rectangle of indices only. A point's
// drawing may reach beyond it (a wall member is drawn whole from one of its segments); the
// painter's clip keeps the drawing inside the part being redrawn.
void DrawCanvasPlan(CanvasPainter& canvas, const CanvasPlan& plan, const GridRect& points);

// Grid line names below, above, left and right of the plan: white, light red in a delete mode.
void DrawCanvasLineNames(CanvasPainter& canvas, const CanvasPlan& plan);

}  // namespace tvk
