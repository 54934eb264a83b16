// The wall-quantity check: existing walls, floor areas, wind areas and the judgement.

#include <gtest/gtest.h>

#include "engine/calc_results.h"
#include "engine/profile_checks.h"
#include "support/plan_builder.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::PlanBuilder;
using test::PublishedProfile;

// 10 x 6 cells of 1 m on both storeys (60 m² per floor), grid lines every metre.
PlanBuilder SixtyPerFloor() {
  PlanBuilder p(2, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6).Floor(2, 1, 1, 10, 6);
  // 1F along X: y = 0 sheathing 2.5 over 4 m = 1000; y = 6 crossed 45x90 (4.0) over 3 m
  // = 1200, and on the next metre crossed 90x90 (5.0) + sheathing 3.0 = 8.0, capped 7.0 = 700.
  p.Sheathing(1, Dir::X, 1, 1, 4, 5).Brace(1, Dir::X, 1, 7, 3, 3, kCrossed);
  p.Brace(1, Dir::X, 5, 7, 1, 4, kCrossed).Sheathing(1, Dir::X, 5, 7, 1, 6);
  // 1F along Y: x = 0 and x = 10, sheathing 2.5 over 4 m each = 2000.
  p.Sheathing(1, Dir::Y, 1, 1, 4, 5).Sheathing(1, Dir::Y, 11, 1, 4, 5);
  // 2F along X: y = 0 sheathing 2.5 over 6 m = 1500; nothing along Y.
  p.Sheathing(2, Dir::X, 1, 1, 6, 5);
  return p;
}

const WallQuantityDirection& At(const ProfileChecks& c, int storey, Dir d) {
  return c.wallQuantity.storeys[static_cast<size_t>(storey - 1)].dir[d];
}

TEST(WallQuantity, ExistingWallsCapEachSegmentAtSeven) {
  const PlanBuilder p = SixtyPerFloor();
  const PerDir<WallLines> walls = ExistingWallLines(p.b, 1);
  const WallLines& x = walls[Dir::X];
  ASSERT_EQ(x.cm.size(), 7u);
  EXPECT_DOUBLE_EQ(x.cm[0], 1000);
  EXPECT_DOUBLE_EQ(x.cm[6], 1200 + 700);
  EXPECT_DOUBLE_EQ(x.totalCm, 2900);
  EXPECT_DOUBLE_EQ(SegmentMultiplier(p.b.Point(5, 7, 1), Dir::X), 7.0);
  EXPECT_DOUBLE_EQ(SegmentMultiplier(p.b.Point(3, 7, 1), Dir::X), 4.0);
  const WallLines& y = walls[Dir::Y];
  ASSERT_EQ(y.cm.size(), 11u);
  EXPECT_DOUBLE_EQ(y.cm[10], 1000);
  EXPECT_DOUBLE_EQ(y.totalCm, 2000);
  EXPECT_DOUBLE_EQ(ExistingWallLines(p.b, 2)[Dir::Y].totalCm, 0);
}

TEST(WallQuantity, FloorAreaLeavesOutVoidsButTheExtentKeepsThem) {
  PlanBuilder p(2, 10, 6, 2, 0.91f);
  p.Floor(1, 2, 1, 9, 6).Floor(1, 2, 1, 3, 1, FloorCell::Void);
  const StoreyPlan plan = ReadStoreyPlan(p.b, 1);
  // 8 x 6 cells of 0.455 m, two of them voids: 46 x 0.207025 m².
  EXPECT_EQ(plan.floorCells, 46);
  EXPECT_NEAR(plan.floorArea, 46 * 0.455 * 0.455, 1e-6);
  EXPECT_EQ(plan.extent[Dir::X].first, 2);
  EXPECT_EQ(plan.extent[Dir::X].last, 9);
  EXPECT_EQ(plan.Across(Dir::X).Count(), 6);
  EXPECT_EQ(plan.floorPerBand[Dir::X][0], 6);  // row j = 1: 8 cells less 2 voids
  // No 2F at all above this 1F: every floor cell is a one-storey part.
  EXPECT_TRUE(plan.hasOpenPart);
  EXPECT_EQ(plan.openPerBand[Dir::Y][1], 5);
}

