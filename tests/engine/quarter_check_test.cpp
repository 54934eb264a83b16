// Wall balance by quarters: strips, required and existing lengths, fills, balance and the
// eccentricity exemption, on hand-worked storeys (1 m cells unless said).

#include <gtest/gtest.h>

#include "engine/eccentricity.h"
#include "engine/profile_checks.h"
#include "engine_results.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

BuildingProfile EnteredLw(double lw1, std::optional<double> lw2 = {}, std::optional<double> one = {}) {
  BuildingProfile p;
  p.lw1 = lw1;
  p.lw2 = lw2;
  p.lwOneStorey = one;
  return p;
}

const QuarterDirection& Quarter(const ProfileChecks& c, int storey, Dir d) {
  return c.quarters[static_cast<size_t>(storey - 1)].dir[d];
}

ProfileChecks Check(Building& b, const BuildingProfile& profile) {
  return RunProfileChecks(b, profile, test::EccentricityOf(b));
}

struct StripExpect {
  double from, to, area, required, existing;
  std::optional<double> fill;
};

void ExpectStrip(const QuarterStrip& s, const StripExpect& e) {
  EXPECT_NEAR(s.from, e.from, 1e-12);
  EXPECT_NEAR(s.to, e.to, 1e-12);
  EXPECT_NEAR(s.area, e.area, 1e-12);
  ASSERT_TRUE(s.requiredCm);
  EXPECT_NEAR(*s.requiredCm, e.required, 1e-9);
  EXPECT_NEAR(s.existingCm, e.existing, 1e-9);
  ASSERT_EQ(s.fill.has_value(), e.fill.has_value());
  if (e.fill) {
    EXPECT_NEAR(*s.fill, *e.fill, 1e-12);
  }
}

TEST(QuarterCheck, RectangleWithWallsOnTheQuarterLines) {
  // 8 x 4 m, Lw 20. Along X the quarters end at y = 1 and y = 3; along Y at x = 2 and 6.
  PlanBuilder p(1, 8, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 8, 4);
  p.Sheathing(1, Dir::X, 1, 1, 1, 5).Sheathing(1, Dir::X, 1, 2, 1, 2);   // y = 0: 250, y = 1: 100
  p.Sheathing(1, Dir::X, 1, 3, 2, 10).Sheathing(1, Dir::X, 1, 4, 1, 5);  // y = 2: middle, y = 3: 250
  p.Sheathing(1, Dir::Y, 3, 1, 1, 4).Sheathing(1, Dir::Y, 7, 1, 1, 1);   // x = 2: 200, x = 6: 50
  p.Sheathing(1, Dir::Y, 5, 1, 2, 10);                                   // x = 4: middle
  const ProfileChecks c = Check(p.b, EnteredLw(20));
  // X: each strip 8 m² → 160 cm; low 350 → 2.1875, high 250 → 1.5625; balance 0.714.
  const QuarterDirection& x = Quarter(c, 1, Dir::X);
  ExpectStrip(x.strips[0], {0, 1, 8, 160, 350, 2.1875});
  ExpectStrip(x.strips[1], {3, 4, 8, 160, 250, 1.5625});
  EXPECT_TRUE(x.strips[0].low);
  EXPECT_FALSE(x.strips[1].low);
  EXPECT_NEAR(*x.balance, 1.5625 / 2.1875, 1e-12);
  EXPECT_TRUE(*x.ok);
  // Y: 160 cm each; 200 → 1.25, 50 → 0.3125; balance 0.25 → NG.
  const QuarterDirection& y = Quarter(c, 1, Dir::Y);
  ExpectStrip(y.strips[0], {0, 2, 8, 160, 200, 1.25});
  ExpectStrip(y.strips[1], {6, 8, 8, 160, 50, 0.3125});
  EXPECT_NEAR(*y.balance, 0.25, 1e-12);
  EXPECT_FALSE(*y.ok);
}

