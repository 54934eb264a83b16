#pragma once
// Plan canvas geometry: the logical page in canvas units, plan metres <-> canvas
// units, snapping a cursor to a grid point, dragged rectangles to grid indices, zoom.

#include <array>
#include <optional>
#include <string>

#include "model/grid_types.h"

namespace tvk {

class Building;

constexpr double kUnitsPerCm = 567.0;
constexpr double kPlanWidthCm = 29.7;
constexpr double kPlanHeightCm = 21.0;
constexpr double kMarginCm = 3.0;
constexpr double kPageWidthCm = kPlanWidthCm + 2 * kMarginCm;    // 35.7
constexpr double kPageHeightCm = kPlanHeightCm + 2 * kMarginCm;  // 27.0
constexpr double kCanvasWidth = kPageWidthCm * kUnitsPerCm;
constexpr double kCanvasHeight = kPageHeightCm * kUnitsPerCm;
constexpr int kRubberBandWidth = 2;

// A position on the canvas in canvas units (Y grows downwards).
struct CanvasPos {
  double x = 0;
  double y = 0;

  bool operator==(const CanvasPos&) const = default;
};

// A rectangle of grid indices, x1 <= x2 and y1 <= y2.
struct GridRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  // The corner of the lowest indices.
  GridPos Low() const { return {x1, y1}; }
  // The first and last index along d.
  int First(Dir d) const { return d == Dir::X ? x1 : y1; }
  int Last(Dir d) const { return d == Dir::X ? x2 : y2; }

  bool operator==(const GridRect&) const = default;
};

// Cm of the logical page per metre of building: the whole grid fits the plan area.
double PlanScale(const Building& building);

// Mapping between plan metres (y upwards) and canvas units for one plan scale.
struct CanvasGeometry {
  double scale = 1.0;

  static CanvasGeometry For(const Building& building) { return CanvasGeometry{PlanScale(building)}; }
  CanvasPos ToCanvas(double x, double y) const;
  // Plan metres of a canvas position, as {x, y}.
  std::array<double, 2> FromCanvas(CanvasPos at) const;
};

struct SnapResult {
  GridPos at;
  bool inside = false;
  CanvasPos pos;  // the grid point's canvas position; the raw position when not snapped
};

// Nearest grid point of a canvas position (inside the grid or not).
SnapResult Snap(const Building& building, const CanvasGeometry& geometry, CanvasPos at);
// Group-delete variant: indices clamped into the grid, always inside, raw position kept.
SnapResult SnapForGroupDelete(const Building& building, const CanvasGeometry& geometry, CanvasPos at);

// Grid points inside a dragged rectangle; nullopt when the rectangle holds no grid point
// along one of the axes.
std::optional<GridRect> RectToGrid(const Building& building, const CanvasGeometry& geometry, CanvasPos a, CanvasPos b);

// ---- zoom -------------------------------------------------------------------
struct ZoomLevel {
  const char* text;
  double factor;
};
// The zoom list, "全体表示" first; the zoom pop-up offers the first four.
extern const std::array<ZoomLevel, 6> kZoomLevels;

}  // namespace tvk
