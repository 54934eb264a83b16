#pragma once
// Per-storey eccentricity record (centres of gravity and rigidity, ratios): a calculation
// result, never saved.

#include <cstdint>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

// Per-direction fields belong to the loading direction: the centres' coordinates across
// it (Gravity[Dir::X] is a y coordinate) and the stiffness of the walls along it.
struct StoreyBalance {
  PerDir<float> Gravity;
  PerDir<float> Rigidity;
  PerDir<float> EccRatio;
  PerDir<float> EccDistance;
  PerDir<float> RigidityMoment;
  PerDir<float> Torsion;
  PerDir<float> Stiffness;
  // Per grid line across the loading direction (element line-1): X walls on the lines
  // j = 1 .., Y walls on the lines i = 1 ...
  PerDir<std::vector<float>> LineStiffness;
  PerDir<float> ElasticRadius;
  int32_t HasFloor = 0;     // some floor or void cell on this storey's level
  int32_t TorsionFree = 0;  // walls that all stand on one line per direction: no torsional
                            // stiffness, so neither ratio is defined
};

}  // namespace tvk
