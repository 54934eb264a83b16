// The canvas view: square grid cells in every window shape, the whole plan in sight at
// "全体表示", the point under the cursor kept when zooming, a grid per wheel notch.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "editor/canvas_view.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

constexpr double kUnitsPerMm = kUnitsPerCm / 10;

TEST(CanvasView, ContentIsTheGridWithItsMarginsFromTheBottomLeft) {
  // 20 x 10 spans of 0.455 m: 9.1 m x 4.55 m at 29.7 / 9.1 cm per m, 29.7 x 14.85 cm.
  test::PlanBuilder plan(1, 20, 10);
  const CanvasRect content = PlanContent(plan.b);
  EXPECT_NEAR(content.width, 35.7 * kUnitsPerCm, 1e-6);
  EXPECT_NEAR(content.height, 20.85 * kUnitsPerCm, 1e-6);
  EXPECT_NEAR(content.y + content.height, kCanvasHeight, 1e-6);
  EXPECT_EQ(content.x, 0);
}

struct ShapeCase {
  int viewportWidth;
  int viewportHeight;
};

TEST(CanvasView, CellsStaySquareAndTheWholePlanFitsAtZoomOne) {
  test::PlanBuilder plan(2, 8, 6);
  const CanvasRect content = PlanContent(plan.b);
  for (const ShapeCase c : {ShapeCase{1000, 760}, ShapeCase{400, 900}, ShapeCase{1600, 300}, ShapeCase{37, 41}}) {
    const CanvasView view = CanvasView::Fit(content, c.viewportWidth, c.viewportHeight, 1.0);
    EXPECT_EQ(view.width, c.viewportWidth);
    EXPECT_EQ(view.height, c.viewportHeight);
    const auto [left, top] = view.ToBox({content.x, content.y});
    const auto [right, bottom] = view.ToBox({content.x + content.width, content.y + content.height});
    EXPECT_GE(left, -0.5);
    EXPECT_GE(top, -0.5);
    EXPECT_LE(right, c.viewportWidth + 0.5);
    EXPECT_LE(bottom, c.viewportHeight + 0.5);
    // Centred along the axis with room to spare; touching the edges along the other.
    EXPECT_NEAR(left, c.viewportWidth - right, 1.0);
    EXPECT_NEAR(top, c.viewportHeight - bottom, 1.0);
    EXPECT_TRUE(left < 0.5 || top < 0.5);
    // The page's corner on a pixel's corner.
    EXPECT_EQ(view.offsetX, std::round(view.offsetX));
    EXPECT_EQ(view.offsetY, std::round(view.offsetY));
    // One millimetre of the page is as wide as it is high: a grid cell is square.
    const auto [x0, y0] = view.ToBox({0, 0});
    const auto [x1, y1] = view.ToBox({kUnitsPerMm, kUnitsPerMm});
    EXPECT_NEAR(x1 - x0, y1 - y0, 1e-9);
  }
}

TEST(CanvasView, ZoomScalesTheFittedViewAndUnitsMapBack) {
  test::PlanBuilder plan(2, 8, 6);
  const CanvasRect content = PlanContent(plan.b);
  const CanvasView whole = CanvasView::Fit(content, 1000, 760, 1.0);
  const CanvasView doubled = CanvasView::Fit(content, 1000, 760, 2.0);
  EXPECT_DOUBLE_EQ(doubled.scale, 2 * whole.scale);
  // Twice the viewport along the axis the plan fills.
  EXPECT_NEAR(std::max(doubled.width / 2000.0, doubled.height / 1520.0), 1.0, 0.002);
  const CanvasPos at{5000, 9000};
  const auto [bx, by] = doubled.ToBox(at);
  const CanvasPos back = doubled.ToUnits(bx, by);
  EXPECT_NEAR(back.x, at.x, 1e-9);
  EXPECT_NEAR(back.y, at.y, 1e-9);
}

TEST(CanvasView, ScrollingShowsAPointAtTheCursorWithinTheBox) {
  test::PlanBuilder plan(2, 8, 6);
  const CanvasView view = CanvasView::Fit(PlanContent(plan.b), 1000, 760, 3.0);
  const CanvasPos at = view.ToUnits(1700, 900);
  const auto [sx, sy] = ScrollToShow(view, at, 300, 200, 1000, 760);
  EXPECT_EQ(sx, 1400);
  EXPECT_EQ(sy, 700);
  // Near the box's corner the scroll stops at its ends.
  EXPECT_EQ(ScrollToShow(view, view.ToUnits(10, 10), 500, 500, 1000, 760), (std::array<int, 2>{0, 0}));
  const auto far = ScrollToShow(view, view.ToUnits(view.width - 1, view.height - 1), 0, 0, 1000, 760);
  EXPECT_EQ(far, (std::array<int, 2>{view.width - 1000, view.height - 760}));
}

TEST(CanvasView, ZoomStepsAlongTheListAndStopsAtItsEnds) {
  EXPECT_EQ(kZoomLevels[0].text, std::string("全体表示"));
  EXPECT_EQ(ZoomStep(1.0, 1), 1.2);
  EXPECT_EQ(ZoomStep(1.5, 2), 2.5);
  EXPECT_EQ(ZoomStep(2.0, -1), 1.5);
  EXPECT_EQ(ZoomStep(3.0, 1), 3.0);
  EXPECT_EQ(ZoomStep(1.0, -3), 1.0);
}

TEST(CanvasView, AWheelNotchScrollsOneGrid) {
  test::PlanBuilder plan(2, 8, 6);  // 0.91 m grids of two divisions
  const CanvasView view = CanvasView::Fit(PlanContent(plan.b), 1000, 760, 2.0);
  const auto [x0, y0] = view.ToBox(CanvasGeometry::For(plan.b).ToCanvas(0, 0));
  const auto [x1, y1] = view.ToBox(CanvasGeometry::For(plan.b).ToCanvas(0.91, 0));
  EXPECT_NEAR(GridPixels(plan.b, view), x1 - x0, 1.5);
  EXPECT_GT(GridPixels(plan.b, view), 150);  // at 200 % on a 1000-pixel view
}

}  // namespace
}  // namespace tvk
