#pragma once
// Helpers shared by the model tests: small buildings, a scratch folder, file access.

#include "model/building.h"
#include "support/plan_builder.h"
#include "support/scratch_dir.h"

namespace tvk::test {

// An empty building with the given outline and its arrays allocated.
inline Building MakeBuilding(int storeys, int spansX, int spansY, int divisions = 1, float pitch = 0.91f) {
  return PlanBuilder(storeys, spansX, spansY, divisions, pitch).b;
}

// Whether reserved Long k of BuildingInfo keeps a field of the building profile.
inline bool ProfileSlot(int k) { return k < 28 || k == 36 || k == 37; }

}  // namespace tvk::test
