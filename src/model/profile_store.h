#pragma once
// Where the building profile lives in the project file: the storey heights as level
// elevations in `LevelHeight` (mm), everything else in the reserved Longs of BuildingInfo,
// one presence bit per field (docs/file-format.md). These fields are the only copy; the
// profile is read from them and written back into them. A file of the original layout
// (all of them 0) has no profile.

#include <optional>
#include <string>

#include "model/building_profile.h"

namespace tvk {

class Building;
struct BuildingInfo;

// Height of a storey (1 or 2) in mm, when given.
std::optional<int> StoreyHeightMm(const BuildingInfo& info, int storey);
// Elevation of a level in metres: the z of its points.
float LevelElevation(const BuildingInfo& info, int level);

BuildingProfile ReadProfile(const Building& building);

// Checks the profile against the building (CheckProfile) and stores it, the point
// elevations included. On a refusal the message is returned and nothing is changed.
std::optional<std::string> WriteProfile(Building& building, const BuildingProfile& profile);

// Why the stored profile of a building outline cannot be used (a damaged or hostile file),
// or nullopt.
std::optional<std::string> CheckStoredProfile(const BuildingInfo& info);

}  // namespace tvk
