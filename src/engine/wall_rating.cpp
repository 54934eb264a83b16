#include "engine/wall_rating.h"

#include <array>
#include <cmath>

#include "engine/column_result.h"
#include "engine/level_marks.h"

namespace tvk {

namespace {

// Correction value T by brace size code; size 5 is a spare entry that no wall produces.
constexpr std::array<float, 6> kBraceT = {0.0f, 0.0f, 0.5f, 0.5f, 2.0f, 0.0f};

float BraceT(int size) {
  return size >= 0 && size < static_cast<int>(kBraceT.size()) ? kBraceT[static_cast<size_t>(size)] : 0.0f;
}

int ValidSlope(int slope) { return slope >= 0 && slope <= 3 ? slope : 0; }

}  // namespace

void SetSideWalls(const LevelMarks& marks, ColumnResult& r, GridPos p) {
  for (const Dir d : kDirs) {
    // Side 1 ends at the column (stored one point back), side 2 starts at it; a column on
    // the first or last line has no wall on the missing side.
    const SegmentWall s1 = p.Along(d) > 1 ? marks.Wall(d, p.Step(d, -1)) : SegmentWall{};
    const SegmentWall& s2 = marks.Wall(d, p);
    r.size1[d] = s1.size;
    r.slope1[d] = s1.slope;
    r.rating1[d] = s1.rating;
    r.size2[d] = s2.size;
    r.slope2[d] = s2.slope;
    r.rating2[d] = s2.rating;
  }
}

float SujikaiHosei(int size1, int slope1, int size2, int slope2) {
  const float t1 = BraceT(size1);
  const float t2 = BraceT(size2);
  // Rows: side-1 slope; columns: side-2 slope (0 none, 1, 2 single, 3 crossed). On side 1
  // slope 1 reaches the column top, on side 2 slope 2 does. Only the entry asked for is
  // worked out: this runs for every column and direction.
  switch (ValidSlope(slope1) * 4 + ValidSlope(slope2)) {
    case 0:
      return t1 + t2;
    case 1:
      return -t2 + 0.0f;  // + 0 turns -0 (from -T of T = 0) into 0
    case 2:
      return t2;
    case 3:
      return t1;
    case 4:
      return t1;
    case 5:
      return t1 + t2;
    case 6:
      return t1 + t2;
    case 7:
      return t1;
    case 8:
      return -t1 + 0.0f;
    case 9:
      return 0.0f;
    case 10:
      return t1 + t2;
    case 11:
      return 0.0f;
    case 12:
      return t2;
    case 13:
      return 0.0f;
    case 14:
      return t2;
    default:
      return 0.0f;
  }
}

float WallRatingA(ColumnResult& r, Dir d) {
  r.correction[d] = 0;
  if (r.size1[d] + r.size2[d] > 0) r.correction[d] = SujikaiHosei(r.size1[d], r.slope1[d], r.size2[d], r.slope2[d]);
  return std::fabs(r.rating1[d] - r.rating2[d]) + r.correction[d];
}

}  // namespace tvk
