#pragma once
// Members of one storey counted for the building outline print-out.

namespace tvk {

class Building;

struct StoreyMemberCounts {
  int storeyColumns = 0;   // 管柱
  int throughColumns = 0;  // 通し柱
  int singleBraces = 0;    // members, not unit segments
  int crossedBraces = 0;
  int sheathedWalls = 0;
  int floorCells = 0;
  int voidCells = 0;
  int beamSegments = 0;    // unit segments of the beams on top of the storey (level storey + 1)
  int placedHardware = 0;  // column tops and bottoms with hardware placed
};

StoreyMemberCounts CountStoreyMembers(const Building& b, int storey);

}  // namespace tvk
