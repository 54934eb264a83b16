#pragma once
// Building profiles of the published checks, for engine and batch tests.

#include "model/building_profile.h"

namespace tvk::test {

// The two-storey example of the official material: h1 = h2 = 3.0 m, rise 0.5 m, eaves 0.5 m,
// pitch 4寸, スレート, サイディング, solar panels 200 N/m², the default insulation, 住宅, C0 0.2.
inline BuildingProfile PublishedProfile() {
  BuildingProfile p;
  p.h1 = 3000;
  p.h2 = 3000;
  p.rise = 500;
  p.eaves = 500;
  p.pitch = 4.0;
  p.roof = RoofChoice{RoofFinish::Slate, 0};
  p.solar = SolarChoice{SolarPanels::Standard, 0};
  p.wall = WallChoice{WallFinish::Siding, 0};
  return p;
}

}  // namespace tvk::test
