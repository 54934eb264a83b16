// Storey eccentricity: centres of gravity and rigidity, ratios, and how they are shown.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/eccentricity.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::PlanBuilder;

TEST(Eccentricity, WorkedStorey) {
  // 4 x 4 half-grid cells of 0.455 m. X walls of 0.91 m (sheathing 1.0) on y = 0 and
  // y = 1.82, a Y wall of 0.91 m on x = 0 only.
  PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 4, 4);
  p.Sheathing(1, kDirX, 1, 1, 2, 2).Sheathing(1, kDirX, 3, 5, 2, 2).Sheathing(1, kDirY, 1, 2, 2, 2);
  UpdateEccentricity(p.b);
  const StoreyBalance& s = p.b.Balance[0];
  EXPECT_NEAR(s.Gravity[0], 0.91f, 1e-6);
  EXPECT_NEAR(s.Gravity[1], 0.91f, 1e-6);
  EXPECT_NEAR(s.Stiffness[0], 1.82f, 1e-6);
  EXPECT_NEAR(s.Stiffness[1], 0.91f, 1e-6);
  ASSERT_EQ(s.LineStiffness[0].size(), 5u);
  ASSERT_EQ(s.LineStiffness[1].size(), 5u);
  EXPECT_NEAR(s.LineStiffness[0][0], 0.91f, 1e-6);
  EXPECT_NEAR(s.LineStiffness[0][4], 0.91f, 1e-6);
  EXPECT_NEAR(s.LineStiffness[1][0], 0.91f, 1e-6);
  EXPECT_NEAR(s.Rigidity[0], 0.91f, 1e-6);
  EXPECT_NEAR(s.Rigidity[1], 0.0f, 1e-6);
  EXPECT_NEAR(s.RigidityMoment[0], 0.91f * 1.82f, 1e-6);
  EXPECT_NEAR(s.Torsion[0], 2 * 0.91 * 0.91 * 0.91, 1e-5);
  EXPECT_NEAR(s.Torsion[1], 0.0f, 1e-6);
  EXPECT_NEAR(s.ElasticRadius[0], 0.91f, 1e-5);
  EXPECT_NEAR(s.ElasticRadius[1], std::sqrt(2 * 0.91 * 0.91), 1e-5);
  EXPECT_NEAR(s.EccDistance[0], 0.0f, 1e-6);
  EXPECT_NEAR(s.EccDistance[1], 0.91f, 1e-6);
  EXPECT_NEAR(s.EccRatio[1], 1 / std::sqrt(2.0), 1e-5);
}

TEST(Eccentricity, NoWallsAlongXShowsDashes) {
  PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Sheathing(1, kDirY, 1, 1, 2, 2);
  UpdateEccentricity(p.b);
  const StoreyBalance& s = p.b.Balance[0];
  EXPECT_EQ(s.Stiffness[0], 0.0f);
  EXPECT_EQ(s.Rigidity[0], 0.0f);
  EXPECT_EQ(s.EccRatio[0], 0.0f);
  const EccentricityText x = FormatEccentricity(s, kDirX);
  EXPECT_EQ(x.rigidity, "0.000m");
  EXPECT_EQ(x.gravity, "0.910m");
  EXPECT_EQ(x.ratio, "----");
  EXPECT_EQ(x.colour, RatioColour::Red);
  EXPECT_TRUE(x.bold);
}

TEST(Eccentricity, MembersShorterThanHalfAGridDoNotCount) {
  struct Case {
    int divisions;
    float stiffness;
  };
  for (const Case c : {Case{1, 0.91f}, Case{2, 0.455f}, Case{3, 0.0f}, Case{4, 0.0f}}) {
    PlanBuilder p(1, 4, 4, c.divisions);
    p.Sheathing(1, kDirX, 2, 2, 1, 2);
    UpdateEccentricity(p.b);
    EXPECT_NEAR(p.b.Balance[0].Stiffness[0], c.stiffness, 1e-6) << c.divisions;
  }
}

TEST(Eccentricity, EachMemberCountsOnceAndBothLayersCount) {
  // A three-segment crossed 45x90 brace (4.0 over 1.365 m) and a sheathed wall (1.0)
  // on its first segment only.
  PlanBuilder p(1, 4, 4);
  p.Brace(1, kDirX, 1, 1, 3, 3, kCrossed).Sheathing(1, kDirX, 1, 1, 1, 2);
  UpdateEccentricity(p.b);
  EXPECT_NEAR(p.b.Balance[0].Stiffness[0], 1.365f * 4.0f + 0.455f * 1.0f, 1e-5);
}

