#include <gtest/gtest.h>

#include "report/figure_test_building.h"
#include "report/figures/plan_transform.h"

namespace tvk {
namespace {

constexpr double kPrintableWidth = 16.4;  // A4 portrait less 2.3 cm margins
constexpr double kAvailable = kPrintableWidth - 4.2;

struct ScaleCase {
  const char* name;
  int spansX;
  int spansY;
  double paperWidth;  // width of the plan on paper
  double paperDepth;
};

class PlanScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PlanScaleTest, PlanFitsTheSquareAlongItsLongerSide) {
  const ScaleCase& c = GetParam();
  Building b = test::EmptyFigureBuilding(c.spansX, c.spansY, 1).b;
  const PlanTransform t = MakePlanTransform(b, 1.0, kPrintableWidth, 0.5);
  const PagePoint origin = t.At(b, 1, 1);
  const PagePoint far = t.At(b, b.PointsX(), b.PointsY());
  EXPECT_NEAR(far.x - origin.x, c.paperWidth, 1e-5);
  EXPECT_NEAR(origin.y - far.y, c.paperDepth, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Plans, PlanScaleTest,
                         ::testing::Values(ScaleCase{"Square", 10, 10, kAvailable, kAvailable},
                                           ScaleCase{"TwiceAsDeep", 8, 16, kAvailable / 2, kAvailable},
                                           ScaleCase{"TwiceAsWide", 16, 8, kAvailable, kAvailable / 2}),
                         [](const auto& info) { return info.param.name; });

TEST(PlanTransformTest, OriginSitsOnTheFixedLineAndModelYGrowsUpwards) {
  Building b = test::EmptyFigureBuilding(4, 4, 2).b;
  const double chapterY = 1.2, lp = 0.5;
  const PlanTransform t = MakePlanTransform(b, chapterY, kPrintableWidth, lp);
  EXPECT_DOUBLE_EQ(t.x0, 3.0);
  EXPECT_DOUBLE_EQ(t.y0, chapterY + kPrintableWidth - 2.3 - lp / 2);
  const PagePoint origin = t.At(b, 1, 1);
  EXPECT_DOUBLE_EQ(origin.x, 3.0);
  EXPECT_DOUBLE_EQ(origin.y, t.y0);
  EXPECT_LT(t.At(b, 1, 2).y, origin.y);
  EXPECT_GT(t.At(b, 2, 1).x, origin.x);
}

}  // namespace
}  // namespace tvk
