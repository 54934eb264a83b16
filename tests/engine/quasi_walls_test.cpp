// Partly sheathed walls (準耐力壁等): their multiplier, where they count by the placement
// rules, the cap of ½ the requirement, the segment cap of 7.0 and the rule by which they
// enter the N values, on hand-worked plans.

#include <gtest/gtest.h>

#include <functional>

#include "engine/full_calculation.h"
#include "engine/profile_checks.h"
#include "engine_results.h"
#include "model/profile_store.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::PlanBuilder;

constexpr auto kFull = QuasiKind::Full;
constexpr auto kOpening = QuasiKind::Opening;
constexpr int kGypsum = 1;   // せっこうボード 0.9
constexpr int kPlywood = 4;  // 構造用合板 2.5
constexpr int kLath = 6;     // 木ずり 0.5

BuildingProfile ClearHeight(int h0) {
  BuildingProfile p;
  p.clearHeight[0] = h0;
  return p;
}

const QuasiWall* WallAt(const QuasiWalls& q, int storey, Dir d, GridPos start) {
  for (const QuasiWall& w : q.walls) {
    if (w.storey == storey && w.d == d && w.Start() == start) return &w;
  }
  return nullptr;
}

// 準耐力壁 of せっこうボード sheathed 2400 mm: 0.9 x 0.6 x 2400 / H0.
TEST(QuasiWalls, PublishedMultipliers) {
  const struct {
    int h0;
    double m;
  } rows[] = {{2844, 0.45569620}, {2730, 0.47472527}};
  for (const auto& row : rows) {
    PlanBuilder p(1, 4, 2, 1, 0.91f);
    p.Quasi(1, Dir::X, 1, 1, 2, kFull, kGypsum, 2400);
    const QuasiWalls q = CheckQuasiWalls(p.b, ClearHeight(row.h0));
    ASSERT_EQ(q.walls.size(), 1u);
    const QuasiWall& w = q.walls[0];
    EXPECT_EQ(w.fault, QuasiFault::None) << row.h0;
    EXPECT_NEAR(*w.m, row.m, 1e-8) << row.h0;
    EXPECT_NEAR(w.cm, 182 * row.m, 1e-5);  // the grid length is single precision
  }
}

TEST(QuasiWalls, LathHasNoFactorAndEnteredBoardsTheirOwnM0) {
  PlanBuilder p(1, 4, 2, 1, 0.91f);
  p.Quasi(1, Dir::X, 1, 1, 2, kFull, kLath, 2400).Quasi(1, Dir::X, 1, 3, 2, kFull, kEnteredBoard, 2400, 0, 1.3f);
  const QuasiWalls q = CheckQuasiWalls(p.b, ClearHeight(2500));
  EXPECT_NEAR(*WallAt(q, 1, Dir::X, {1, 1})->m, 0.5 * 2400 / 2500, 1e-12);
  EXPECT_NEAR(*WallAt(q, 1, Dir::X, {1, 3})->m, 1.3 * 0.6 * 2400 / 2500, 1e-12);
}

struct Placement {
  const char* what;
  std::function<void(PlanBuilder&)> plan;
  GridPos wall;  // start of the wall judged, along X on storey 1
  QuasiFault fault;
};

// Line j = 1 of 455 mm segments, H0 2700: 80 % is 2160 mm.
class PlacementRules : public testing::TestWithParam<Placement> {};

TEST_P(PlacementRules, DecideWhetherTheWallCounts) {
  const Placement& row = GetParam();
  PlanBuilder p(1, 16, 4, 2, 0.91f);
  row.plan(p);
  const QuasiWalls q = CheckQuasiWalls(p.b, ClearHeight(2700));
  const QuasiWall* w = WallAt(q, 1, Dir::X, row.wall);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->fault, row.fault) << QuasiFaultText(w->fault);
  EXPECT_EQ(w->cm > 0, row.fault == QuasiFault::None);
}

