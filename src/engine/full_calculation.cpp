#include "engine/full_calculation.h"

#include "engine/eccentricity.h"
#include "engine/n_value.h"
#include "engine/transmission.h"
#include "model/building.h"

namespace tvk {

void RunFullCalculation(Building& building, bool noAutoPlacement) {
  MarkWallLines(building);
  RefreshBeamRuns(building);
  CalcAllN(building, noAutoPlacement);
  UpdateEccentricity(building);
}

bool WarnNotTransmitted(const Building& building) {
  return building.NotTransmitted != 0 && building.Settings.NoCrossBeamWarning == 0;
}

}  // namespace tvk
