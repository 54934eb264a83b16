#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/centre_marks.h"
#include "engine/quarter_check.h"
#include "engine/storey_plan.h"
#include "export/label_space.h"
#include "export/plan_frame.h"
#include "export/plan_parts.h"

namespace tvk {

namespace {

// Centre marks: the canvas's marks at 1:100.
constexpr double kGravityOuter = 300;
constexpr double kGravityInner = 100;
constexpr double kCrossHalf = 200;
constexpr double kCentreLabelOffset = 300;

// A centre's name at the corners beside its mark, those facing away from the other mark
// first (so that it does not seem to name that one), then twice and three times as far.
std::vector<PlanText> NamePlaces(DxfPoint c, std::optional<DxfPoint> other, const char* name) {
  const DxfPoint away = other ? DxfPoint{c.x - other->x, c.y - other->y} : DxfPoint{1, 1};
  std::array<DxfPoint, 4> corners = {{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
  std::stable_sort(corners.begin(), corners.end(),
                   [&](DxfPoint a, DxfPoint b) { return a.x * away.x + a.y * away.y > b.x * away.x + b.y * away.y; });
  std::vector<PlanText> places;
  for (const double k : {kCentreLabelOffset, 2 * kCentreLabelOffset, 3 * kCentreLabelOffset}) {
    for (const DxfPoint corner : corners) {
      places.push_back({{c.x + corner.x * k, c.y + corner.y * k},
                        name,
                        kDxfLabelHeight,
                        corner.x > 0 ? HAlign::Left : HAlign::Right,
                        corner.y > 0 ? VAlign::Bottom : VAlign::Top,
                        0});
    }
  }
  return places;
}

void Frame(PlanDrawing& drawing, DxfPoint c, PlanSpot half, int colour) {
  const double w = half.x * kMmPerM;
  const double h = half.y * kMmPerM;
  if (w <= 0 || h <= 0) return;
  drawing.Outline(PlanLayer::Centre, {{c.x - w, c.y - h}, {c.x + w, c.y - h}, {c.x + w, c.y + h}, {c.x - w, c.y + h}},
                  colour);
}

}  // namespace

void AddQuarterStrips(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels, const StoreyPlan& plan, Dir d,
                      const QuarterDirection& quarters) {
  // Force along X: strips across Y, running the storey's length along X; along Y the reverse.
  const CellRange& along = plan.extent[d];
  const double start = (along.first - 1) * plan.cellSide;
  const double end = along.last * plan.cellSide;
  for (const QuarterStrip& strip : quarters.strips) {
    if (strip.to <= strip.from || along.Empty()) continue;
    const DxfPoint low = d == Dir::X ? frame.Spot(start, strip.from) : frame.Spot(strip.from, start);
    const DxfPoint high = d == Dir::X ? frame.Spot(end, strip.to) : frame.Spot(strip.to, end);
    const int colour = strip.Satisfied() ? kByLayer : kRed;
    drawing.Outline(PlanLayer::Quarter, {low, {high.x, low.y}, high, {low.x, high.y}}, colour);
    std::vector<PlanText> places;
    for (const double share : {0.5, 0.25, 0.75}) {
      const DxfPoint at = d == Dir::X ? DxfPoint{low.x + share * (high.x - low.x), (low.y + high.y) / 2}
                                      : DxfPoint{(low.x + high.x) / 2, low.y + share * (high.y - low.y)};
      places.push_back(
          {at, QuarterStripText(d, strip), kDxfLabelHeight, HAlign::Centre, VAlign::Middle, d == Dir::X ? 0.0 : 90.0});
    }
    drawing.Text(PlanLayer::Quarter, labels.Place(places), colour);
  }
}

void AddCentreMarks(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels, const StoreyBalance& balance) {
  const std::optional<CentreMarks> marks = CentreMarksOf(balance);
  if (!marks) return;
  // The names keep clear of both marks.
  std::optional<DxfPoint> g, r;
  if (marks->gravity) g = frame.Spot(marks->gravity->x, marks->gravity->y);
  if (marks->rigidity) r = frame.Spot(marks->rigidity->x, marks->rigidity->y);
  if (g)
    labels.Occupy(LabelBox{g->x - kGravityOuter, g->y - kGravityOuter, g->x + kGravityOuter, g->y + kGravityOuter});
  if (r) labels.Occupy(LabelBox{r->x - kCrossHalf, r->y - kCrossHalf, r->x + kCrossHalf, r->y + kCrossHalf});
  if (g) {
    drawing.Circle(PlanLayer::Centre, *g, kGravityOuter);
    drawing.Circle(PlanLayer::Centre, *g, kGravityInner);
    drawing.Text(PlanLayer::Centre, labels.Place(NamePlaces(*g, r, "重心")));
    Frame(drawing, *g, marks->inner, kYellow);
    Frame(drawing, *g, marks->outer, kRed);
  }
  if (r) {
    const double k = kCrossHalf;
    drawing.Line(PlanLayer::Centre, {r->x - k, r->y - k}, {r->x + k, r->y + k});
    drawing.Line(PlanLayer::Centre, {r->x - k, r->y + k}, {r->x + k, r->y - k});
    drawing.Text(PlanLayer::Centre, labels.Place(NamePlaces(*r, g, "剛心")));
  }
}

}  // namespace tvk
