#pragma once
// Column small diameter (柱の小径, 令43条) per storey for outer and inner columns, and the
// floor area a column of the building's section may carry, as the official tool forms them
// (平12建告1349).

#include <optional>

#include "engine/check_inputs.h"
#include "engine/profile_loads.h"
#include "engine/seismic_weight.h"
#include "model/building_profile.h"

namespace tvk {

constexpr double kColumnAe = 5.0;      // m², the floor area of the tool's reference column
constexpr double kSlenderLimit = 150;  // 有効細長比

// Load per floor area a column carries (kN/m²): the roof, the walls (and floor) of the storey
// above, half the walls of its own storey. Inner columns take the interior walls 200·h/2.8
// in place of the outer wall bands.
struct ColumnLoad {
  double roof = 0;
  double wallAbove = 0;  // 1F of two storeys: the whole 2F wall band
  double floor = 0;      // 1F of two storeys: floor 610 + column live load
  double ownWall = 0;    // half the wall band of the column's own storey
  double wd = 0;
};

enum class DiameterCase {
  Slender,       // l/52.7 > a: dbe = (12·l²·a²/3000)^¼
  Stocky,        // l/8.66 < a: dbe = a
  Intermediate,  // dbe = l/75.05 + √((l/75.05)² + a²/1.3)
};

struct DiameterRequirement {
  double a = 0;  // mm
  DiameterCase diameterCase = DiameterCase::Intermediate;
  double dbe = 0;         // mm
  int byLoad = 0;         // ⌈dbe⌉
  int bySlenderness = 0;  // ⌈√12·l/150⌉
  int requiredMm = 0;     // de, the larger
};

struct ColumnCapacity {
  ColumnSection section;
  double lambda = 0;     // 3.46·l / min(b, d)
  double eta = 0;        // buckling reduction
  double areaM2 = 0;     // (1.1/3)·η·Fc·b·d / Wd / 1000
  double allowedM2 = 0;  // areaM2 rounded down to 0.1 m²
  bool slender = false;  // 有効細長比 150 以上
};

struct ColumnDiameter {
  bool outer = true;
  std::optional<ColumnLoad> load;
  std::optional<double> lMm;  // buckling length
  std::optional<DiameterRequirement> requirement;
  std::optional<ColumnCapacity> capacity;
  std::optional<bool> ok;  // small diameter of the section ≥ de
  MissingFields missing;
};

struct ColumnStorey {
  int storey = 1;
  std::optional<double> fc;  // N/mm²
  ColumnDiameter outer;
  ColumnDiameter inner;
};

// weights: the seismic weights of the same profile (their roof and wall bands).
ColumnStorey CheckColumnDiameter(const BuildingProfile& profile, const ProfileLoads& loads,
                                 const SeismicWeights& weights, int storeys, int storey);

// The pieces, for a checker who wants to follow them: de and the allowable area.
DiameterRequirement RequiredDiameter(double wd, double lMm, double fc);
ColumnCapacity CapacityOf(const ColumnSection& section, double wd, double lMm, double fc);

}  // namespace tvk
