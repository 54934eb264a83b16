#include "model/member_counts.h"

#include "model/building.h"

namespace tvk {

namespace {

// A member is counted at its first unit segment.
bool StartsMember(const WallSeg& seg) { return seg.Kind != 0 && (seg.RunPos == 0 || seg.RunPos == 1); }

void CountPoint(const GridPoint& p, StoreyMemberCounts& c) {
  c.storeyColumns += p.Column.ColKind == ColumnKind::Storey ? 1 : 0;
  c.throughColumns += p.Column.ColKind == ColumnKind::Through ? 1 : 0;
  c.placedHardware += (p.Column.TopHardware.empty() ? 0 : 1) + (p.Column.BottomHardware.empty() ? 0 : 1);
  c.floorCells += p.FloorKind == FloorCell::Slab ? 1 : 0;
  c.voidCells += p.FloorKind == FloorCell::Void ? 1 : 0;
  for (const Dir d : kDirs) {
    if (StartsMember(p.brace(d))) {
      (p.brace(d).Slope == 3 ? c.crossedBraces : c.singleBraces) += 1;
    }
    c.sheathedWalls += StartsMember(p.sheathing(d)) ? 1 : 0;
  }
}

}  // namespace

StoreyMemberCounts CountStoreyMembers(const Building& b, int storey) {
  StoreyMemberCounts c;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      CountPoint(b.Point(i, j, storey), c);
      for (const Dir d : kDirs) c.beamSegments += b.Point(i, j, storey + 1).beam(d).BeamKind != 0 ? 1 : 0;
    }
  }
  return c;
}

}  // namespace tvk
