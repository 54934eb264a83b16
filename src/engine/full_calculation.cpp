#include "engine/full_calculation.h"

#include "engine/eccentricity.h"
#include "engine/n_value.h"
#include "engine/profile_checks.h"
#include "engine/transmission.h"
#include "model/building.h"
#include "model/profile_store.h"

namespace tvk {

void RunFullCalculation(Building& building, CalcResults& results, bool noAutoPlacement) {
  results.Reset(building);
  // Which partly sheathed walls enter A hangs on the wall quantity of the whole building.
  if (HasQuasiWalls(building)) results.quasi = RunWallQuantity(building, ReadProfile(building)).quasi;
  MarkWallLines(building, results);
  RefreshBeamRuns(building);
  CalcAllN(building, results, noAutoPlacement);
  UpdateEccentricity(building, results);
}

CalcResults RunFullCalculation(Building& building, bool noAutoPlacement) {
  CalcResults results;
  RunFullCalculation(building, results, noAutoPlacement);
  return results;
}

bool WarnNotTransmitted(const Building& building, const CalcResults& results) {
  return results.notTransmitted && building.Settings.NoCrossBeamWarning == 0;
}

}  // namespace tvk
