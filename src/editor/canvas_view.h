#pragma once
// How the plan canvas shows the logical page on the screen: one scale for both axes, so
// grid cells stay square whatever the window's shape; the whole plan fitted into the
// viewport at zoom 1 ("全体表示") and zoom x that size otherwise; the point under the
// cursor kept in place when the zoom changes; a wheel notch scrolling about one grid.

#include <array>

#include "editor/canvas_geometry.h"

namespace tvk {

class Building;

// A rectangle in canvas units (y downwards).
struct CanvasRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;

  bool operator==(const CanvasRect&) const = default;
};

// The part of the logical page the plan uses: the grid at the plan scale with the page's
// margins (where the grid line names stand) on every side, from the page's bottom-left
// corner, where the plan is drawn from.
CanvasRect PlanContent(const Building& building);
// The whole logical page, for a building without a grid.
CanvasRect WholePage();

// The box the canvas draws into (pixels) and how canvas units map onto it: box pixel =
// units x scale + offset. The offsets are whole pixels, so the page's corner lies on a
// pixel's corner and scrolling moves the picture by whole pixels.
struct CanvasView {
  double scale = 1;    // box pixels per canvas unit, on both axes
  double offsetX = 0;  // box pixels of the page's top-left corner
  double offsetY = 0;
  int width = 1;  // box size in pixels
  int height = 1;

  bool operator==(const CanvasView&) const = default;

  // At zoom 1 the content just fits the viewport; at zoom z it is z times that size. The
  // box is never smaller than the viewport, and the content is centred (to the nearest
  // pixel) where it is smaller than the box.
  static CanvasView Fit(const CanvasRect& content, int viewportWidth, int viewportHeight, double zoom);
  // Box pixels of canvas units, and back.
  std::array<double, 2> ToBox(CanvasPos at) const;
  CanvasPos ToUnits(double boxX, double boxY) const;
};

// The scroll position (box pixels at the viewport's top-left corner) that shows a canvas
// position at a viewport point, kept within the box.
std::array<int, 2> ScrollToShow(const CanvasView& view, CanvasPos at, double viewportX, double viewportY,
                                int viewportWidth, int viewportHeight);

// The zoom factor `steps` entries of the zoom list away from `factor` (the list's ends stop it).
double ZoomStep(double factor, int steps);

// Pixels one grid (GridPitch) takes on the screen: what a wheel notch scrolls.
double GridPixels(const Building& building, const CanvasView& view);

}  // namespace tvk
