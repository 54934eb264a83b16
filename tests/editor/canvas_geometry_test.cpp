// Canvas geometry: plan scale, snapping, dragged rectangles, zoom box sizes.

#include <gtest/gtest.h>

#include "editor/canvas_geometry.h"
#include "editor/numeric.h"
#include "support/grid_print.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

TEST(PlanScale, SmallerRatioWinsSoTheWholeGridFits) {
  PlanBuilder square(2, 20, 20);  // 9.1 m square
  EXPECT_NEAR(PlanScale(square.b), 21.0 / 9.1, 1e-6);
  EXPECT_NEAR(PlanScale(square.b), 2.3077, 1e-4);
  PlanBuilder wide(2, 60, 10);  // 27.3 m x 4.55 m: the width limits
  EXPECT_NEAR(PlanScale(wide.b), 29.7 / 27.3, 1e-6);
}

TEST(CanvasGeometry, ToCanvasAndBackAgree) {
  const CanvasGeometry g{2.0};
  const CanvasPos origin = g.ToCanvas(0, 0);
  EXPECT_EQ(origin, (CanvasPos{3.0 * 567, 27.0 * 567 - 3.0 * 567}));
  const CanvasPos p = g.ToCanvas(1.5, 2.25);  // y grows downwards on the canvas
  EXPECT_LT(p.y, origin.y);
  const auto back = g.FromCanvas(p);
  EXPECT_NEAR(back[0], 1.5, 1e-3);
  EXPECT_NEAR(back[1], 2.25, 1e-3);
}

// A grid of 1 m grids with 2 divisions at scale 1: canvas positions of quarter metres
// are exact, so the half-pitch cases test the rounding rule itself.
struct SnapCase {
  double x, y;  // plan metres
  int i, j;
  bool inside;
};

class SnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTest, RoundsHalfPitchToEvenIndex) {
  PlanBuilder plan(1, 4, 4, 2, 1.0f);
  const CanvasGeometry g{1.0};
  const SnapCase c = GetParam();
  const CanvasPos raw{(c.x + kMarginCm) * kUnitsPerCm, kCanvasHeight - (c.y + kMarginCm) * kUnitsPerCm};
  const SnapResult s = Snap(plan.b, g, raw);
  EXPECT_EQ(s.at, (GridPos{c.i, c.j}));
  EXPECT_EQ(s.inside, c.inside);
  if (c.inside) {
    EXPECT_EQ(s.pos, g.ToCanvas(0.5 * (c.i - 1), 0.5 * (c.j - 1)));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SnapTest,
                         ::testing::Values(SnapCase{0.25, 0.0, 2, 1, true},   // half a pitch -> 2
                                           SnapCase{0.75, 0.0, 2, 1, true},   // 1.5 pitches -> 2
                                           SnapCase{1.25, 0.75, 4, 2, true},  // 2.5 -> 4, 1.5 -> 2
                                           SnapCase{0.0, 0.26, 1, 2, true},
                                           SnapCase{-0.3, 0.0, 0, 1, false},   // left of the grid
                                           SnapCase{2.0, 2.3, 5, 6, false}));  // above the grid

TEST(SnapForGroupDelete, ClampsAndKeepsTheRawPosition) {
  PlanBuilder plan(1, 4, 4, 2, 1.0f);
  const CanvasGeometry g{1.0};
  const CanvasPos raw = g.ToCanvas(-2.0, 9.0);
  const SnapResult s = SnapForGroupDelete(plan.b, g, raw);
  EXPECT_TRUE(s.inside);
  EXPECT_EQ(s.at, (GridPos{1, 5}));
  EXPECT_EQ(s.pos, raw);
}

struct RectCase {
  double x1, y1, x2, y2;  // plan metres of the two corners
  bool valid;
  GridRect rect;
};

class RectToGridTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(RectToGridTest, TakesTheGridPointsInsideTheRectangle) {
  PlanBuilder plan(1, 4, 4, 2, 1.0f);  // points at 0, 0.5 .. 2.0 m
  const CanvasGeometry g{1.0};
  const RectCase c = GetParam();
  const auto rect = RectToGrid(plan.b, g, g.ToCanvas(c.x1, c.y1), g.ToCanvas(c.x2, c.y2));
  ASSERT_EQ(rect.has_value(), c.valid);
  if (c.valid) {
    EXPECT_EQ(*rect, c.rect);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RectToGridTest,
    ::testing::Values(RectCase{0.4, 0.1, 1.1, 0.6, true, {2, 2, 3, 2}},    // points at 0.5, 1.0 and 0.5
                      RectCase{1.1, 0.6, 0.4, 0.1, true, {2, 2, 3, 2}},    // corners in any order
                      RectCase{-1.0, -1.0, 9.0, 9.0, true, {1, 1, 5, 5}},  // clamped to the grid
                      RectCase{-3.0, 0.1, -1.0, 1.0, false, {}},           // wholly left of the grid
                      RectCase{0.1, 2.6, 1.0, 4.0, false, {}},             // wholly above it
                      RectCase{0.1, 0.1, 0.4, 0.4, false, {}}));           // between grid points

TEST(NumericHelpers, RoundHalfEvenAndTextValues) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_DOUBLE_EQ(NumericValue("1.5%"), 1.5);
  EXPECT_DOUBLE_EQ(NumericValue("  12abc"), 12.0);
  EXPECT_DOUBLE_EQ(NumericValue("-3"), -3.0);
  EXPECT_DOUBLE_EQ(NumericValue(".5"), 0.5);
  EXPECT_DOUBLE_EQ(NumericValue("abc"), 0.0);
  EXPECT_DOUBLE_EQ(NumericValue(""), 0.0);
  EXPECT_DOUBLE_EQ(NumericValue("1e400"), 0.0);
}

}  // namespace
}  // namespace tvk