TEST(Eccentricity, RunFieldsThatDisagreeWithThePositionsAreNotTrusted) {
  // The member's extent comes from its run positions (a walk) when RunStart/RunEnd are off.
  for (const auto& [runStart, runEnd] : {std::pair{1, 3}, std::pair{1, 99}, std::pair{2, 3}, std::pair{1, 1}}) {
    PlanBuilder p(1, 4, 4);
    p.Brace(1, kDirX, 1, 1, 3, 3, kCrossed);
    p.b.Point(1, 1, 1).brace(kDirX).RunStart = runStart;
    p.b.Point(1, 1, 1).brace(kDirX).RunEnd = runEnd;
    UpdateEccentricity(p.b);
    EXPECT_NEAR(p.b.Balance[0].Stiffness[0], 1.365f * 4.0f, 1e-5) << runStart << "," << runEnd;
  }
}

TEST(Eccentricity, OneStoreyCentroidIncludesVoids) {
  PlanBuilder p(1, 6, 4);
  p.Floor(1, 1, 1, 4, 2).Floor(1, 5, 1, 6, 2, kFloorVoid);
  UpdateEccentricity(p.b);
  EXPECT_NEAR(p.b.Balance[0].Gravity[1], 1.365f, 1e-6);  // x: cells 0 .. 2.73 m
  EXPECT_NEAR(p.b.Balance[0].Gravity[0], 0.455f, 1e-6);  // y: cells 0 .. 0.91 m
}

TEST(Eccentricity, Storey1GravityWeighsTheUpperFloor) {
  // Level 1: cells x 0 .. 1.82 m; level 2: cells x 0 .. 0.91 m (all y 0 .. 0.91 m).
  PlanBuilder p(2, 4, 2);
  p.Floor(1, 1, 1, 4, 2).Floor(2, 1, 1, 2, 2);
  UpdateEccentricity(p.b);
  const double a = 0.455 * 0.455;
  const double x = (18 * 4 * a * 0.455 + 11 * 8 * a * 0.91) / (18 * 4 * a + 11 * 8 * a);
  EXPECT_NEAR(p.b.Balance[0].Gravity[1], x, 1e-5);
  EXPECT_NEAR(p.b.Balance[0].Gravity[0], 0.455, 1e-6);
  EXPECT_NEAR(p.b.Balance[1].Gravity[1], 0.455, 1e-6);
}

TEST(Eccentricity, StoreyWithoutFloorHasItsGravityAtTheOrigin) {
  PlanBuilder p(2, 4, 2);
  p.Floor(1, 2, 1, 4, 2);
  p.b.Balance[1].Gravity = {5, 5};
  UpdateEccentricity(p.b);
  EXPECT_EQ(p.b.Balance[1].Gravity, (std::array<float, 2>{0, 0}));
}

TEST(FormatEccentricity, ColoursByRatio) {
  struct Case {
    float ratio;
    const char* text;
    RatioColour colour;
    bool bold;
  };
  const Case cases[] = {
      {0.0f, " 0.000", RatioColour::White, false},    {0.2f, " 0.200", RatioColour::White, false},
      {0.2001f, " 0.200", RatioColour::Yellow, true}, {0.3f, " 0.300", RatioColour::Yellow, true},
      {0.3001f, " 0.300", RatioColour::Red, true},    {1.2345f, " 1.235", RatioColour::Red, true},
  };
  for (const Case& c : cases) {
    StoreyBalance s;
    s.Stiffness = {1.0f, 0.000001f};
    s.EccRatio = {c.ratio, c.ratio};
    s.Gravity = {1.2344f, 0};
    const EccentricityText t = FormatEccentricity(s, kDirX);
    EXPECT_EQ(t.ratio, c.text) << c.ratio;
    EXPECT_EQ(t.colour, c.colour) << c.ratio;
    EXPECT_EQ(t.bold, c.bold) << c.ratio;
    EXPECT_EQ(t.gravity, "1.234m");
    EXPECT_EQ(FormatEccentricity(s, kDirY).ratio, "----");
  }
}

}  // namespace
}  // namespace tvk
