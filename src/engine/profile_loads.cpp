#include "engine/profile_loads.h"

namespace tvk {

namespace {

std::optional<double> Metres(const std::optional<int>& mm) {
  if (!mm) return std::nullopt;
  return *mm / 1000.0;
}

// A storey height of zero or less would divide by zero further on (α, the wood's
// stress); it is no height, so the checks ask for one.
std::optional<double> Height(const std::optional<int>& mm) {
  if (!mm || *mm <= 0) return std::nullopt;
  return Metres(mm);
}

SourcedValue OrDefault(const std::optional<double>& entered, double fallback) {
  if (entered) return {*entered, ValueSource::Entered};
  return {fallback, ValueSource::Default};
}

}  // namespace

double RoofUnitWeight(const RoofChoice& roof) {
  switch (roof.finish) {
    case RoofFinish::Tile:
      return 990;
    case RoofFinish::Slate:
      return 740;
    case RoofFinish::Metal:
      return 500;
    case RoofFinish::Custom:
      return roof.weight;
  }
  return roof.weight;
}

double WallUnitWeight(const WallChoice& wall) {
  switch (wall.finish) {
    case WallFinish::Earthen:
      return 1000;
    case WallFinish::Mortar:
      return 890;
    case WallFinish::Siding:
      return 600;
    case WallFinish::Metal:
      return 500;
    case WallFinish::Board:
      return 350;
    case WallFinish::Custom:
      return wall.weight;
  }
  return wall.weight;
}

double WoodFc(const WoodChoice& wood) {
  switch (wood.wood) {
    case ColumnWood::Sugi:
      return 17.7;
    case ColumnWood::Sugi2:
      return 20.4;
    case ColumnWood::E95F315:
      return 26.0;
    case ColumnWood::Custom:
      return wood.fc;
  }
  return wood.fc;
}

ProfileLoads ResolveLoads(const BuildingProfile& p) {
  ProfileLoads loads;
  loads.h1 = Height(p.h1);
  loads.h2 = Height(p.h2);
  loads.rise = Metres(p.rise);
  loads.eaves = Metres(p.eaves);
  loads.pitch = p.pitch;
  if (p.roof) loads.roof = RoofUnitWeight(*p.roof);
  if (p.solar) {
    loads.solar = p.solar->panels;
    loads.solarSource = ValueSource::Entered;
    loads.solarMassKg = p.solar->massKg;
  }
  loads.ceilingInsulation = OrDefault(p.ceilingInsulation, 100);
  if (p.wall) loads.exteriorWall = WallUnitWeight(*p.wall);
  loads.wallInsulation = OrDefault(p.wallInsulation, 70);
  if (p.use) {
    loads.use = *p.use;
    loads.useSource = ValueSource::Entered;
  }
  // Live loads of 令85条: seismic 600 / 800, columns 1300 / 1800 (住宅 / 事務所等).
  const bool office = loads.use == BuildingUse::Office;
  loads.live = office ? 800 : 600;
  loads.columnLive = office ? 1800 : 1300;
  loads.c0 = OrDefault(p.c0, 0.2);
  loads.windCoefficient = OrDefault(p.windCoefficient, 50);
  if (p.wood && WoodFc(*p.wood) > 0) loads.fc = WoodFc(*p.wood);
  return loads;
}

}  // namespace tvk
