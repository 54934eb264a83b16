#pragma once
// Lw, the wall length required against earthquake per m² of floor (cm/m²): the official
// formula Ai·C0·Σwi / (0.0196·Afi) rounded up, or the value the designer entered from the
// quick tables (an entered value wins).

#include <optional>

#include "engine/check_inputs.h"
#include "engine/seismic_weight.h"

namespace tvk {

constexpr double kLwDivisor = 0.0196;

struct LwValue {
  std::optional<double> value;      // cm/m², rounded up; empty when the rule lacks inputs
  std::optional<double> unrounded;  // the formula's value before rounding
  ValueSource source = ValueSource::Formula;
};

struct LwDerivation {
  SeismicWeights weights;
  SourcedValue c0;
  LwValue storey1;
  LwValue storey2;                 // two storeys only
  LwValue oneStorey;               // a one-storey house, or a 1F part with no 2F above
  MissingFields missing;           // what the building's own storey values lack
  MissingFields missingOneStorey;  // what oneStorey lacks

  // Lw of storey s (1 or 2).
  const LwValue& Storey(int s) const { return s == 2 ? storey2 : storey1; }
};

LwDerivation DeriveLw(const BuildingProfile& profile, const ProfileLoads& loads, int storeys, double af1, double af2);

}  // namespace tvk
