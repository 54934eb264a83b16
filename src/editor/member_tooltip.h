#pragma once
// What the plan holds under the pointer, for the canvas's tooltip.

#include <string>

#include "editor/canvas_geometry.h"

namespace tvk {

class Building;
struct EditorState;
struct QuasiWalls;

// The members at a canvas position, one a line: kind, multiplier and extent by grid line
// names ("筋かい(けさ掛け) 45×90 倍率 2.0  Y3通り X1 - X3"); a partly sheathed wall with its
// multiplier worked out from `quasi` and, where it does not count, why. Members of the
// current category of the storey being edited; of every category while show-all is on.
// Empty when there is none.
std::string MemberTooltip(const Building& building, const EditorState& state, const CanvasGeometry& geometry,
                          CanvasPos at, const QuasiWalls& quasi);

}  // namespace tvk
