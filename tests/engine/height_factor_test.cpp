// The storey-height factor of the N values (rules of April 2025): each A x B scaled by its
// storey's H/2.7 above 3.2 m, L never; the pull a storey-2 column passes down carries its
// own factor; a building without heights computes exactly as before. Worked by hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/full_calculation.h"
#include "engine/height_factor.h"
#include "engine/n_value.h"
#include "engine_results.h"
#include "model/profile_store.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

constexpr float kTol = 1e-5f;

void SetHeights(Building& b, std::optional<int> h1, std::optional<int> h2) {
  BuildingProfile p = ReadProfile(b);
  p.h1 = h1;
  p.h2 = h2;
  ASSERT_FALSE(WriteProfile(b, p).has_value());
}

TEST(HeightFactor, StoreysOfThreePointTwoMetresOrLessCountAsTwoPointSeven) {
  PlanBuilder p(2, 2, 2);
  EXPECT_EQ(HeightFactor(p.b, 1), 1.0f);
  EXPECT_EQ(HeightFactor(p.b, 2), 1.0f);
  SetHeights(p.b, 3200, 3201);
  EXPECT_EQ(HeightFactor(p.b, 1), 1.0f);
  EXPECT_FLOAT_EQ(HeightFactor(p.b, 2), 3.201f / 2.7f);
  SetHeights(p.b, 3300, std::nullopt);
  EXPECT_FLOAT_EQ(HeightFactor(p.b, 1), 3.3f / 2.7f);
  EXPECT_EQ(HeightFactor(p.b, 2), 1.0f);
}

// The published check: a top-storey corner column, A = 2.5, H = 3.3 m:
// N = 2.5 x 0.8 x 3.3/2.7 - 0.4 = 2.044 -> (と). Without the height it is 1.6 -> (ほ).
TEST(HeightFactor, PublishedCheckOfACornerColumn) {
  PlanBuilder p(1, 2, 2);
  p.Floor(1, 1, 1, 2, 2).Column(1, 1, 1).Sheathing(1, Dir::X, 1, 1, 1, 5);  // 2.5 on one side
  CalcResults calc = RunFullCalculation(p.b, true);
  EXPECT_NEAR(calc.Column(1, 1, 1).n[Dir::X], 1.6f, kTol);
  EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "(ほ)");
  SetHeights(p.b, 3300, std::nullopt);
  calc = RunFullCalculation(p.b, true);
  const ColumnResult& r = calc.Column(1, 1, 1);
  EXPECT_FLOAT_EQ(r.a[Dir::X], 2.5f);
  EXPECT_FLOAT_EQ(r.b, 0.8f);
  EXPECT_FLOAT_EQ(r.l, 0.4f);  // L is not scaled
  EXPECT_NEAR(r.n[Dir::X], 2.0444444f, kTol);
  EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "(と)");
}

struct StoreyPair {
  std::optional<int> h1, h2;
  float upperN, lowerN;
};

class StoreyOneUnderStoreyTwo : public testing::TestWithParam<StoreyPair> {};

