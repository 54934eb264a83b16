#pragma once
// Where the batch commands get the building profile from.

#include "model/building_profile.h"

namespace tvk {

class Building;

// The profile stored with the building. Until the project file keeps one, every building
// has the empty profile (nothing given), so the 2025 checks say what they lack.
BuildingProfile ProfileOf(const Building& building);

}  // namespace tvk
