#pragma once
// 見付面積 of a storey for the wind check: the area of the building's elevation above the
// level 1.35 m over the storey's floor. An entered area wins; otherwise it is estimated from
// the plan's extents and the profile's heights (概算), on the safe side: the walls of each
// storey as a rectangle over the storey's whole extent, the roof as the full band from the
// roof beams up to the apex, eaves included.

#include <optional>
#include <vector>

#include "engine/check_inputs.h"
#include "engine/profile_loads.h"
#include "engine/storey_plan.h"

namespace tvk {

constexpr double kWindCutHeight = 1.35;  // m over the storey's floor

enum class WindPartKind {
  Wall,       // the walls of a storey
  Roof,       // the roof on the top storey
  LowerRoof,  // the roof over the part of 1F with no 2F above, beside the 2F walls
};

// One rectangle of the estimated elevation. Heights are measured from the 1F floor.
struct WindPart {
  WindPartKind kind = WindPartKind::Wall;
  int storey = 1;     // the storey whose walls or roof this is
  double width = 0;   // m, across the force direction
  double bottom = 0;  // m
  double top = 0;     // m
  double area = 0;    // m², the part above the cut
};

struct WindArea {
  std::optional<double> area;  // m²
  ValueSource source = ValueSource::Estimated;
  double cut = 0;  // m over the 1F floor where the counted elevation starts
  std::vector<WindPart> parts;
  MissingFields missing;
};

// plans: the building's storeys, 1F first. d = 1 force along X (elevation across Y).
WindArea WindAreaOf(const BuildingProfile& profile, const ProfileLoads& loads, const std::vector<StoreyPlan>& plans,
                    int storey, Dir d);

}  // namespace tvk
