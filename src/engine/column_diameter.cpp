#include "engine/column_diameter.h"

#include <algorithm>
#include <cmath>

namespace tvk {

namespace {

constexpr double kLongTermFactor = 1.1 / 3;  // long-term allowable compression per Fc
constexpr double kSlack = 1e-9;

// Buckling length: a 1F column under a 2F loses 120 mm to the floor beams, others 105 mm.
double BucklingLength(double hMetres, bool underUpperStorey) {
  return std::round(hMetres * 1000) - (underUpperStorey ? 120 : 105);
}

std::optional<ColumnLoad> LoadOf(const ProfileLoads& loads, const SeismicWeights& w, int storeys, int storey,
                                 bool outer, MissingFields& missing) {
  if (!w.roof) missing.Add(w.missingRoof);
  const std::optional<double>& hOwn = storey == 2 ? loads.h2 : loads.h1;
  if (!hOwn) missing.Add(storey == 2 ? CheckInput::H2 : CheckInput::H1);
  const bool carriesUpper = storeys >= 2 && storey == 1;
  if (carriesUpper && !loads.h2) missing.Add(CheckInput::H2);
  if (outer && !loads.exteriorWall) missing.Add(CheckInput::Wall);
  if (!w.roof || !hOwn || (carriesUpper && !loads.h2) || (outer && !loads.exteriorWall)) return std::nullopt;
  auto wall = [&](double h) {
    return outer ? WallBandOf(h, *loads.exteriorWall, loads.wallInsulation.value).total : InteriorWallLoad(h) / 1000;
  };
  ColumnLoad load;
  load.roof = w.roof->total;
  if (carriesUpper) {
    load.wallAbove = wall(*loads.h2);
    load.floor = (kFloorWeight + loads.columnLive) / 1000;
  }
  load.ownWall = 0.5 * wall(*hOwn);
  load.wd = load.roof + load.wallAbove + load.floor + load.ownWall;
  return load;
}

ColumnDiameter Check(const BuildingProfile& profile, const ProfileLoads& loads, const SeismicWeights& w, int storeys,
                     int storey, bool outer) {
  ColumnDiameter c;
  c.outer = outer;
  c.load = LoadOf(loads, w, storeys, storey, outer, c.missing);
  const std::optional<double>& hOwn = storey == 2 ? loads.h2 : loads.h1;
  if (hOwn) c.lMm = BucklingLength(*hOwn, storeys >= 2 && storey == 1);
  if (!loads.fc) c.missing.Add(CheckInput::Wood);
  std::optional<ColumnSection> section = Nth(profile.column, storey);
  if (section && (section->b <= 0 || section->d <= 0)) section.reset();
  if (!section) c.missing.Add(storey == 2 ? CheckInput::Column2 : CheckInput::Column1);
  if (!c.load || !c.lMm || !loads.fc) return c;
  c.requirement = RequiredDiameter(c.load->wd, *c.lMm, *loads.fc);
  if (!section) return c;
  c.capacity = CapacityOf(*section, c.load->wd, *c.lMm, *loads.fc);
  c.ok = std::min(section->b, section->d) >= c.requirement->requiredMm;
  return c;
}

}  // namespace

DiameterRequirement RequiredDiameter(double wd, double lMm, double fc) {
  DiameterRequirement r;
  const double l = lMm;
  r.a = std::sqrt(wd * kColumnAe / (kLongTermFactor * fc) * 1000);
  if (l / 52.7 > r.a) {
    r.diameterCase = DiameterCase::Slender;
    r.dbe = std::pow(12 * l * l * r.a * r.a / 3000, 0.25);
  } else if (l / 8.66 < r.a) {
    r.diameterCase = DiameterCase::Stocky;
    r.dbe = r.a;
  } else {
    r.diameterCase = DiameterCase::Intermediate;
    const double k = l / 75.05;
    r.dbe = k + std::sqrt(k * k + r.a * r.a / 1.3);
  }
  r.byLoad = static_cast<int>(RoundUpTo(r.dbe, 1));
  r.bySlenderness = static_cast<int>(RoundUpTo(std::sqrt(12.0) * l / kSlenderLimit, 1));
  r.requiredMm = std::max(r.byLoad, r.bySlenderness);
  return r;
}

ColumnCapacity CapacityOf(const ColumnSection& section, double wd, double lMm, double fc) {
  ColumnCapacity c;
  c.section = section;
  const int small = std::min(section.b, section.d);
  c.lambda = 3.46 * lMm / small;
  if (c.lambda <= 30) {
    c.eta = 1;
  } else if (c.lambda <= 100) {
    c.eta = 1.3 - 0.01 * c.lambda;
  } else {
    c.eta = 3000 / (c.lambda * c.lambda);
  }
  c.areaM2 = kLongTermFactor * c.eta * fc * section.b * section.d / wd / 1000;
  c.allowedM2 = std::floor(c.areaM2 * 10 + kSlack) / 10;
  c.slender = c.lambda >= kSlenderLimit;
  return c;
}

ColumnStorey CheckColumnDiameter(const BuildingProfile& profile, const ProfileLoads& loads,
                                 const SeismicWeights& weights, int storeys, int storey) {
  ColumnStorey s;
  s.storey = storey;
  s.fc = loads.fc;
  s.outer = Check(profile, loads, weights, storeys, storey, true);
  s.inner = Check(profile, loads, weights, storeys, storey, false);
  return s;
}

}  // namespace tvk
