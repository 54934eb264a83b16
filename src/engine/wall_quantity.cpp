#include "engine/wall_quantity.h"

#include <algorithm>
#include <utility>

namespace tvk {

namespace {

void Judge(WallQuantityDirection& q) {
  q.existingCm = q.bearingCm;
  if (!q.requiredEarthquakeCm || !q.requiredWindCm) return;
  q.requiredCm = std::max(*q.requiredEarthquakeCm, *q.requiredWindCm);
  q.quasiCapCm = 0.5 * *q.requiredCm;
  q.quasiCountedCm = std::min(q.quasiCm, *q.quasiCapCm);
  q.existingCm += *q.quasiCountedCm;
  if (*q.requiredCm > 0) q.ratio = q.existingCm / *q.requiredCm;
  q.ok = q.existingCm >= *q.requiredCm;
}

WallQuantityDirection CheckDirection(const BuildingProfile& profile, const ProfileLoads& loads, const LwDerivation& lw,
                                     const std::vector<StoreyPlan>& plans, const WallLines& walls,
                                     const QuasiWalls& quasi, int storey, Dir d) {
  WallQuantityDirection q;
  q.bearingCm = walls.totalCm;
  q.quasiCm = quasi.CountedCm(storey, d);
  q.floorArea = Nth(plans, storey).floorArea;
  q.lw = lw.Storey(storey).value;
  if (q.lw) {
    q.requiredEarthquakeCm = *q.lw * q.floorArea;
  } else {
    q.missing.Add(lw.missing);
  }
  q.wind = WindAreaOf(profile, loads, plans, storey, d);
  q.windCoefficient = loads.windCoefficient.value;
  if (q.wind.area) q.requiredWindCm = *q.wind.area * q.windCoefficient;
  q.missing.Add(q.wind.missing);
  Judge(q);
  return q;
}

}  // namespace

WallQuantity CheckWallQuantity(const BuildingProfile& profile, const ProfileLoads& loads, const LwDerivation& lw,
                               const std::vector<StoreyPlan>& plans, const std::vector<PerDir<WallLines>>& walls,
                               const QuasiWalls& quasi) {
  WallQuantity check;
  for (int s = 1; s <= static_cast<int>(plans.size()); ++s) {
    WallQuantityStorey storey;
    storey.storey = s;
    for (const Dir d : kDirs) {
      WallQuantityDirection& q = storey.dir[d];
      q = CheckDirection(profile, loads, lw, plans, Nth(walls, s)[d], quasi, s, d);
      check.missing.Add(q.missing);
    }
    check.storeys.push_back(std::move(storey));
  }
  return check;
}

}  // namespace tvk
