#include "editor/canvas_geometry.h"

#include <algorithm>

#include "editor/numeric.h"
#include "model/building.h"

namespace tvk {

const std::array<ZoomLevel, 6> kZoomLevels = {{
    {"全体表示", 1.0},
    {"120(%)", 1.2},
    {"150(%)", 1.5},
    {"200(%)", 2.0},
    {"250(%)", 2.5},
    {"300(%)", 3.0},
}};

double PlanScale(const Building& building) {
  const double pitch = building.SubPitch();
  return std::min(kPlanWidthCm / (pitch * building.SpansX()), kPlanHeightCm / (pitch * building.SpansY()));
}

CanvasPos CanvasGeometry::ToCanvas(double x, double y) const {
  return CanvasPos{static_cast<double>(RoundHalfEven((x * scale + kMarginCm) * kUnitsPerCm)),
                   kCanvasHeight - RoundHalfEven((y * scale + kMarginCm) * kUnitsPerCm)};
}

std::array<double, 2> CanvasGeometry::FromCanvas(CanvasPos at) const {
  return {(at.x / kUnitsPerCm - kMarginCm) / scale, ((kCanvasHeight - at.y) / kUnitsPerCm - kMarginCm) / scale};
}

namespace {

// Index of the grid point nearest to a plan coordinate.
int NearestIndex(double coordinate, double pitch) { return RoundHalfEven(coordinate / pitch + 1.0); }

SnapResult SnapIndices(const Building& building, const CanvasGeometry& geometry, CanvasPos at) {
  const auto [x, y] = geometry.FromCanvas(at);
  SnapResult result;
  result.at = GridPos{NearestIndex(x, building.SubPitch()), NearestIndex(y, building.SubPitch())};
  result.pos = at;
  return result;
}

struct AxisRange {
  int low = 0;
  int high = 0;
};

// Grid points whose coordinate lies within [low, high] on one axis of `points` points.
std::optional<AxisRange> AxisToGrid(double low, double high, double pitch, int points) {
  AxisRange range{RoundHalfEven(low / pitch + 1.5), RoundHalfEven(high / pitch + 0.5)};
  const bool beforeGrid = range.low < 1 && range.high < 1;
  const bool afterGrid = range.low > points && range.high > points;
  // A rectangle narrower than a pitch between two grid points holds none of them.
  if (beforeGrid || afterGrid || range.low > range.high) return std::nullopt;
  range.low = std::clamp(range.low, 1, points);
  range.high = std::clamp(range.high, 1, points);
  return range;
}

}  // namespace

SnapResult Snap(const Building& building, const CanvasGeometry& geometry, CanvasPos at) {
  SnapResult result = SnapIndices(building, geometry, at);
  result.inside = building.Contains(result.at, 1);
  if (result.inside) {
    const PointCoord& c = building.Coord(result.at, 1);
    result.pos = geometry.ToCanvas(c.x, c.y);
  }
  return result;
}

SnapResult SnapForGroupDelete(const Building& building, const CanvasGeometry& geometry, CanvasPos at) {
  SnapResult result = SnapIndices(building, geometry, at);
  result.at = GridPos{std::clamp(result.at.i, 1, building.PointsX()), std::clamp(result.at.j, 1, building.PointsY())};
  result.inside = true;
  return result;
}

std::optional<GridRect> RectToGrid(const Building& building, const CanvasGeometry& geometry, CanvasPos a, CanvasPos b) {
  const auto pa = geometry.FromCanvas(a);
  const auto pb = geometry.FromCanvas(b);
  const double pitch = building.SubPitch();
  const auto xs = AxisToGrid(std::min(pa[0], pb[0]), std::max(pa[0], pb[0]), pitch, building.PointsX());
  const auto ys = AxisToGrid(std::min(pa[1], pb[1]), std::max(pa[1], pb[1]), pitch, building.PointsY());
  if (!xs || !ys) return std::nullopt;
  return GridRect{xs->low, ys->low, xs->high, ys->high};
}

}  // namespace tvk
