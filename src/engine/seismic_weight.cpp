#include "engine/seismic_weight.h"

#include <algorithm>
#include <cmath>

namespace tvk {

namespace {

// Walls stand on 91 % of the model plan's outline, openings on the other 9 %.
constexpr double kWallShare = 0.91;
constexpr double kOpeningShare = 0.09;
// Rounding of a product that should be exact, so that 44.0000000001 is not taken for more.
constexpr double kRoundingSlack = 1e-9;

std::optional<RoofLoad> RoofOf(const ProfileLoads& loads, double maxFloorArea, MissingFields& missing) {
  if (!loads.eaves) missing.Add(CheckInput::Eaves);
  if (!loads.pitch) missing.Add(CheckInput::Pitch);
  if (!loads.roof) missing.Add(CheckInput::Roof);
  const bool byMass = loads.solar == SolarPanels::Mass;
  if (byMass && maxFloorArea <= 0) missing.Add(CheckInput::Floor1);
  if (!loads.eaves || !loads.pitch || !loads.roof || (byMass && maxFloorArea <= 0)) return std::nullopt;
  RoofLoad roof;
  roof.z2 = RoofFactor(*loads.eaves, *loads.pitch);
  roof.roofing = *loads.roof * roof.z2;
  if (loads.solar == SolarPanels::Standard) roof.solar = kSolarPerRoof * roof.z2;
  if (byMass) roof.solar = loads.solarMassKg * 9.8 / maxFloorArea;
  roof.ceiling = loads.ceilingInsulation.value;
  roof.total = (roof.roofing + roof.solar + roof.ceiling) / 1000;
  return roof;
}

std::optional<WallBand> BandOf(const ProfileLoads& loads, const std::optional<double>& h, CheckInput heightField,
                               MissingFields& missing) {
  if (!h) missing.Add(heightField);
  if (!loads.exteriorWall) missing.Add(CheckInput::Wall);
  if (!h || !loads.exteriorWall) return std::nullopt;
  return WallBandOf(*h, *loads.exteriorWall, loads.wallInsulation.value);
}

// W1, W2, T, α and A2 of a two-storey building (rules: r = Af2/Af1; the roof over the part
// of 1F with no 2F above joins W1 when r < 1).
void SetTwoStoreys(SeismicWeights& w, const ProfileLoads& loads, double af1, double af2) {
  const auto wall2 = BandOf(loads, loads.h2, CheckInput::H2, w.missing);
  if (!loads.rise) w.missing.Add(CheckInput::Rise);
  if (af1 <= 0) w.missing.Add(CheckInput::Floor1);
  if (af2 <= 0) w.missing.Add(CheckInput::Floor2);
  w.wall2 = wall2;
  if (!w.missing.Empty()) return;
  const double roof = w.roof->total;
  const double r = af2 / af1;
  const double wall1 = w.wall1->total;
  w.r = r;
  w.w2 = roof * r + 0.5 * wall2->total * r;
  w.w1 = roof * r + wall2->total * r + w.floorLoad * r / 1000 + 0.5 * wall1 + (r < 1 ? (1 - r) * roof : 0.0);
  w.height = *loads.rise / 2 + wall2->h + w.wall1->h + 0.5;
  w.t = 0.03 * *w.height;
  w.alpha = *w.w2 / *w.w1;
  const double t = *w.t;
  w.a2 = 1 + (1 / std::sqrt(*w.alpha) - *w.alpha) * 2 * t / (1 + 3 * t);
}

}  // namespace

double RoofFactor(double eaves, double pitch) {
  return (kModelLength + 2 * eaves) * (kModelWidth + 2 * eaves) * std::sqrt(pitch * pitch + 100) / 10 / kModelArea;
}

double RoundUpTo(double value, double step) { return std::ceil(value / step - kRoundingSlack) * step; }

WallBand WallBandOf(double h, double exteriorWeight, double insulationWeight) {
  WallBand band;
  band.h = h;
  band.wallArea = 2 * kModelWidth * h + 2 * kModelLength * h;
  band.exterior = RoundUpTo(exteriorWeight * band.wallArea * kWallShare / kModelArea, 10);
  band.interior = InteriorWallLoad(h);
  band.insulation = RoundUpTo(insulationWeight * band.wallArea * kWallShare / kModelArea, 10);
  band.openings = RoundUpTo(kOpeningWeight * band.wallArea * kOpeningShare / kModelArea, 10);
  band.total = (band.exterior + band.interior + band.insulation + band.openings) / 1000;
  return band;
}

double InteriorWallLoad(double h) { return kInteriorWallWeight * h / 2.8; }

SeismicWeights ComputeSeismicWeights(const ProfileLoads& loads, int storeys, double af1, double af2) {
  SeismicWeights w;
  w.floorLoad = kFloorWeight + loads.live;
  w.roof = RoofOf(loads, std::max(af1, af2), w.missingRoof);
  w.missingOne = w.missingRoof;
  w.wall1 = BandOf(loads, loads.h1, CheckInput::H1, w.missingOne);
  if (w.missingOne.Empty()) w.wOne = w.roof->total + 0.5 * w.wall1->total;
  w.missing = w.missingOne;
  if (storeys < 2) {
    w.w1 = w.wOne;
    return w;
  }
  SetTwoStoreys(w, loads, af1, af2);
  return w;
}

}  // namespace tvk
