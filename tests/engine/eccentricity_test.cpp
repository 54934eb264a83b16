// Storey eccentricity: centres of gravity and rigidity, ratios, and how they are shown.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/eccentricity.h"
#include "engine_results.h"
#include "support/grid_print.h"
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
  p.Sheathing(1, Dir::X, 1, 1, 2, 2).Sheathing(1, Dir::X, 3, 5, 2, 2).Sheathing(1, Dir::Y, 1, 2, 2, 2);
  const CalcResults calc = test::EccentricityOf(p.b);
  const StoreyBalance& s = calc.Storey(1).balance;
  EXPECT_NEAR(s.Gravity[Dir::X], 0.91f, 1e-6);
  EXPECT_NEAR(s.Gravity[Dir::Y], 0.91f, 1e-6);
  EXPECT_NEAR(s.Stiffness[Dir::X], 1.82f, 1e-6);
  EXPECT_NEAR(s.Stiffness[Dir::Y], 0.91f, 1e-6);
  ASSERT_EQ(s.LineStiffness[Dir::X].size(), 5u);
  ASSERT_EQ(s.LineStiffness[Dir::Y].size(), 5u);
  EXPECT_NEAR(s.LineStiffness[Dir::X][0], 0.91f, 1e-6);
  EXPECT_NEAR(s.LineStiffness[Dir::X][4], 0.91f, 1e-6);
  EXPECT_NEAR(s.LineStiffness[Dir::Y][0], 0.91f, 1e-6);
  EXPECT_NEAR(s.Rigidity[Dir::X], 0.91f, 1e-6);
  EXPECT_NEAR(s.Rigidity[Dir::Y], 0.0f, 1e-6);
  EXPECT_NEAR(s.RigidityMoment[Dir::X], 0.91f * 1.82f, 1e-6);
  EXPECT_NEAR(s.Torsion[Dir::X], 2 * 0.91 * 0.91 * 0.91, 1e-5);
  EXPECT_NEAR(s.Torsion[Dir::Y], 0.0f, 1e-6);
  EXPECT_NEAR(s.ElasticRadius[Dir::X], 0.91f, 1e-5);
  EXPECT_NEAR(s.ElasticRadius[Dir::Y], std::sqrt(2 * 0.91 * 0.91), 1e-5);
  EXPECT_NEAR(s.EccDistance[Dir::X], 0.0f, 1e-6);
  EXPECT_NEAR(s.EccDistance[Dir::Y], 0.91f, 1e-6);
  EXPECT_NEAR(s.EccRatio[Dir::Y], 1 / std::sqrt(2.0), 1e-5);
}

TEST(Eccentricity, NoWallsAlongXShowsDashes) {
  PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Sheathing(1, Dir::Y, 1, 1, 2, 2);
  const CalcResults calc = test::EccentricityOf(p.b);
  const StoreyBalance& s = calc.Storey(1).balance;
  EXPECT_EQ(s.Stiffness[Dir::X], 0.0f);
  EXPECT_EQ(s.Rigidity[Dir::X], 0.0f);
  EXPECT_EQ(s.EccRatio[Dir::X], 0.0f);
  const EccentricityText x = FormatEccentricity(s, Dir::X);
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
    p.Sheathing(1, Dir::X, 2, 2, 1, 2);
    const CalcResults calc = test::EccentricityOf(p.b);
    EXPECT_NEAR(calc.Storey(1).balance.Stiffness[Dir::X], c.stiffness, 1e-6) << c.divisions;
  }
}

TEST(Eccentricity, EachMemberCountsOnceAndBothLayersCount) {
  // A three-segment crossed 45x90 brace (4.0 over 1.365 m) and a sheathed wall (1.0)
  // on its first segment only.
  PlanBuilder p(1, 4, 4);
  p.Brace(1, Dir::X, 1, 1, 3, 3, kCrossed).Sheathing(1, Dir::X, 1, 1, 1, 2);
  const CalcResults calc = test::EccentricityOf(p.b);
  EXPECT_NEAR(calc.Storey(1).balance.Stiffness[Dir::X], 1.365f * 4.0f + 0.455f * 1.0f, 1e-5);
}