TEST(QuarterCheck, LShapedStoreyCutByTheQuarterLine) {
  // Rows y 0..3 are 8 m wide, rows y 3..6 only 4 m (x 0..4). Along X the quarter is 1.5 m:
  // low strip y 0..1.5 = 8 + 8·0.5 = 12 m² → 240 cm, high strip y 4.5..6 = 4·0.5 + 4 = 6 m²
  // → 120 cm (Lw 20).
  PlanBuilder p(1, 8, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 8, 3).Floor(1, 1, 4, 4, 6);
  p.Brace(1, Dir::X, 1, 1, 2, 2, test::kRisesToHigher);                 // y = 0: 1.5 x 200 = 300
  p.Sheathing(1, Dir::X, 1, 2, 1, 1);                                   // y = 1: 50, inside the low strip
  p.Sheathing(1, Dir::X, 1, 3, 1, 10);                                  // y = 2: outside
  p.Sheathing(1, Dir::X, 1, 5, 1, 10);                                  // y = 4: outside the high strip
  p.Sheathing(1, Dir::X, 1, 6, 1, 1).Sheathing(1, Dir::X, 1, 7, 1, 1);  // y = 5 and 6: 100
  const ProfileChecks c = Check(p.b, EnteredLw(20));
  const QuarterDirection& x = Quarter(c, 1, Dir::X);
  ExpectStrip(x.strips[0], {0, 1.5, 12, 240, 350, 350.0 / 240});
  ExpectStrip(x.strips[1], {4.5, 6, 6, 120, 100, 100.0 / 120});
  // 0.8333 / 1.4583 = 0.571 ≥ 0.5.
  EXPECT_NEAR(*x.balance, (100.0 / 120) / (350.0 / 240), 1e-12);
  EXPECT_TRUE(*x.ok);
  // Along Y (quarter 2 m): low x 0..2 holds 2·6 = 12 m², high x 6..8 only 2·3 = 6 m². No walls
  // at all: both fills 0, no balance, NG.
  const QuarterDirection& y = Quarter(c, 1, Dir::Y);
  ExpectStrip(y.strips[0], {0, 2, 12, 240, 0, 0.0});
  ExpectStrip(y.strips[1], {6, 8, 6, 120, 0, 0.0});
  EXPECT_FALSE(y.balance);
  EXPECT_FALSE(*y.ok);
}

TEST(QuarterCheck, OneStoreyWingUsesTheOneStoreyLw) {
  // 1F 8 x 4 m, 2F over x 0..4; Lw1 30, Lw2 20, one storey 15.
  PlanBuilder p(2, 8, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 8, 4).Floor(2, 1, 1, 4, 4);
  p.Sheathing(1, Dir::X, 1, 1, 8, 5).Sheathing(1, Dir::X, 1, 5, 8, 5);  // 2000 on y = 0 and y = 4
  const ProfileChecks c = Check(p.b, EnteredLw(30, 20, 15));
  // 1F along Y: low strip x 0..2 lies under the 2F: 8·30 = 240; high x 6..8 is the wing: 8·15.
  const QuarterDirection& y = Quarter(c, 1, Dir::Y);
  ExpectStrip(y.strips[0], {0, 2, 8, 240, 0, 0.0});
  ExpectStrip(y.strips[1], {6, 8, 8, 120, 0, 0.0});
  EXPECT_DOUBLE_EQ(y.strips[0].oneStoreyArea, 0);
  EXPECT_DOUBLE_EQ(y.strips[1].oneStoreyArea, 8);
  EXPECT_EQ(y.strips[1].lw, 30.0);
  EXPECT_EQ(y.strips[1].oneStoreyLw, 15.0);
  // 1F along X: each strip y 0..1 is half under the 2F: 4·30 + 4·15 = 180; 2000 → 11.11.
  const QuarterDirection& x = Quarter(c, 1, Dir::X);
  ExpectStrip(x.strips[0], {0, 1, 8, 180, 2000, 2000.0 / 180});
  EXPECT_DOUBLE_EQ(x.strips[0].oneStoreyArea, 4);
  EXPECT_TRUE(*x.ok);
  // 2F along X: 4 x 4 m, strips of 4 m² at Lw2 20.
  ExpectStrip(Quarter(c, 2, Dir::X).strips[0], {0, 1, 4, 80, 0, 0.0});
  EXPECT_DOUBLE_EQ(Quarter(c, 2, Dir::X).strips[0].oneStoreyArea, 0);

  // Without a one-storey Lw only the wing's strips lack it.
  const ProfileChecks lacking = Check(p.b, EnteredLw(30, 20));
  EXPECT_TRUE(Quarter(lacking, 1, Dir::Y).strips[0].requiredCm);
  EXPECT_FALSE(Quarter(lacking, 1, Dir::Y).strips[1].requiredCm);
  EXPECT_FALSE(Quarter(lacking, 1, Dir::Y).ok);
  EXPECT_TRUE(Quarter(lacking, 1, Dir::Y).missing.Has(CheckInput::H1));
  EXPECT_TRUE(Quarter(lacking, 2, Dir::X).ok.has_value());
}

TEST(QuarterCheck, PublishedExample) {
  // 24 x 4 m in 0.5 m cells, Lw 25: each strip along X is 24 m² → 600 cm. Single 30x90
  // braces (1.5): 2.5 m on y = 0 → 375, 5 m on y = 4 → 750; 0.625 / 1.25, balance 0.50 → OK.
  PlanBuilder p(1, 48, 8, 2, 1.0f);
  p.Floor(1, 1, 1, 48, 8);
  p.Brace(1, Dir::X, 1, 1, 5, 2, test::kRisesToHigher).Brace(1, Dir::X, 1, 9, 10, 2, test::kRisesToHigher);
  const ProfileChecks c = Check(p.b, EnteredLw(25));
  const QuarterDirection& x = Quarter(c, 1, Dir::X);
  ExpectStrip(x.strips[0], {0, 1, 24, 600, 375, 0.625});
  ExpectStrip(x.strips[1], {3, 4, 24, 600, 750, 1.25});
  EXPECT_DOUBLE_EQ(*x.balance, 0.5);
  EXPECT_TRUE(*x.ok);
}

