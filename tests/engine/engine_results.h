#pragma once
// Results values as the engine tests read them: one calculation of a plan into a fresh
// value.

#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "engine/n_value.h"

namespace tvk::test {

inline CalcResults EccentricityOf(const Building& b) {
  CalcResults r;
  UpdateEccentricity(b, r);
  return r;
}

inline CalcResults NValuesOf(Building& b, bool noAutoPlacement) {
  CalcResults r;
  CalcAllN(b, r, noAutoPlacement);
  return r;
}

}  // namespace tvk::test