TEST(Eccentricity, RunFieldsThatDisagreeWithThePositionsAreNotTrusted) {
  // The member's extent comes from its run positions (a walk) when RunStart/RunEnd are off.
  for (const auto& [runStart, runEnd] : {std::pair{1, 3}, std::pair{1, 99}, std::pair{2, 3}, std::pair{1, 1}}) {
    PlanBuilder p(1, 4, 4);
    p.Brace(1, Dir::X, 1, 1, 3, 3, kCrossed);
    p.b.Point(1, 1, 1).brace(Dir::X).RunStart = runStart;
    p.b.Point(1, 1, 1).brace(Dir::X).RunEnd = runEnd;
    const CalcResults calc = test::EccentricityOf(p.b);
    EXPECT_NEAR(calc.Storey(1).balance.Stiffness[Dir::X], 1.365f * 4.0f, 1e-5) << runStart << "," << runEnd;
  }
}

TEST(Eccentricity, OneStoreyCentroidIncludesVoids) {
  PlanBuilder p(1, 6, 4);
  p.Floor(1, 1, 1, 4, 2).Floor(1, 5, 1, 6, 2, FloorCell::Void);
  const CalcResults calc = test::EccentricityOf(p.b);
  EXPECT_NEAR(calc.Storey(1).balance.Gravity[Dir::Y], 1.365f, 1e-6);  // x: cells 0 .. 2.73 m
  EXPECT_NEAR(calc.Storey(1).balance.Gravity[Dir::X], 0.455f, 1e-6);  // y: cells 0 .. 0.91 m
}

TEST(Eccentricity, Storey1GravityWeighsTheUpperFloor) {
  // Level 1: cells x 0 .. 1.82 m; level 2: cells x 0 .. 0.91 m (all y 0 .. 0.91 m).
  PlanBuilder p(2, 4, 2);
  p.Floor(1, 1, 1, 4, 2).Floor(2, 1, 1, 2, 2);
  const CalcResults calc = test::EccentricityOf(p.b);
  const double a = 0.455 * 0.455;
  const double x = (18 * 4 * a * 0.455 + 11 * 8 * a * 0.91) / (18 * 4 * a + 11 * 8 * a);
  EXPECT_NEAR(calc.Storey(1).balance.Gravity[Dir::Y], x, 1e-5);
  EXPECT_NEAR(calc.Storey(1).balance.Gravity[Dir::X], 0.455, 1e-6);
  EXPECT_NEAR(calc.Storey(2).balance.Gravity[Dir::Y], 0.455, 1e-6);
}

TEST(Eccentricity, StoreyWithoutFloorHasItsGravityAtTheOrigin) {
  PlanBuilder p(2, 4, 2);
  p.Floor(1, 2, 1, 4, 2);
  CalcResults calc;
  calc.Storey(2).balance.Gravity = {5, 5};
  UpdateEccentricity(p.b, calc);
  EXPECT_EQ(calc.Storey(2).balance.Gravity, (PerDir<float>{0, 0}));
}

