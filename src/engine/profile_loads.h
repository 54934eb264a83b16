#pragma once
// The building profile as the 2025 formulas read it: heights in metres, unit weights in
// N/m², and the rule's values standing in for the fields the designer left empty.

#include <optional>

#include "engine/check_inputs.h"
#include "model/building_profile.h"

namespace tvk {

struct SourcedValue {
  double value = 0;
  ValueSource source = ValueSource::Default;
};

// Unit weights of the finishes (N/m² of roof or wall) and the wood's Fc (N/mm²).
double RoofUnitWeight(const RoofChoice& roof);
double WallUnitWeight(const WallChoice& wall);
double WoodFc(const WoodChoice& wood);

constexpr double kSolarPerRoof = 200;  // N/m² of roof
constexpr double kFloorWeight = 610;   // N/m² of floor
constexpr double kOpeningWeight = 400;
constexpr double kInteriorWallWeight = 200;  // N/m² of floor for a 2.8 m storey

struct ProfileLoads {
  std::optional<double> h1;     // m
  std::optional<double> h2;     // m
  std::optional<double> rise;   // m
  std::optional<double> eaves;  // m
  std::optional<double> pitch;  // 寸
  std::optional<double> roof;   // N/m² of roof
  SolarPanels solar = SolarPanels::None;
  ValueSource solarSource = ValueSource::Default;
  double solarMassKg = 0;
  SourcedValue ceilingInsulation;      // N/m² of floor
  std::optional<double> exteriorWall;  // N/m² of wall
  SourcedValue wallInsulation;         // N/m² of wall
  BuildingUse use = BuildingUse::House;
  ValueSource useSource = ValueSource::Default;
  double live = 0;        // N/m² of floor, for the seismic weight
  double columnLive = 0;  // N/m² of floor, for the column load
  SourcedValue c0;
  SourcedValue windCoefficient;  // cm/m²
  std::optional<double> fc;      // N/mm² of the column wood
};

ProfileLoads ResolveLoads(const BuildingProfile& profile);

}  // namespace tvk
