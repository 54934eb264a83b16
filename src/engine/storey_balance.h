#pragma once
// Per-storey eccentricity record (centres of gravity and rigidity, ratios): a calculation
// result, never saved.

#include <array>
#include <cstdint>
#include <vector>

namespace tvk {

// Per-direction fields are indexed [d-1]: d = 1 loading along X, d = 2 along Y.
struct StoreyBalance {
  std::array<float, 2> Gravity{};
  std::array<float, 2> Rigidity{};
  std::array<float, 2> Reserved{};
  std::array<float, 2> EccRatio{};
  std::array<float, 2> EccDistance{};
  std::array<float, 2> RigidityMoment{};
  std::array<float, 2> Torsion{};
  std::array<float, 2> Stiffness{};
  // [0]: one entry per Y index j (1-based: element j-1); [1]: one per X index i.
  std::array<std::vector<float>, 2> LineStiffness;
  std::array<float, 2> ElasticRadius{};
  int32_t HasFloor = 0;     // some floor or void cell on this storey's level
  int32_t TorsionFree = 0;  // walls that all stand on one line per direction: no torsional
                            // stiffness, so neither ratio is defined
};

}  // namespace tvk
