#pragma once
// Seismic weights per floor area as the official tool forms them for the wall-quantity rule:
// everything converted to kN per m² of floor on its fixed model plan of 16.5 m x 6.0 m.

#include <optional>

#include "engine/check_inputs.h"
#include "engine/profile_loads.h"

namespace tvk {

// The model plan of the official tool (m).
constexpr double kModelLength = 16.5;
constexpr double kModelWidth = 6.0;
constexpr double kModelArea = kModelLength * kModelWidth;  // 99 m²

// Roof factor Z2: roof area of the model plan with eaves ov at pitch p (寸) per m² of floor.
double RoofFactor(double eaves, double pitch);
// An unrounded value rounded up to a multiple of `step`, tolerating float noise below it.
double RoundUpTo(double value, double step);

// Walls of a storey band of height h, per m² of floor.
struct WallBand {
  double h = 0;           // m
  double wallArea = 0;    // m² of outer wall of the model plan, 2·6·h + 2·16.5·h
  double exterior = 0;    // N/m², finish on 91 % of the wall, rounded up to 10 N
  double interior = 0;    // N/m², 200·h/2.8
  double insulation = 0;  // N/m², on 91 % of the wall, rounded up to 10 N
  double openings = 0;    // N/m², 400 on 9 % of the wall, rounded up to 10 N
  double total = 0;       // kN/m²
};

WallBand WallBandOf(double h, double exteriorWeight, double insulationWeight);
// Interior walls of a storey of height h (m), N/m² of floor.
double InteriorWallLoad(double h);

// The roof per m² of floor.
struct RoofLoad {
  double z2 = 0;
  double roofing = 0;  // N/m², finish x Z2
  double solar = 0;    // N/m², 200 x Z2, or M·9.8 / max(Af1, Af2)
  double ceiling = 0;  // N/m², ceiling insulation
  double total = 0;    // kN/m²
};

struct SeismicWeights {
  std::optional<RoofLoad> roof;
  std::optional<WallBand> wall1;
  std::optional<WallBand> wall2;
  double floorLoad = 0;  // N/m², floor 610 + live load
  // One storey (a one-storey house, or a 1F part with no 2F above): roof + 0.5·wall(h1).
  std::optional<double> wOne;
  // The building's own storeys; a one-storey house has w1 = wOne and no others.
  std::optional<double> r;       // Af2 / Af1
  std::optional<double> w1;      // kN/m²
  std::optional<double> w2;      // kN/m²
  std::optional<double> height;  // rise/2 + h2 + h1 + 0.5, m
  std::optional<double> t;       // 0.03·height
  std::optional<double> alpha;   // W2 / W1
  std::optional<double> a2;      // 1 + (1/√α − α)·2T/(1 + 3T)
  MissingFields missingRoof;     // what the roof lacks
  MissingFields missingOne;      // what wOne lacks
  MissingFields missing;         // what the building's own storey weights lack
};

// af1, af2: floor areas of the storeys from the plan (m²).
SeismicWeights ComputeSeismicWeights(const ProfileLoads& loads, int storeys, double af1, double af2);

}  // namespace tvk
