#include "report/figures/frame_selection.h"

#include "engine/calc_results.h"
#include "model/building.h"

namespace tvk {

bool FrameHasWalls(const Building& building, const CalcResults& results, const FrameRef& frame) {
  for (int s = 1; s <= building.Storeys(); ++s) {
    if (results.WallLine(s, FrameAlong(frame), frame.line)) return true;
  }
  return false;
}

std::vector<FrameRef> ReportFrames(const Building& building, const CalcResults& results) {
  std::vector<FrameRef> frames;
  for (const Dir dir : kDirs) {
    const int lines = building.LinesAcross(Other(dir));
    for (int line = 1; line <= lines; ++line) {
      const FrameRef frame{dir, line};
      if (FrameHasWalls(building, results, frame)) frames.push_back(frame);
    }
  }
  return frames;
}

int FramesPerPage(int storeys) { return storeys <= 1 ? 6 : 4; }

}  // namespace tvk