// Walls of each direction on one line only: the storey cannot resist torsion, so neither
// ratio exists, whatever single-precision rounding would have left of the torsion.
TEST(Eccentricity, StoreyWithoutTorsionalStiffnessHasNoRatio) {
  struct Case {
    const char* name;
    int divisions;
    float pitch;
    int lineX;  // Y index of the line with the X walls (0: none)
    int lineY;  // X index of the line with the Y walls (0: none)
  };
  const Case cases[] = {
      {"on the first lines", 1, 0.91f, 1, 1},
      // y = 0.91 rounded in single precision put the centre of rigidity beside its line,
      // and the X ratio read 15,267,264 in red.
      {"rounded line", 1, 0.91f, 2, 1},
      {"inner lines", 2, 0.91f, 4, 6},
      {"thirds", 3, 1.0f, 7, 5},
      {"quarters, odd pitch", 4, 0.955f, 11, 13},
      {"X walls only", 2, 0.91f, 3, 0},
      {"Y walls only", 4, 0.985f, 0, 9},
  };
  for (const Case& c : cases) {
    const int n = c.divisions;
    PlanBuilder p(1, 4 * n, 4 * n, n, c.pitch);
    p.Floor(1, 1, 1, 4 * n, 4 * n);
    if (c.lineX > 0) p.Sheathing(1, Dir::X, 1, c.lineX, n, 5);
    if (c.lineY > 0) p.Sheathing(1, Dir::Y, c.lineY, 1, 2 * n, 5);
    const CalcResults calc = test::EccentricityOf(p.b);
    const StoreyBalance& s = calc.Storey(1).balance;
    EXPECT_EQ(s.TorsionFree, 1) << c.name;
    EXPECT_EQ(s.Torsion, (PerDir<float>{0, 0})) << c.name;
    EXPECT_EQ(s.ElasticRadius, (PerDir<float>{0, 0})) << c.name;
    EXPECT_EQ(s.EccRatio, (PerDir<float>{0, 0})) << c.name;
    const float sub = c.pitch / static_cast<float>(c.divisions);
    if (c.lineX > 0) {
      EXPECT_NEAR(s.Rigidity[Dir::X], sub * static_cast<float>(c.lineX - 1), 1e-6) << c.name;
    }
    if (c.lineY > 0) {
      EXPECT_NEAR(s.Rigidity[Dir::Y], sub * static_cast<float>(c.lineY - 1), 1e-6) << c.name;
    }
    for (const Dir d : kDirs) {
      EXPECT_FALSE(HasRatio(s, d)) << c.name << " " << d;
      const EccentricityText t = FormatEccentricity(s, d);
      EXPECT_EQ(t.ratio, "----") << c.name << " " << d;
      EXPECT_EQ(t.colour, RatioColour::Red) << c.name;
      EXPECT_TRUE(t.bold) << c.name;
    }
  }
}

// A real torsion from a light wall (one grid of 0.5) one sub-line beside the heaviest line
// the largest grid can hold stays far above the rounding bound.
TEST(Eccentricity, SmallRealTorsionIsKept) {
  PlanBuilder p(1, 120, 120, 4, 0.91f);
  p.Floor(1, 1, 1, 120, 120);
  for (int start = 1; start <= 120; start += 4) {
    p.Brace(1, Dir::X, start, 1, 4, 4, kCrossed).Sheathing(1, Dir::X, start, 1, 4, 10);
  }
  p.Sheathing(1, Dir::X, 1, 2, 4, 1).Sheathing(1, Dir::Y, 1, 1, 4, 2);
  const CalcResults calc = test::EccentricityOf(p.b);
  const StoreyBalance& s = calc.Storey(1).balance;
  const double heavy = 27.3 * 10.0;
  const double light = 0.91 * 0.5;
  EXPECT_NEAR(s.Stiffness[Dir::X], heavy + light, 1e-3);
  EXPECT_NEAR(s.Torsion[Dir::X], heavy * light / (heavy + light) * 0.2275 * 0.2275, 1e-6);
  EXPECT_EQ(s.TorsionFree, 0);
  EXPECT_GT(s.ElasticRadius[Dir::X], 0);
  EXPECT_TRUE(HasRatio(s, Dir::X));
  EXPECT_TRUE(HasRatio(s, Dir::Y));
  EXPECT_NE(FormatEccentricity(s, Dir::Y).ratio, "----");
}

TEST(Eccentricity, FloorFlagFollowsTheFloorCellsOfEachStorey) {
  PlanBuilder p(2, 4, 4);
  p.Floor(2, 1, 1, 2, 2, FloorCell::Void).Sheathing(1, Dir::X, 1, 1, 2, 2);
  const CalcResults calc = test::EccentricityOf(p.b);
  EXPECT_EQ(calc.Storey(1).balance.HasFloor, 0);
  EXPECT_EQ(calc.Storey(2).balance.HasFloor, 1);
  EXPECT_EQ(calc.Storey(1).balance.TorsionFree, 1);
  EXPECT_EQ(calc.Storey(2).balance.TorsionFree, 0);  // no walls at all: nothing to resist anything
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
    const EccentricityText t = FormatEccentricity(s, Dir::X);
    EXPECT_EQ(t.ratio, c.text) << c.ratio;
    EXPECT_EQ(t.colour, c.colour) << c.ratio;
    EXPECT_EQ(t.bold, c.bold) << c.ratio;
    EXPECT_EQ(t.gravity, "1.234m");
    EXPECT_EQ(FormatEccentricity(s, Dir::Y).ratio, "----");
  }
}

}  // namespace
}  // namespace tvk
