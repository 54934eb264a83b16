#pragma once
// The side strips of the quarter check (四分割法) of the storey being edited as the plan
// canvas draws them: one band per strip, over the storey's extent along the force direction
// and across it from the strip's edge to the quarter line, named with its 充足率 and
// marked where the strip falls short.

#include <string>
#include <vector>

#include "editor/wall_quantity_readout.h"
#include "model/grid_types.h"

namespace tvk {

class Building;
struct QuarterStorey;
struct StoreyPlan;

struct QuarterBand {
  Dir d = Dir::X;  // force direction: the band runs along it
  bool low = true;
  // Opposite corners in plan metres (the frame of PointCoords), x1 < x2 and y1 < y2.
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  std::string text;  // "Ｘ方向 下側 充足率 1.25"
  std::string note;  // "偏心率≦0.3 で不要" where the eccentricity ratio exempts the direction
  // Met: 充足率 > 1 or nothing required; Short: drawn red; Unknown: the profile lacks an Lw.
  ReadoutState state = ReadoutState::Unknown;

  bool operator==(const QuarterBand&) const = default;
};

// X strips (low, high) first, then Y; none for a direction whose storey has no floor.
std::vector<QuarterBand> QuarterBands(const Building& building, const StoreyPlan& plan, const QuarterStorey& quarters);

}  // namespace tvk
