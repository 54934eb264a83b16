#pragma once
// What the plan's tributary overlay shows of the columns of the storey being edited: whether
// each column carries no more floor than it may, and, in the tooltip over a column, its
// figures (tributary area, allowed area, outer or inner, judgement).

#include <string>
#include <vector>

#include "editor/canvas_geometry.h"
#include "editor/wall_quantity_readout.h"

namespace tvk {

class Building;
struct LiveColumns;

// Per column of live.regions.columns: Met, Short (NG, drawn red) or Unknown (no allowance).
std::vector<ReadoutState> ColumnStates(const LiveColumns& live);

// The figures of the column of live's storey nearest to a canvas position, when the position
// is within reach of it; empty otherwise.
std::string ColumnAreaTooltip(const Building& building, const LiveColumns& live, const CanvasGeometry& geometry,
                              CanvasPos at);

}  // namespace tvk
