#include "engine/wind_area.h"

#include <algorithm>

namespace tvk {

namespace {

// Position of a storey's extent across d, in metres from grid line 1.
struct Span {
  double from = 0;
  double to = 0;

  double Width() const { return std::max(0.0, to - from); }
};

Span SpanAcross(const StoreyPlan& plan, Dir d) {
  const CellRange& range = plan.Across(d);
  if (range.Empty()) return {};
  return {(range.first - 1) * plan.cellSide, range.last * plan.cellSide};
}

double Overlap(const Span& a, const Span& b) { return std::max(0.0, std::min(a.to, b.to) - std::max(a.from, b.from)); }

void AddPart(WindArea& wind, WindPartKind kind, int storey, double width, double bottom, double top) {
  const double counted = std::max(0.0, top - std::max(bottom, wind.cut));
  wind.parts.push_back({kind, storey, width, bottom, top, width * counted});
}

MissingFields EstimateNeeds(const ProfileLoads& loads, int storeys) {
  MissingFields missing;
  if (!loads.h1) missing.Add(CheckInput::H1);
  if (storeys >= 2 && !loads.h2) missing.Add(CheckInput::H2);
  if (!loads.rise) missing.Add(CheckInput::Rise);
  if (!loads.eaves) missing.Add(CheckInput::Eaves);
  return missing;
}

void Estimate(WindArea& wind, const ProfileLoads& loads, const std::vector<StoreyPlan>& plans, int storey, Dir d) {
  const int storeys = static_cast<int>(plans.size());
  const double h1 = *loads.h1;
  const double h2 = storeys >= 2 ? *loads.h2 : 0.0;
  const double eaves = *loads.eaves;
  const double rise = *loads.rise;
  const double top = h1 + h2;
  wind.cut = (storey == 2 ? h1 : 0.0) + kWindCutHeight;
  const Span lower = SpanAcross(plans[0], d);
  AddPart(wind, WindPartKind::Wall, 1, lower.Width(), 0, h1);
  const Span roofed = storeys >= 2 ? SpanAcross(plans[1], d) : lower;
  if (storeys >= 2) AddPart(wind, WindPartKind::Wall, 2, roofed.Width(), h1, top);
  AddPart(wind, WindPartKind::Roof, storeys, roofed.Width() + 2 * eaves, top, top + rise);
  if (storeys >= 2 && plans[0].hasOpenPart) {
    // Taken as high as the main roof's rise (at most up to the 2F roof beams) wherever it
    // is not hidden behind the 2F walls.
    const Span eaved{lower.from - eaves, lower.to + eaves};
    AddPart(wind, WindPartKind::LowerRoof, 1, eaved.Width() - Overlap(eaved, roofed), h1, h1 + std::min(rise, h2));
  }
  double area = 0;
  for (const WindPart& part : wind.parts) area += part.area;
  wind.area = area;
}

}  // namespace

WindArea WindAreaOf(const BuildingProfile& profile, const ProfileLoads& loads, const std::vector<StoreyPlan>& plans,
                    int storey, Dir d) {
  WindArea wind;
  const std::optional<double>& entered = profile.windArea[storey][d];
  if (entered) {
    wind.area = *entered;
    wind.source = ValueSource::Entered;
    return wind;
  }
  wind.missing = EstimateNeeds(loads, static_cast<int>(plans.size()));
  if (wind.missing.Empty()) Estimate(wind, loads, plans, storey, d);
  return wind;
}

}  // namespace tvk