TEST(QuarterCheck, StripsWithoutWallsOrWithoutFloor) {
  // 4 x 4 m; the row y 0..1 is a void, so the low strip along X requires nothing.
  PlanBuilder p(1, 4, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 4, 4).Floor(1, 1, 1, 4, 1, FloorCell::Void);
  p.Sheathing(1, Dir::X, 1, 5, 1, 5);  // y = 4: 250 against 4·20 = 80
  // Along Y: walls only in the low strip, x = 0: 250 against 3·20 = 60.
  p.Sheathing(1, Dir::Y, 1, 2, 1, 5);
  ProfileChecks c = Check(p.b, EnteredLw(20));
  const QuarterDirection& x = Quarter(c, 1, Dir::X);
  ExpectStrip(x.strips[0], {0, 1, 0, 0, 0, std::nullopt});
  EXPECT_TRUE(x.strips[0].Satisfied());
  ExpectStrip(x.strips[1], {3, 4, 4, 80, 250, 3.125});
  EXPECT_FALSE(x.balance);
  EXPECT_TRUE(*x.ok);
  // A strip with no walls against one with walls: balance 0, NG.
  const QuarterDirection& y = Quarter(c, 1, Dir::Y);
  ExpectStrip(y.strips[1], {3, 4, 3, 60, 0, 0.0});
  EXPECT_DOUBLE_EQ(*y.balance, 0);
  EXPECT_FALSE(*y.ok);

  // The high strip along X falls short: the empty strip cannot balance it.
  p.b.Point(1, 5, 1).sheathing(Dir::X).Multiplier = 0.5f;  // 50 against 80
  c = Check(p.b, EnteredLw(20));
  EXPECT_FALSE(Quarter(c, 1, Dir::X).balance);
  EXPECT_FALSE(*Quarter(c, 1, Dir::X).ok);
}

TEST(QuarterCheck, EccentricityExemption) {
  // Equal X walls on y = 0 and y = 4: ratio 0 → exempt (and the check is still made). No Y
  // walls: the ratio reads "----" → not exempt.
  PlanBuilder p(1, 4, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 4, 4);
  p.Sheathing(1, Dir::X, 1, 1, 2, 4).Sheathing(1, Dir::X, 1, 5, 2, 4);
  ProfileChecks c = Check(p.b, EnteredLw(20));
  EXPECT_TRUE(Quarter(c, 1, Dir::X).exempt);
  EXPECT_EQ(Quarter(c, 1, Dir::X).eccentricityRatio, 0.0f);
  EXPECT_TRUE(*Quarter(c, 1, Dir::X).ok);
  EXPECT_FALSE(Quarter(c, 1, Dir::Y).exempt);
  EXPECT_FALSE(Quarter(c, 1, Dir::Y).eccentricityRatio);

  // X walls on one line only: no torsional resistance, ratio reads 0 yet never exempts.
  PlanBuilder q(1, 4, 4, 1, 1.0f);
  q.Floor(1, 1, 1, 4, 4).Sheathing(1, Dir::X, 1, 1, 2, 4);
  c = Check(q.b, EnteredLw(20));
  EXPECT_FALSE(Quarter(c, 1, Dir::X).exempt);
  EXPECT_FALSE(Quarter(c, 1, Dir::X).eccentricityRatio);

  // Walls on y = 0 (400) and y = 1 (100): rigidity at y = 0.2 against gravity 2 → ratio > 0.3.
  PlanBuilder r(1, 4, 4, 1, 1.0f);
  r.Floor(1, 1, 1, 4, 4).Sheathing(1, Dir::X, 1, 1, 2, 4).Sheathing(1, Dir::X, 1, 2, 1, 2);
  r.Sheathing(1, Dir::Y, 1, 1, 2, 4).Sheathing(1, Dir::Y, 5, 1, 2, 4);
  c = Check(r.b, EnteredLw(20));
  ASSERT_TRUE(Quarter(c, 1, Dir::X).eccentricityRatio);
  EXPECT_GT(*Quarter(c, 1, Dir::X).eccentricityRatio, 0.3f);
  EXPECT_FALSE(Quarter(c, 1, Dir::X).exempt);
  EXPECT_TRUE(Quarter(c, 1, Dir::Y).exempt);
}

TEST(QuarterCheck, WithoutLwTheJudgementIsOpen) {
  PlanBuilder p(1, 4, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 4, 4);
  const ProfileChecks c = Check(p.b, BuildingProfile{});
  const QuarterDirection& x = Quarter(c, 1, Dir::X);
  EXPECT_FALSE(x.strips[0].requiredCm || x.strips[0].fill || x.balance || x.ok);
  EXPECT_DOUBLE_EQ(x.strips[0].area, 4);
  EXPECT_TRUE(x.missing.Has(CheckInput::Roof));
}

}  // namespace
}  // namespace tvk
