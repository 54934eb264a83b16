#include <gtest/gtest.h>

#include "report/figure_test_building.h"
#include "report/figures/elevation_transform.h"
#include "report/figures/frame_selection.h"

namespace tvk {
namespace {

constexpr double kPrintableWidth = 16.4;

struct ScaleCase {
  const char* name;
  int spansX;
  int spansY;
  double expected;
};

class ReportElevationScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ReportElevationScaleTest, ScaleComesFromTheLargerExtentCappedAtOnePointFive) {
  const ScaleCase& c = GetParam();
  const Building b = test::EmptyFigureBuilding(c.spansX, c.spansY, 2).b;
  EXPECT_NEAR(ReportElevationScale(b, kPrintableWidth), c.expected, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Buildings, ReportElevationScaleTest,
    ::testing::Values(ScaleCase{"SmallBuildingIsCapped", 4, 4, 1.5},
                      ScaleCase{"WideBuilding", 24, 8, (kPrintableWidth - 0.7 * 2.3) / (12 * 0.91)},
                      ScaleCase{"DeepBuilding", 8, 30, (kPrintableWidth - 0.7 * 2.3) / (15 * 0.91)}),
    [](const auto& info) { return info.param.name; });

TEST(ElevationTransformTest, ReportValuesAndStoreyLevels) {
  const Building b = test::EmptyFigureBuilding(20, 10, 2).b;
  ElevationTransform t = ReportElevationTransform(b, 0.0, kPrintableWidth);
  t.ey = 10.0;
  EXPECT_DOUBLE_EQ(t.ex0, 0.9);
  EXPECT_DOUBLE_EQ(t.sh, 1.8);
  EXPECT_DOUBLE_EQ(t.mt, 0.1);
  const PagePoint top = t.Map(0.91, 2);
  EXPECT_NEAR(top.x, 0.9 + t.h * 0.91, 1e-9);
  EXPECT_DOUBLE_EQ(top.y, 10.0 - 3.6);
}

TEST(ElevationTransformTest, WindowFrameFillsTheLandscapePage) {
  const Building b = test::EmptyFigureBuilding(8, 12, 2).b;
  const double width = 29.7 - 2.0 - 2.2, height = 21.0 - 4.0;
  const FrameRef xLine{Dir::X, 3};  // runs along Y: 12 spans
  const ElevationTransform t = WindowElevationTransform(b, xLine, width, height);
  EXPECT_DOUBLE_EQ(t.ex0, 1.5);
  EXPECT_DOUBLE_EQ(t.ey, height);
  EXPECT_NEAR(t.Map(FramePosition(b, xLine, FramePoints(b, xLine)), 0).x, width - 4.0 + 1.5, 1e-5);
  EXPECT_GE(t.ey - 2 * t.sh, 4.0);  // room above for the title and labels
}

TEST(FrameSelectionTest, MarkedXLinesFirstThenYLines) {
  test::PlanBuilder plan(2, 4, 4);
  plan.Brace(2, Dir::X, 1, 5, 2, 2, test::kRisesToHigher)  // Y line 5
      .Sheathing(1, Dir::Y, 3, 1, 2, 5)                    // X line 3
      .Brace(1, Dir::Y, 1, 1, 1, 3, test::kCrossed);       // X line 1
  const auto [b, calc] = test::Figures(plan);
  const std::vector<FrameRef> expected{{Dir::X, 1}, {Dir::X, 3}, {Dir::Y, 5}};
  EXPECT_EQ(ReportFrames(b, calc), expected);
}

TEST(FrameSelectionTest, FramesPerPageByStoreys) {
  EXPECT_EQ(FramesPerPage(1), 6);
  EXPECT_EQ(FramesPerPage(2), 4);
}

}  // namespace
}  // namespace tvk
