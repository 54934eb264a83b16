#include <functional>

#include "engine/member_codes.h"
#include "engine/wall_members.h"
#include "export/plan_frame.h"
#include "export/plan_parts.h"
#include "model/building.h"

namespace tvk {

namespace {

// A cell test: true for cells (i, j) of the kind wanted; false outside the grid.
using CellTest = std::function<bool(int i, int j)>;

// One line per run of grid segments that separate a cell passing the test from one that
// does not (or from the edge of the grid): along X on every Y line, then along Y.
void AddBoundaries(PlanDrawing& drawing, const PlanFrame& frame, PlanLayer layer, const CellTest& inside) {
  const Building& b = frame.building;
  for (int j = 1; j <= b.PointsY(); ++j) {
    const auto edge = [&](int i) { return inside(i, j - 1) != inside(i, j); };
    for (const SegmentRun& run : SegmentRuns(b.SpansX(), edge)) {
      drawing.Line(layer, frame.At(run.first, j), frame.At(run.last + 1, j));
    }
  }
  for (int i = 1; i <= b.PointsX(); ++i) {
    const auto edge = [&](int j) { return inside(i - 1, j) != inside(i, j); };
    for (const SegmentRun& run : SegmentRuns(b.SpansY(), edge)) {
      drawing.Line(layer, frame.At(i, run.first), frame.At(i, run.last + 1));
    }
  }
}

CellTest CellsOf(const Building& b, int level, const std::function<bool(const GridPoint&)>& kind) {
  return [&b, level, kind](int i, int j) {
    return i >= 1 && j >= 1 && i <= b.SpansX() && j <= b.SpansY() && kind(b.Point(i, j, level));
  };
}

// Beam runs of a level along d on the line through (i, j) (j for X beams, i for Y beams).
void AddBeamLine(PlanDrawing& drawing, const PlanFrame& frame, int level, Dir d, int line) {
  const Building& b = frame.building;
  const auto beam = [&](int k) { return HasBeam(b.Point(GridPos::OnLine(d, line, k), level).beam(d)); };
  for (const SegmentRun& run : SegmentRuns(b.Spans(d), beam)) {
    if (d == Dir::X) {
      drawing.Line(PlanLayer::Beam, frame.At(run.first, line), frame.At(run.last + 1, line));
    } else {
      drawing.Line(PlanLayer::Beam, frame.At(line, run.first), frame.At(line, run.last + 1));
    }
  }
}

}  // namespace

void AddFloors(PlanDrawing& drawing, const PlanFrame& frame) {
  const Building& b = frame.building;
  const CellTest floor = CellsOf(b, frame.storey, HasFloorCell);
  const CellTest voids = CellsOf(b, frame.storey, [](const GridPoint& p) { return p.FloorKind == FloorCell::Void; });
  AddBoundaries(drawing, frame, PlanLayer::Floor, floor);
  AddBoundaries(drawing, frame, PlanLayer::Void, voids);
  for (int j = 1; j <= b.SpansY(); ++j) {
    for (int i = 1; i <= b.SpansX(); ++i) {
      if (!voids(i, j)) continue;
      drawing.Line(PlanLayer::Void, frame.At(i, j), frame.At(i + 1, j + 1));
      drawing.Line(PlanLayer::Void, frame.At(i + 1, j), frame.At(i, j + 1));
    }
  }
}

void AddBeamsAbove(PlanDrawing& drawing, const PlanFrame& frame) {
  const Building& b = frame.building;
  const int level = frame.storey + 1;
  for (int j = 1; j <= b.PointsY(); ++j) AddBeamLine(drawing, frame, level, Dir::X, j);
  for (int i = 1; i <= b.PointsX(); ++i) AddBeamLine(drawing, frame, level, Dir::Y, i);
}

}  // namespace tvk