// Interior storey-1 column, A1 = 2.0 (sheathing 2.0), B1 = 0.5, under an interior storey-2
// column, A2 = 1.5 (sheathing 1.5), B2 = 0.5; L = 1.6 (L method 0), storey 2: L = 0.6.
//   N2 = 1.5 x 0.5 x f2 - 0.6;   N1 = 1.5 x 0.5 x f2 + 2.0 x 0.5 x f1 - 1.6.
TEST_P(StoreyOneUnderStoreyTwo, EachProductCarriesItsOwnStoreysFactor) {
  const StoreyPair& c = GetParam();
  PlanBuilder p(2, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Floor(2, 1, 1, 4, 4).Column(3, 3, 1).Column(3, 3, 2);
  p.Sheathing(1, Dir::X, 3, 3, 1, 4).Sheathing(2, Dir::X, 3, 3, 1, 3);
  SetHeights(p.b, c.h1, c.h2);
  const CalcResults calc = RunFullCalculation(p.b, true);
  EXPECT_NEAR(calc.Column(3, 3, 2).n[Dir::X], c.upperN, kTol);
  EXPECT_NEAR(calc.Column(3, 3, 1).n[Dir::X], c.lowerN, kTol);
  EXPECT_FLOAT_EQ(calc.Column(3, 3, 1).l, 1.6f);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, StoreyOneUnderStoreyTwo,
    testing::Values(
        // No heights: 0.75 - 0.6 = 0.15; 0.75 + 1.0 - 1.6 = 0.15.
        StoreyPair{std::nullopt, std::nullopt, 0.15f, 0.15f},
        // Both at 3.2 m: still factor 1.
        StoreyPair{3200, 3200, 0.15f, 0.15f},
        // H1 3.0 below, H2 3.3 above: 0.75 x 1.2222 = 0.91667; N2 = 0.31667, N1 = 0.91667 + 1.0 - 1.6.
        StoreyPair{3000, 3300, 0.3166667f, 0.3166667f},
        // H1 3.5 above, H2 2.9 below: N1 = 0.75 + 1.0 x 3.5/2.7 (1.29630) - 1.6 = 0.44630.
        StoreyPair{3500, 2900, 0.15f, 0.4462963f},
        // Both 3.3: N1 = 0.91667 + 1.22222 - 1.6 = 0.53889.
        StoreyPair{3300, 3300, 0.3166667f, 0.5388889f},
        // H1 3.3 with H2 not given: storey 2 counts as 2.7.
        StoreyPair{3300, std::nullopt, 0.15f, 0.3722222f}));

// A storey-2 column at (2,1) without a storey-1 column stands on a 3.64 m storey-2 floor
// beam between storey-1 columns at (1,1) and (5,1), 0.91 m from (1,1). It has sheathing
// 2.0 on one side along X, B = 0.5, L = 0.6: pull A x B x f2 = 1.0 x 3.3/2.7 = 1.22222
// (L method 0) or 1.22222 - 0.6 = 0.62222 (method 1). (1,1) receives 0.75 of it, (5,1) 0.25;
// the height of storey 1 (3.5 m) plays no part in the pull.
TEST(HeightFactor, PullPassedDownCarriesTheStoreyTwoFactor) {
  struct Case {
    int lMethod;
    float near, far;
  };
  for (const Case c : {Case{0, 0.9166667f, 0.3055556f}, Case{1, 0.4666667f, 0.1555556f}}) {
    SCOPED_TRACE(c.lMethod);
    PlanBuilder p(2, 4, 1, 1, 0.91f);
    p.b.Settings.LMethod = c.lMethod;
    p.Floor(1, 1, 1, 4, 1).Floor(2, 1, 1, 4, 1);
    p.Column(1, 1, 1).Column(5, 1, 1).Column(2, 1, 2).Beam(2, Dir::X, 1, 1, 4).Sheathing(2, Dir::X, 2, 1, 1, 4);
    SetHeights(p.b, 3500, 3300);
    const CalcResults calc = RunFullCalculation(p.b, true);
    EXPECT_NEAR(calc.Column(1, 1, 1).deltaN[Dir::X], c.near, kTol);
    EXPECT_NEAR(calc.Column(5, 1, 1).deltaN[Dir::X], c.far, kTol);
  }
}

// Heights of 3.2 m or less, or none at all, leave every result bit for bit as it was.
TEST(HeightFactor, LowStoreysLeaveEveryResultUnchanged) {
  Building plain = test::TransmissionPlan();
  const CalcResults plainCalc = RunFullCalculation(plain, false);
  Building low = test::TransmissionPlan();
  SetHeights(low, 2900, 3200);
  const CalcResults lowCalc = RunFullCalculation(low, false);
  EXPECT_TRUE(std::ranges::equal(plainCalc.Columns(), lowCalc.Columns()));
  EXPECT_TRUE(test::PointsOf(plain) == test::PointsOf(low));
}

}  // namespace
}  // namespace tvk
