#include "engine/profile_checks.h"

#include "model/building.h"

namespace tvk {

ProfileChecks RunProfileChecks(const Building& building, const BuildingProfile& profile, const CalcResults& results) {
  ProfileChecks checks = RunWallChecks(building, profile, results);
  checks.columnSize = CheckColumnSize(building, profile, checks.loads, checks.lw.weights);
  return checks;
}

ProfileChecks RunWallChecks(const Building& building, const BuildingProfile& profile, const CalcResults& results) {
  ProfileChecks checks = RunWallQuantity(building, profile);
  checks.quarters = CheckQuarters(results, checks.lw, checks.plans, checks.walls);
  return checks;
}

ProfileChecks RunWallQuantity(const Building& building, const BuildingProfile& profile) {
  ProfileChecks checks;
  checks.loads = ResolveLoads(profile);
  for (int s = 1; s <= building.Storeys(); ++s) {
    checks.plans.push_back(ReadStoreyPlan(building, s));
    checks.walls.push_back(ExistingWallLines(building, s));
  }
  const double af1 = checks.plans.empty() ? 0.0 : checks.plans[0].floorArea;
  const double af2 = checks.plans.size() >= 2 ? checks.plans[1].floorArea : 0.0;
  checks.lw = DeriveLw(profile, checks.loads, building.Storeys(), af1, af2);
  checks.quasi = CheckQuasiWalls(building, profile);
  checks.wallQuantity = CheckWallQuantity(profile, checks.loads, checks.lw, checks.plans, checks.walls, checks.quasi);
  std::vector<PerDir<BearingShare>> shares;
  for (const WallQuantityStorey& storey : checks.wallQuantity.storeys) {
    PerDir<BearingShare>& share = shares.emplace_back();
    for (const Dir d : kDirs) share[d] = BearingShare{storey.dir[d].bearingCm, storey.dir[d].requiredCm};
  }
  DecideQuasiInN(checks.quasi, shares);
  return checks;
}

}  // namespace tvk
