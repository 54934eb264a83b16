#pragma once
// Which frames the report draws, and how they fall on pages.

#include <vector>

#include "report/figures/elevation_transform.h"

namespace tvk {

class Building;
class CalcResults;

// True when some storey has a bearing wall on the frame's line (the engine's wall-line marks).
bool FrameHasWalls(const Building& building, const CalcResults& results, const FrameRef& frame);

// The frames of the report: marked X lines in index order, then marked Y lines.
std::vector<FrameRef> ReportFrames(const Building& building, const CalcResults& results);

// Frames on one report page: 6 for a one-storey building, 4 for a two-storey one.
int FramesPerPage(int storeys);

}  // namespace tvk
