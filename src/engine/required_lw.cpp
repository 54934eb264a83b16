#include "engine/required_lw.h"

namespace tvk {

namespace {

LwValue Entered(double value) { return {value, std::nullopt, ValueSource::Entered}; }

LwValue FromFormula(const std::optional<double>& unrounded) {
  LwValue lw;
  lw.unrounded = unrounded;
  if (unrounded) lw.value = RoundUpTo(*unrounded, 1);
  return lw;
}

std::optional<double> Times(const std::optional<double>& a, double b) {
  if (!a) return std::nullopt;
  return *a * b;
}

}  // namespace

LwDerivation DeriveLw(const BuildingProfile& profile, const ProfileLoads& loads, int storeys, double af1, double af2) {
  LwDerivation lw;
  lw.weights = ComputeSeismicWeights(loads, storeys, af1, af2);
  lw.c0 = loads.c0;
  const SeismicWeights& w = lw.weights;
  const double perWeight = lw.c0.value / kLwDivisor;
  // A one-storey house is its own one-storey case; either entered field serves it.
  const std::optional<double> enteredOne = storeys < 2 && profile.lw1 ? profile.lw1 : profile.lwOneStorey;
  lw.oneStorey = enteredOne ? Entered(*enteredOne) : FromFormula(Times(w.wOne, perWeight));
  if (!enteredOne) lw.missingOneStorey = w.missingOne;
  if (storeys < 2) {
    lw.storey1 = lw.oneStorey;
    lw.missing = lw.missingOneStorey;
    return lw;
  }
  lw.storey1 = profile.lw1 ? Entered(*profile.lw1) : FromFormula(Times(w.w1, perWeight));
  std::optional<double> lw2;
  if (w.a2 && w.w2 && w.r) lw2 = *w.a2 * *w.w2 * perWeight / *w.r;
  lw.storey2 = profile.lw2 ? Entered(*profile.lw2) : FromFormula(lw2);
  if (!profile.lw1 || !profile.lw2) lw.missing = w.missing;
  return lw;
}

}  // namespace tvk