// The published building on 60 m² per floor: Lw1 44, Lw2 25; wind areas estimated with
// h1 = h2 = 3.0, rise 0.5, eaves 0.5.
TEST(WallQuantity, PublishedBuildingOnSixtyPerFloor) {
  const PlanBuilder p = SixtyPerFloor();
  const ProfileChecks c = RunProfileChecks(p.b, PublishedProfile(), CalcResults{});
  EXPECT_TRUE(c.wallQuantity.missing.Empty());
  struct Row {
    int storey;
    Dir d;
    double existing, earthquake, windArea, wind, ratio;
    bool ok;
  };
  // Wind along X sees the 6 m wide elevation: 1F above 1.35 m: 6·1.65 + 6·3.0 + (6 + 1)·0.5
  // = 31.4 m² → 1570 cm; 2F above 4.35 m: 6·1.65 + 3.5 = 13.4 m² → 670 cm. Along Y the 10 m
  // one: 16.5 + 30 + 11·0.5 = 52 → 2600; 16.5 + 5.5 = 22 → 1100.
  const Row rows[] = {
      {1, Dir::X, 2900, 44 * 60, 31.4, 1570, 2900.0 / 2640, true},
      {1, Dir::Y, 2000, 44 * 60, 52.0, 2600, 2000.0 / 2640, false},
      {2, Dir::X, 1500, 25 * 60, 13.4, 670, 1.0, true},
      {2, Dir::Y, 0, 25 * 60, 22.0, 1100, 0.0, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "storey " << r.storey << " d " << (r.d == Dir::X ? "X" : "Y"));
    const WallQuantityDirection& q = At(c, r.storey, r.d);
    EXPECT_DOUBLE_EQ(q.existingCm, r.existing);
    EXPECT_DOUBLE_EQ(q.floorArea, 60);
    EXPECT_DOUBLE_EQ(*q.requiredEarthquakeCm, r.earthquake);
    EXPECT_NEAR(*q.wind.area, r.windArea, 1e-9);
    EXPECT_EQ(q.wind.source, ValueSource::Estimated);
    EXPECT_NEAR(*q.requiredWindCm, r.wind, 1e-7);
    EXPECT_DOUBLE_EQ(*q.requiredCm, r.earthquake);
    EXPECT_NEAR(*q.ratio, r.ratio, 1e-12);
    EXPECT_EQ(*q.ok, r.ok);
  }
}

TEST(WallQuantity, EnteredWindAreasWinAndTheCoefficientScalesThem) {
  PlanBuilder p = SixtyPerFloor();
  BuildingProfile profile = PublishedProfile();
  profile.windArea[1][Dir::Y] = 60.0;  // 1F, force along Y
  ProfileChecks c = RunProfileChecks(p.b, profile, CalcResults{});
  // 60 m² x 50 = 3000 cm > 2640: wind governs.
  EXPECT_EQ(At(c, 1, Dir::Y).wind.source, ValueSource::Entered);
  EXPECT_TRUE(At(c, 1, Dir::Y).wind.parts.empty());
  EXPECT_DOUBLE_EQ(*At(c, 1, Dir::Y).requiredCm, 3000);
  EXPECT_NEAR(*At(c, 1, Dir::Y).ratio, 2000.0 / 3000, 1e-12);

  profile.windCoefficient = 75;
  c = RunProfileChecks(p.b, profile, CalcResults{});
  EXPECT_DOUBLE_EQ(*At(c, 1, Dir::Y).requiredWindCm, 4500);
  // 2F along Y stays estimated: 22 m² x 75 = 1650 > 25 x 60.
  EXPECT_NEAR(*At(c, 2, Dir::Y).requiredCm, 1650, 1e-9);
}

