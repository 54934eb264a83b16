#include "engine/calc_results.h"
#include "engine/member_codes.h"
#include "engine/n_value.h"
#include "model/building.h"

namespace tvk {

void MarkWallLines(const Building& building, CalcResults& results) {
  if (!results.Fits(building)) results.Reset(building);
  for (int level = 1; level <= building.Storeys(); ++level) {
    for (const Dir d : kDirs) {
      const int lines = d == Dir::X ? building.PointsY() : building.PointsX();
      for (int line = 1; line <= lines; ++line) {
        bool marked = false;
        for (int k = 1; k <= building.Spans(d) && !marked; ++k) {
          marked = HasWall(d == Dir::X ? building.Point(k, line, level) : building.Point(line, k, level), d);
        }
        results.SetWallLine(level, d, line, marked);
      }
    }
  }
}

}  // namespace tvk
