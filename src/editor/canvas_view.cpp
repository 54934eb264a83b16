#include "editor/canvas_view.h"

#include <algorithm>
#include <cmath>

#include "model/building.h"

namespace tvk {

CanvasRect PlanContent(const Building& building) {
  const double scale = PlanScale(building);
  const double pitch = building.SubPitch();
  const double width = (pitch * building.SpansX() * scale + 2 * kMarginCm) * kUnitsPerCm;
  const double height = (pitch * building.SpansY() * scale + 2 * kMarginCm) * kUnitsPerCm;
  return {0, kCanvasHeight - height, width, height};
}

CanvasRect WholePage() { return {0, 0, kCanvasWidth, kCanvasHeight}; }

CanvasView CanvasView::Fit(const CanvasRect& content, int viewportWidth, int viewportHeight, double zoom) {
  const int vw = std::max(1, viewportWidth);
  const int vh = std::max(1, viewportHeight);
  CanvasView view;
  view.scale = std::min(vw / content.width, vh / content.height) * zoom;
  // A hair over a whole pixel is rounding, not a pixel more.
  const auto pixels = [&view](double units) { return static_cast<int>(std::ceil(units * view.scale - 1e-6)); };
  view.width = std::max(vw, pixels(content.width));
  view.height = std::max(vh, pixels(content.height));
  view.offsetX = std::round((view.width - content.width * view.scale) / 2 - content.x * view.scale);
  view.offsetY = std::round((view.height - content.height * view.scale) / 2 - content.y * view.scale);
  return view;
}

std::array<double, 2> CanvasView::ToBox(CanvasPos at) const { return {at.x * scale + offsetX, at.y * scale + offsetY}; }

CanvasPos CanvasView::ToUnits(double boxX, double boxY) const {
  return {(boxX - offsetX) / scale, (boxY - offsetY) / scale};
}

std::array<int, 2> ScrollToShow(const CanvasView& view, CanvasPos at, double viewportX, double viewportY,
                                int viewportWidth, int viewportHeight) {
  const auto [bx, by] = view.ToBox(at);
  const auto clamp = [](double value, int room) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, std::max(0, room));
  };
  return {clamp(bx - viewportX, view.width - viewportWidth), clamp(by - viewportY, view.height - viewportHeight)};
}

double ZoomStep(double factor, int steps) {
  size_t k = 0;
  while (k + 1 < kZoomLevels.size() && kZoomLevels[k].factor < factor) ++k;
  const int next = std::clamp(static_cast<int>(k) + steps, 0, static_cast<int>(kZoomLevels.size()) - 1);
  return kZoomLevels[static_cast<size_t>(next)].factor;
}

double GridPixels(const Building& building, const CanvasView& view) {
  return building.Info.GridPitch * PlanScale(building) * kUnitsPerCm * view.scale;
}

}  // namespace tvk
