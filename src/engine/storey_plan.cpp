#include "engine/storey_plan.h"

#include <algorithm>

#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "model/building.h"

namespace tvk {

namespace {

void Include(CellRange& range, int k) {
  if (range.Empty()) {
    range = {k, k};
    return;
  }
  range.first = std::min(range.first, k);
  range.last = std::max(range.last, k);
}

}  // namespace

double CellSide(const Building& building) {
  return static_cast<double>(building.Info.GridPitch) / building.Divisions();
}

StoreyPlan ReadStoreyPlan(const Building& b, int storey) {
  StoreyPlan plan;
  plan.storey = storey;
  plan.cellSide = CellSide(b);
  for (const Dir d : kDirs) {
    const auto bands = static_cast<size_t>(b.Spans(Other(d)));
    plan.floorPerBand[d].assign(bands, 0);
    plan.openPerBand[d].assign(bands, 0);
  }
  const auto own = LevelPoints(b, storey);
  // Only 1F of a two-storey building has parts with or without a storey above.
  const bool upperExists = storey == 1 && b.Storeys() >= 2;
  const auto upper = LevelPoints(b, upperExists ? 2 : storey);
  for (int j = 1; j <= b.SpansY(); ++j) {
    for (int i = 1; i <= b.SpansX(); ++i) {
      const GridPoint& p = own(i, j);
      if (!HasFloorCell(p)) continue;
      Include(plan.extent[Dir::X], i);
      Include(plan.extent[Dir::Y], j);
      const bool open = upperExists && !HasFloorCell(upper(i, j));
      plan.hasOpenPart = plan.hasOpenPart || open;
      if (p.FloorKind != FloorCell::Slab) continue;
      ++plan.floorCells;
      ++Nth(plan.floorPerBand[Dir::X], j);
      ++Nth(plan.floorPerBand[Dir::Y], i);
      if (!open) continue;
      ++Nth(plan.openPerBand[Dir::X], j);
      ++Nth(plan.openPerBand[Dir::Y], i);
    }
  }
  plan.floorArea = plan.floorCells * plan.cellSide * plan.cellSide;
  return plan;
}

}  // namespace tvk