// A 垂れ壁・腰壁 on segments 3.. with `segments` unit segments, bearing walls before and after.
std::function<void(PlanBuilder&)> Opening(int segments, int top, int bottom, bool left = true, bool right = true) {
  return [=](PlanBuilder& p) {
    if (left) p.Brace(1, Dir::X, 1, 1, 2, 3, kCrossed);
    p.Quasi(1, Dir::X, 3, 1, segments, kOpening, kPlywood, top, bottom);
    if (right) p.Sheathing(1, Dir::X, 3 + segments, 1, 2, 5);
  };
}

std::function<void(PlanBuilder&)> Full(int segments, int hs) {
  return [=](PlanBuilder& p) { p.Quasi(1, Dir::X, 3, 1, segments, kFull, kGypsum, hs); };
}

const GridPos kJudged{3, 1};

INSTANTIATE_TEST_SUITE_P(
    HandWorked, PlacementRules,
    testing::Values(
        Placement{"full 910 at 80 percent", Full(2, 2160), kJudged, QuasiFault::None},
        Placement{"full 455 is narrow", Full(1, 2400), kJudged, QuasiFault::Narrow},
        Placement{"full below 80 percent", Full(2, 2159), kJudged, QuasiFault::Low},
        Placement{"full as high as H0", Full(4, 2700), kJudged, QuasiFault::None},
        Placement{"full beyond H0", Full(4, 2701), kJudged, QuasiFault::OverClear},
        Placement{"opening 910", Opening(2, 500, 900), kJudged, QuasiFault::None},
        Placement{"opening 1820", Opening(4, 500, 900), kJudged, QuasiFault::None},
        Placement{"opening 2275", Opening(5, 500, 900), kJudged, QuasiFault::OpeningWidth},
        Placement{"opening 455", Opening(1, 500, 900), kJudged, QuasiFault::OpeningWidth},
        Placement{"waist wall 359", Opening(2, 500, 359), kJudged, QuasiFault::ShortPart},
        Placement{"hanging wall 359", Opening(2, 359, 900), kJudged, QuasiFault::ShortPart},
        Placement{"hanging wall 360 alone", Opening(2, 360, 0), kJudged, QuasiFault::None},
        Placement{"no opening left", Opening(2, 1800, 900), kJudged, QuasiFault::NoOpening},
        Placement{"bearing wall only before", Opening(2, 500, 900, true, false), kJudged, QuasiFault::NoSideWalls},
        Placement{"bearing wall only after", Opening(2, 500, 900, false, true), kJudged, QuasiFault::NoSideWalls},
        Placement{"full wall on one side",
                  [](PlanBuilder& p) {
                    p.Quasi(1, Dir::X, 1, 1, 2, kFull, kGypsum, 2400);
                    Opening(2, 500, 900, false, true)(p);
                  },
                  kJudged, QuasiFault::None},
        Placement{"narrow full wall on one side",
                  [](PlanBuilder& p) {
                    p.Quasi(1, Dir::X, 2, 1, 1, kFull, kGypsum, 2400);
                    Opening(2, 500, 900, false, true)(p);
                  },
                  kJudged, QuasiFault::NoSideWalls},
        Placement{"opening beside an opening",
                  [](PlanBuilder& p) {
                    p.Quasi(1, Dir::X, 1, 1, 2, kOpening, kGypsum, 500, 900);
                    Opening(2, 500, 900, false, true)(p);
                  },
                  kJudged, QuasiFault::NoSideWalls},
        Placement{"wall across the line at its end",
                  [](PlanBuilder& p) {
                    p.Sheathing(1, Dir::Y, 3, 1, 2, 5);
                    Opening(2, 500, 900, false, true)(p);
                  },
                  kJudged, QuasiFault::NoSideWalls},
        Placement{"opening at the end of the line",
                  [](PlanBuilder& p) {
                    p.Brace(1, Dir::X, 13, 1, 2, 3, kCrossed).Quasi(1, Dir::X, 15, 1, 2, kOpening, 1, 500, 900);
                  },
                  GridPos{15, 1}, QuasiFault::NoSideWalls}),
    [](const testing::TestParamInfo<Placement>& info) {
      std::string name = info.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(QuasiWalls, WidthsOnGridsOfOtherLengths) {
  const struct {
    float pitch;
    int divisions, segments;
    QuasiKind kind;
    QuasiFault fault;
  } rows[] = {
      {0.9f, 1, 1, kFull, QuasiFault::None},            // 900 mm in single precision
      {0.9f, 1, 1, kOpening, QuasiFault::None},         // 900 mm opening
      {1.0f, 1, 2, kOpening, QuasiFault::None},         // 2000 mm
      {1.0f, 4, 9, kOpening, QuasiFault::OpeningWidth}  // 2250 mm
  };
  for (const auto& row : rows) {
    PlanBuilder p(1, 12, 2, row.divisions, row.pitch);
    p.Sheathing(1, Dir::X, 1, 1, 1, 5).Sheathing(1, Dir::X, 2 + row.segments, 1, 1, 5);
    p.Quasi(1, Dir::X, 2, 1, row.segments, row.kind, kGypsum, row.kind == kFull ? 2400 : 500);
    const QuasiWalls q = CheckQuasiWalls(p.b, ClearHeight(2700));
    EXPECT_EQ(WallAt(q, 1, Dir::X, {2, 1})->fault, row.fault) << row.pitch << " x " << row.segments;
  }
}

TEST(QuasiWalls, NoClearHeightNoMultiplier) {
  PlanBuilder p(2, 4, 2, 1, 0.91f);
  p.Quasi(1, Dir::X, 1, 1, 2, kFull, kGypsum, 2400).Quasi(2, Dir::X, 1, 1, 2, kFull, kGypsum, 2400);
  const QuasiWalls q = CheckQuasiWalls(p.b, ClearHeight(2700));  // storey 2 has none
  EXPECT_EQ(WallAt(q, 1, Dir::X, {1, 1})->fault, QuasiFault::None);
  const QuasiWall& upper = *WallAt(q, 2, Dir::X, {1, 1});
  EXPECT_EQ(upper.fault, QuasiFault::NoClearHeight);
  EXPECT_FALSE(upper.m.has_value());
  EXPECT_EQ(upper.cm, 0);
}

TEST(QuasiWalls, SegmentCapOfSevenIsSharedWithTheBearingWalls) {
  // Crossed 90x90 (5.0) on the first metre; an entered m0 5.0 sheathed to H0 gives 3.0.
  PlanBuilder p(1, 4, 2, 1, 1.0f);
  p.Brace(1, Dir::X, 1, 1, 1, 4, kCrossed).Quasi(1, Dir::X, 1, 1, 2, kFull, kEnteredBoard, 2500, 0, 5.0f);
  const QuasiWalls q = CheckQuasiWalls(p.b, ClearHeight(2500));
  const QuasiWall& w = q.walls.at(0);
  EXPECT_NEAR(*w.m, 3.0, 1e-12);
  EXPECT_TRUE(w.segmentCapped);
  EXPECT_NEAR(w.cm, 100 * 2.0 + 100 * 3.0, 1e-9);
}

// One storey of 10 x 6 m (60 m²), Lw 35 entered and no wind: 2100 cm required each way, H0
// 2400. Along X: 合板 sheathed 2400 over 6 m (m 1.5: 900 cm) and an entered m0 2.0 sheathed
// 2000 over 4 m (m 1.0: 400 cm).
PlanBuilder CapPlan() {
  PlanBuilder p(1, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6);
  p.Quasi(1, Dir::X, 1, 1, 6, kFull, kPlywood, 2400).Quasi(1, Dir::X, 1, 7, 4, kFull, kEnteredBoard, 2000, 0, 2.0f);
  return p;
}

BuildingProfile CapProfile() {
  BuildingProfile p = ClearHeight(2400);
  p.lwOneStorey = 35;
  p.windArea[1][Dir::X] = 0.0;
  p.windArea[1][Dir::Y] = 0.0;
  return p;
}

const WallQuantityDirection& Quantity(const ProfileChecks& c, Dir d) { return c.wallQuantity.storeys.at(0).dir[d]; }

TEST(QuasiWalls, CapIsHalfTheRequirement) {
  PlanBuilder p = CapPlan();
  p.Sheathing(1, Dir::X, 1, 4, 4, 2);  // 400 cm of bearing walls
  ProfileChecks c = RunWallChecks(p.b, CapProfile(), CalcResults{});
  const WallQuantityDirection& x = Quantity(c, Dir::X);
  EXPECT_NEAR(x.bearingCm, 400, 1e-9);
  EXPECT_NEAR(x.quasiCm, 1300, 1e-9);
  EXPECT_NEAR(*x.quasiCapCm, 1050, 1e-9);
  EXPECT_NEAR(*x.quasiCountedCm, 1050, 1e-9);
  EXPECT_NEAR(x.existingCm, 1450, 1e-9);
  EXPECT_FALSE(*x.ok);

  // 800 cm of partly sheathed walls count whole.
  PlanBuilder eight(1, 10, 6, 1, 1.0f);
  eight.Floor(1, 1, 1, 10, 6).Quasi(1, Dir::X, 1, 7, 8, kFull, kEnteredBoard, 2000, 0, 2.0f);
  c = RunWallChecks(eight.b, CapProfile(), CalcResults{});
  EXPECT_NEAR(*Quantity(c, Dir::X).quasiCountedCm, 800, 1e-9);
  EXPECT_NEAR(Quantity(c, Dir::X).existingCm, 800, 1e-9);
  EXPECT_EQ(Quantity(c, Dir::Y).quasiCm, 0);
}

TEST(QuasiWalls, WithoutTheRequirementNothingIsCounted) {
  const PlanBuilder p = CapPlan();
  const ProfileChecks c = RunWallChecks(p.b, ClearHeight(2400), CalcResults{});
  const WallQuantityDirection& x = Quantity(c, Dir::X);
  EXPECT_NEAR(x.quasiCm, 1300, 1e-9);
  EXPECT_FALSE(x.quasiCapCm.has_value());
  EXPECT_FALSE(x.quasiCountedCm.has_value());
  EXPECT_EQ(x.existingCm, 0);
  EXPECT_EQ(c.quasi.nRule, QuasiNRule::RequirementUnknown);
}

// Columns at both ends of the two walls of CapPlan, and bearing walls along Y at x = 0 and
// x = 10: 2 x 6 m of crossed 45x90 (4.0) = 4800 cm, far beyond half of 2100.
PlanBuilder NPlan(bool bearingAlongX) {
  PlanBuilder p = CapPlan();
  p.Column(1, 1, 1).Column(7, 1, 1).Column(1, 7, 1).Column(5, 7, 1);
  p.Brace(1, Dir::Y, 1, 1, 6, 3, kCrossed).Brace(1, Dir::Y, 11, 1, 6, 3, kCrossed);
  if (bearingAlongX) p.Brace(1, Dir::X, 7, 4, 3, 4, kCrossed);  // 3 m of 5.0 = 1500 cm ≥ 1050
  return p;
}

CalcResults Calculate(Building& b) {
  BuildingProfile profile = CapProfile();
  b.Info.ReservedLongs = {};
  EXPECT_FALSE(WriteProfile(b, profile).has_value());
  return RunFullCalculation(b, true);
}

TEST(QuasiWalls, BearingWallsReachingHalfLetOnlyStrongOnesIntoN) {
  PlanBuilder p = NPlan(true);
  const CalcResults r = Calculate(p.b);
  EXPECT_EQ(r.quasi.nRule, QuasiNRule::BearingSuffices);
  const QuasiWall& plywood = *WallAt(r.quasi, 1, Dir::X, {1, 1});
  const QuasiWall& entered = *WallAt(r.quasi, 1, Dir::X, {1, 7});
  EXPECT_FALSE(plywood.inN);  // m 1.5 does not exceed 1.5
  EXPECT_FALSE(entered.inN);
  EXPECT_EQ(r.Column(1, 1, 1).rating2[Dir::X], 0.0f);
  EXPECT_EQ(r.Column(7, 1, 1).rating1[Dir::X], 0.0f);
}

TEST(QuasiWalls, BearingWallsShortOfHalfLetEveryCountedOneIntoN) {
  PlanBuilder p = NPlan(false);
  const CalcResults r = Calculate(p.b);
  EXPECT_EQ(r.quasi.nRule, QuasiNRule::BearingShort);
  EXPECT_TRUE(WallAt(r.quasi, 1, Dir::X, {1, 1})->inN);
  EXPECT_TRUE(WallAt(r.quasi, 1, Dir::X, {1, 7})->inN);
  EXPECT_NEAR(r.Column(1, 1, 1).rating2[Dir::X], 1.5f, 1e-6);
  EXPECT_NEAR(r.Column(7, 1, 1).rating1[Dir::X], 1.5f, 1e-6);
  EXPECT_NEAR(r.Column(5, 7, 1).rating1[Dir::X], 1.0f, 1e-6);
  EXPECT_NEAR(r.Column(1, 1, 1).a[Dir::X], 1.5f, 1e-6);
}

TEST(QuasiWalls, StrongWallEntersNBesideBearingWalls) {
  // An entered m0 5.0 sheathed to H0 (m 3.0) on the bearing line: over 1.5, so it enters
  // while the bearing walls suffice.
  PlanBuilder p = NPlan(true);
  p.Quasi(1, Dir::X, 7, 4, 3, kFull, kEnteredBoard, 2400, 0, 5.0f).Column(7, 4, 1);
  const CalcResults r = Calculate(p.b);
  EXPECT_EQ(r.quasi.nRule, QuasiNRule::BearingSuffices);
  EXPECT_TRUE(WallAt(r.quasi, 1, Dir::X, {7, 4})->inN);
  // 5.0 + 3.0 is the project's maximum for N (5.0 unless set), never the 7.0 of the wall quantity.
  EXPECT_EQ(r.Column(7, 4, 1).rating2[Dir::X], p.b.Settings.MaxWallMultiplier);
}

TEST(QuasiWalls, QuartersAndEccentricityKeepBearingWallsOnly) {
  PlanBuilder with = NPlan(true);
  PlanBuilder without = NPlan(true);
  for (GridPoint& pt : without.b.Points()) pt.Quasi = {};
  const BuildingProfile profile = CapProfile();
  const CalcResults a = test::EccentricityOf(with.b);
  const CalcResults b = test::EccentricityOf(without.b);
  EXPECT_EQ(a.Storey(1).balance.Stiffness, b.Storey(1).balance.Stiffness);
  EXPECT_EQ(a.Storey(1).balance.EccRatio, b.Storey(1).balance.EccRatio);
  const ProfileChecks ca = RunWallChecks(with.b, profile, a);
  const ProfileChecks cb = RunWallChecks(without.b, profile, b);
  for (const Dir d : kDirs) {
    for (size_t s = 0; s < ca.quarters[0].dir[d].strips.size(); ++s) {
      EXPECT_EQ(ca.quarters[0].dir[d].strips[s].existingCm, cb.quarters[0].dir[d].strips[s].existingCm);
    }
  }
}

}  // namespace
}  // namespace tvk
