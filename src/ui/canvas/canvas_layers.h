#pragma once
// The plan of the storey being edited as the canvas shows it, layer by layer: grid line
// names; floor cells and walls; the other storey's walls when asked for; beams above the
// storey, the other storey's floor outline, columns and grid point dots.

namespace tvk {

class CanvasPainter;
struct CanvasPlan;

// The whole plan in drawing order.
void DrawCanvasPlan(CanvasPainter& canvas, const CanvasPlan& plan);

// Grid line names below, above, left and right of the plan: white, light red in a delete mode.
void DrawCanvasLineNames(CanvasPainter& canvas, const CanvasPlan& plan);

// Every bearing wall of a storey in its own colours (the other-storey reference layer).
void DrawCanvasStoreyWalls(CanvasPainter& canvas, const CanvasPlan& plan, int storey);

}  // namespace tvk
