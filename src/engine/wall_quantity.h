#pragma once
// The wall-quantity check (壁量計算) per storey and force direction: existing wall length
// against the larger of the earthquake and wind requirements. The partly sheathed walls
// add to the bearing walls up to ½ the requirement.

#include <array>
#include <optional>
#include <vector>

#include "engine/check_inputs.h"
#include "engine/quasi_walls.h"
#include "engine/required_lw.h"
#include "engine/storey_plan.h"
#include "engine/wall_length.h"
#include "engine/wind_area.h"

namespace tvk {

// d = 1 force along X, resisted by the walls along X.
struct WallQuantityDirection {
  double existingCm = 0;  // bearing walls and the counted partly sheathed walls
  double bearingCm = 0;
  double quasiCm = 0;                          // partly sheathed walls that count: Σ length x m
  std::optional<double> quasiCapCm;            // ½ the required length
  std::optional<double> quasiCountedCm;        // the part of quasiCm within the cap
  double floorArea = 0;                        // m²
  std::optional<double> lw;                    // cm/m², the storey's Lw
  std::optional<double> requiredEarthquakeCm;  // Lw x floor area
  WindArea wind;                               // 見付面積, entered or estimated
  double windCoefficient = 0;                  // cm/m²
  std::optional<double> requiredWindCm;        // 見付面積 x wind coefficient
  std::optional<double> requiredCm;            // the larger requirement
  std::optional<double> ratio;                 // existing / required; empty when nothing is required
  std::optional<bool> ok;                      // existing ≥ required
  MissingFields missing;                       // what the judgement lacks
};

struct WallQuantityStorey {
  int storey = 1;
  PerDir<WallQuantityDirection> dir;
};

struct WallQuantity {
  std::vector<WallQuantityStorey> storeys;
  MissingFields missing;  // everything some storey lacks
};

// walls[s-1][d-1]: the existing bearing walls of storey s along d; quasi: the partly
// sheathed walls.
WallQuantity CheckWallQuantity(const BuildingProfile& profile, const ProfileLoads& loads, const LwDerivation& lw,
                               const std::vector<StoreyPlan>& plans, const std::vector<PerDir<WallLines>>& walls,
                               const QuasiWalls& quasi);

}  // namespace tvk