TEST(WallQuantity, EstimatedWindAreaWithAOneStoreyWing) {
  // 1F 10 x 6 m, 2F over x 0..6 only; eaves 0.5 m, rise 0.5 m.
  PlanBuilder p(2, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6).Floor(2, 1, 1, 6, 6);
  const BuildingProfile profile = PublishedProfile();
  const ProfileLoads loads = ResolveLoads(profile);
  const std::vector<StoreyPlan> plans = {ReadStoreyPlan(p.b, 1), ReadStoreyPlan(p.b, 2)};
  // Force along Y, seen across X: 1F walls 10 x (3 − 1.35) = 16.5, 2F walls 6 x 3 = 18, roof
  // (6 + 2·0.5) x 0.5 = 3.5, the wing's roof beside the 2F walls (11 − 6) x 0.5 = 2.5.
  const WindArea y1 = WindAreaOf(profile, loads, plans, 1, Dir::Y);
  ASSERT_EQ(y1.parts.size(), 4u);
  EXPECT_NEAR(*y1.area, 40.5, 1e-9);
  EXPECT_DOUBLE_EQ(y1.cut, 1.35);
  const WindPart& wing = y1.parts[3];
  EXPECT_EQ(wing.kind, WindPartKind::LowerRoof);
  EXPECT_DOUBLE_EQ(wing.width, 5);
  EXPECT_DOUBLE_EQ(wing.bottom, 3);
  EXPECT_DOUBLE_EQ(wing.top, 3.5);
  EXPECT_EQ(y1.parts[2].kind, WindPartKind::Roof);
  EXPECT_DOUBLE_EQ(y1.parts[2].width, 7);
  // Along X the wing hides behind the 2F walls but for its eaves: (7 − 6) x 0.5 = 0.5.
  EXPECT_NEAR(*WindAreaOf(profile, loads, plans, 1, Dir::X).area, 9.9 + 18 + 3.5 + 0.5, 1e-9);
  // 2F counts from 3 + 1.35 m: the wing's roof lies below, 6 x 1.65 + 3.5.
  EXPECT_NEAR(*WindAreaOf(profile, loads, plans, 2, Dir::Y).area, 13.4, 1e-9);

  // One storey: the walls above 1.35 m and the roof band: 6 x 1.65 + 7 x 0.5 = 13.4.
  PlanBuilder single(1, 10, 6, 1, 1.0f);
  single.Floor(1, 1, 1, 10, 6);
  const WindArea one = WindAreaOf(profile, loads, {ReadStoreyPlan(single.b, 1)}, 1, Dir::X);
  EXPECT_NEAR(*one.area, 13.4, 1e-9);
  EXPECT_EQ(one.parts.size(), 2u);
}

TEST(WallQuantity, WithoutProfileTheJudgementSaysWhatIsMissing) {
  const PlanBuilder p = SixtyPerFloor();
  const ProfileChecks c = RunProfileChecks(p.b, BuildingProfile{}, CalcResults{});
  const WallQuantityDirection& q = At(c, 1, Dir::X);
  EXPECT_DOUBLE_EQ(q.existingCm, 2900);
  EXPECT_DOUBLE_EQ(q.floorArea, 60);
  EXPECT_FALSE(q.requiredEarthquakeCm || q.wind.area || q.requiredCm || q.ratio || q.ok);
  using F = CheckInput;
  EXPECT_EQ(c.wallQuantity.missing.List(),
            (std::vector<F>{F::H1, F::H2, F::Rise, F::Eaves, F::Pitch, F::Roof, F::Wall}));
  // Entered Lw and wind areas alone are enough.
  BuildingProfile tables;
  tables.lw1 = 29;
  tables.lw2 = 15;
  for (auto& storey : tables.windArea) storey = {30.0, 30.0};
  const ProfileChecks entered = RunProfileChecks(p.b, tables, CalcResults{});
  EXPECT_TRUE(entered.wallQuantity.missing.Empty());
  EXPECT_DOUBLE_EQ(*At(entered, 1, Dir::X).requiredCm, 29 * 60);
  EXPECT_TRUE(*At(entered, 1, Dir::X).ok);
  // 2F: 15 x 60 = 900 < 30 x 50 = 1500.
  EXPECT_DOUBLE_EQ(*At(entered, 2, Dir::X).requiredCm, 1500);
  EXPECT_DOUBLE_EQ(*At(entered, 2, Dir::X).ratio, 1.0);
}

TEST(WallQuantity, NothingRequiredPassesWithoutARatio) {
  PlanBuilder p(1, 4, 4, 1, 1.0f);
  BuildingProfile tables;
  tables.lw1 = 20;
  tables.windArea[1] = {0.0, 0.0};
  const ProfileChecks c = RunProfileChecks(p.b, tables, CalcResults{});
  const WallQuantityDirection& q = At(c, 1, Dir::X);
  EXPECT_DOUBLE_EQ(*q.requiredCm, 0);
  EXPECT_FALSE(q.ratio);
  EXPECT_TRUE(*q.ok);
}

}  // namespace
}  // namespace tvk
