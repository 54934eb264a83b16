#include "editor/quarter_bands.h"

#include "engine/quarter_check.h"
#include "engine/storey_plan.h"
#include "model/building.h"

namespace tvk {

namespace {

constexpr const char* kExemptNote = "偏心率≦0.3 で不要";

ReadoutState StateOf(const QuarterStrip& strip) {
  if (!strip.requiredCm) return ReadoutState::Unknown;
  return strip.Satisfied() ? ReadoutState::Met : ReadoutState::Short;
}

}  // namespace

std::vector<QuarterBand> QuarterBands(const Building& building, const StoreyPlan& plan, const QuarterStorey& quarters) {
  std::vector<QuarterBand> bands;
  if (!building.Contains(GridPos{1, 1}, plan.storey)) return bands;
  const PointCoord& origin = building.Coord(1, 1, plan.storey);
  for (const Dir d : kDirs) {
    const CellRange& along = plan.extent[d];
    if (along.Empty()) continue;
    const double start = (along.first - 1) * plan.cellSide;
    const double end = along.last * plan.cellSide;
    const QuarterDirection& q = quarters.dir[d];
    for (const QuarterStrip& strip : q.strips) {
      if (strip.to <= strip.from) continue;
      QuarterBand band;
      band.d = d;
      band.low = strip.low;
      band.x1 = origin.x + (d == Dir::X ? start : strip.from);
      band.x2 = origin.x + (d == Dir::X ? end : strip.to);
      band.y1 = origin.y + (d == Dir::X ? strip.from : start);
      band.y2 = origin.y + (d == Dir::X ? strip.to : end);
      band.text = QuarterStripText(d, strip);
      if (q.exempt) band.note = kExemptNote;
      band.state = StateOf(strip);
      bands.push_back(std::move(band));
    }
  }
  return bands;
}

}  // namespace tvk
