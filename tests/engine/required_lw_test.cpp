// Lw by the official formula with its intermediate values, and entered Lw.

#include <gtest/gtest.h>

#include "engine/required_lw.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::PublishedProfile;

LwDerivation Derive(const BuildingProfile& p, int storeys, double af1, double af2) {
  return DeriveLw(p, ResolveLoads(p), storeys, af1, af2);
}

TEST(RequiredLw, PublishedTwoStoreyCheck) {
  const LwDerivation lw = Derive(PublishedProfile(), 2, 60, 60);
  const SeismicWeights& w = lw.weights;
  ASSERT_TRUE(w.roof && w.wall1 && w.wall2 && w.w1 && w.w2 && w.a2);
  // Z2 = 17.5 · 7 · √116 / 10 / 99
  EXPECT_NEAR(w.roof->z2, 1.33269, 5e-6);
  // wall(3.0) on 135 m² of model wall: siding 600·135·0.91/99 = 744.5 → 750, insulation
  // 70·…= 86.9 → 90, openings 400·135·0.09/99 = 49.1 → 50, interior 200·3/2.8 = 214.29.
  EXPECT_DOUBLE_EQ(w.wall1->wallArea, 135);
  EXPECT_DOUBLE_EQ(w.wall1->exterior, 750);
  EXPECT_DOUBLE_EQ(w.wall1->insulation, 90);
  EXPECT_DOUBLE_EQ(w.wall1->openings, 50);
  EXPECT_NEAR(w.wall1->interior, 214.2857, 1e-4);
  EXPECT_NEAR(w.wall1->total, 1.1042857, 1e-7);
  // roof = (740 + 200)·Z2 + 100 = 1352.73 N/m²
  EXPECT_NEAR(w.roof->total, 1.352731, 1e-6);
  EXPECT_NEAR(*w.w1, 4.21916, 5e-6);
  EXPECT_NEAR(*w.w2, 1.90487, 5e-6);
  EXPECT_NEAR(*w.height, 6.75, 1e-12);
  EXPECT_NEAR(*w.t, 0.2025, 1e-12);
  EXPECT_NEAR(*w.alpha, 0.451482, 1e-6);
  EXPECT_NEAR(*w.a2, 1.26121, 5e-6);
  EXPECT_NEAR(*lw.storey1.unrounded, 43.0526, 1e-4);
  EXPECT_NEAR(*lw.storey2.unrounded, 24.5148, 1e-4);
  EXPECT_EQ(lw.storey1.value, 44.0);
  EXPECT_EQ(lw.storey2.value, 25.0);
  // one storey: ⌈0.2·(1.35273 + 0.55214)/0.0196⌉ = ⌈19.44⌉
  EXPECT_EQ(lw.oneStorey.value, 20.0);
  EXPECT_EQ(lw.storey1.source, ValueSource::Formula);
  EXPECT_TRUE(lw.missing.Empty());
}

// Hand-worked variants of the published building (roof 1.35273, wall(3.0) 1.10429 kN/m²
// where the profile is unchanged).
TEST(RequiredLw, WorkedVariants) {
  struct Case {
    const char* name;
    BuildingProfile profile;
    int storeys;
    double af1, af2;
    double w1, w2, a2;
    double lw1, lw2, lwOne;
  };
  BuildingProfile smaller2F = PublishedProfile();
  BuildingProfile byMass = PublishedProfile();
  byMass.solar = SolarChoice{SolarPanels::Mass, 600};
  BuildingProfile soft = PublishedProfile();
  soft.c0 = 0.3;
  soft.h1 = 2900;
  soft.h2 = 2800;
  soft.rise = 1200;
  soft.eaves = 600;
  soft.pitch = 5.0;
  soft.roof = RoofChoice{RoofFinish::Tile, 0};
  soft.wall = WallChoice{WallFinish::Mortar, 0};
  soft.solar.reset();
  BuildingProfile single = PublishedProfile();
  single.roof = RoofChoice{RoofFinish::Metal, 0};
  single.solar.reset();
  const Case cases[] = {
      // r = 0.5: W2 = 0.5·1.35273 + 0.25·1.10429 = 0.95244;
      // W1 = 0.67637 + 0.55214 + 1.21·0.5 + 0.55214 + (1 − 0.5)·1.35273 = 3.06202;
      // α = 0.31105, A2 = 1 + (1.79303 − 0.31105)·0.405/1.6075 = 1.37337;
      // Lw1 = ⌈0.2·3.06202/0.0196⌉ = ⌈31.25⌉, Lw2 = ⌈1.37337·0.2·0.95244/0.0196/0.5⌉ = ⌈26.69⌉.
      {"2F smaller", smaller2F, 2, 60, 30, 3.062016, 0.952437, 1.373374, 32, 27, 20},
      // 600 kg of panels: 600·9.8/60 = 98 N/m² of floor (not x Z2): roof = 740·Z2 + 98 + 100
      // = 1184.19; r = 2/3: W2 = 0.78946 + 0.36810 = 1.15756, W1 = 0.78946 + 0.73619 + 0.80667
      // + 0.55214 + 0.39473 = 3.27919; α = 0.35300, A2 = 1.33511;
      // Lw1 = ⌈33.46⌉, Lw2 = ⌈1.33511·0.2·1.15756/0.0196/(2/3)⌉ = ⌈23.66⌉, one = ⌈0.2·1.73634/0.0196⌉.
      {"solar by mass", byMass, 2, 60, 40, 3.279192, 1.157557, 1.335113, 34, 24, 18},
      // 瓦, モルタル, h1 2.9, h2 2.8, rise 1.2, eaves 0.6, 5寸, C0 0.3: Z2 = 17.7·7.2·√125/10/99
      // = 1.43921, roof = 990·Z2 + 100 = 1.52482; wall(2.9) = (890·130.5·0.91/99 = 1067.6 → 1070)
      // + 207.14 + 90 + 50 = 1.41714; wall(2.8) = (1030.8 → 1040) + 200 + 90 + 50 = 1.38;
      // W2 = 1.52482 + 0.69 = 2.21482, W1 = 1.52482 + 1.38 + 1.21 + 0.70857 = 4.82339;
      // h = 0.6 + 2.8 + 2.9 + 0.5 = 6.8, T = 0.204, α = 0.45918, A2 = 1.25729;
      // Lw1 = ⌈0.3·4.82339/0.0196⌉ = ⌈73.83⌉, Lw2 = ⌈1.25729·0.3·2.21482/0.0196⌉ = ⌈42.62⌉.
      {"C0 0.3", soft, 2, 60, 60, 4.823394, 2.214823, 1.257290, 74, 43, 35},
      // One storey, 金属板, no panels: roof = 500·1.33269 + 100 = 766.35;
      // Lw = ⌈0.2·(0.76635 + 0.55214)/0.0196⌉ = ⌈13.45⌉.
      {"one storey", single, 1, 60, 0, 1.318489, 0, 0, 14, 0, 14},
  };
  for (const Case& c : cases) {
    const LwDerivation lw = Derive(c.profile, c.storeys, c.af1, c.af2);
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(lw.missing.Empty());
    EXPECT_NEAR(*lw.weights.w1, c.w1, 1e-6);
    EXPECT_EQ(lw.storey1.value, c.lw1);
    EXPECT_EQ(lw.oneStorey.value, c.lwOne);
    if (c.storeys == 1) {
      EXPECT_FALSE(lw.weights.w2 || lw.weights.alpha || lw.weights.t || lw.weights.a2);
      EXPECT_FALSE(lw.storey2.value);
      continue;
    }
    EXPECT_NEAR(*lw.weights.w2, c.w2, 1e-6);
    EXPECT_NEAR(*lw.weights.a2, c.a2, 1e-6);
    EXPECT_EQ(lw.storey2.value, c.lw2);
  }
}

TEST(RequiredLw, EnteredValuesWinOneByOne) {
  BuildingProfile p = PublishedProfile();
  p.lw1 = 46;
  p.lwOneStorey = 21;
  const LwDerivation lw = Derive(p, 2, 60, 60);
  EXPECT_EQ(lw.storey1.value, 46.0);
  EXPECT_EQ(lw.storey1.source, ValueSource::Entered);
  EXPECT_FALSE(lw.storey1.unrounded);
  EXPECT_EQ(lw.storey2.value, 25.0);
  EXPECT_EQ(lw.storey2.source, ValueSource::Formula);
  EXPECT_EQ(lw.oneStorey.value, 21.0);

  // Entered values need nothing else from the profile.
  BuildingProfile tables;
  tables.lw1 = 29;
  tables.lw2 = 15;
  const LwDerivation entered = Derive(tables, 2, 0, 0);
  EXPECT_EQ(entered.storey1.value, 29.0);
  EXPECT_EQ(entered.storey2.value, 15.0);
  EXPECT_TRUE(entered.missing.Empty());
  EXPECT_FALSE(entered.oneStorey.value);
  EXPECT_FALSE(entered.missingOneStorey.Empty());

  // A one-storey house takes either entered field as its own Lw.
  BuildingProfile one;
  one.lwOneStorey = 18;
  EXPECT_EQ(Derive(one, 1, 40, 0).storey1.value, 18.0);
  one.lw1 = 19;
  EXPECT_EQ(Derive(one, 1, 40, 0).storey1.value, 19.0);
}

TEST(RequiredLw, SaysWhatTheFormulaLacks) {
  using F = CheckInput;
  struct Case {
    const char* name;
    BuildingProfile profile;
    int storeys;
    double af1, af2;
    std::vector<CheckInput> missing;
  };
  BuildingProfile noRise = PublishedProfile();
  noRise.rise.reset();
  BuildingProfile noFinishes = PublishedProfile();
  noFinishes.roof.reset();
  noFinishes.wall.reset();
  noFinishes.h2.reset();
  BuildingProfile zeroHeight = PublishedProfile();
  zeroHeight.h2 = 0;
  BuildingProfile massNoFloor = PublishedProfile();
  massNoFloor.solar = SolarChoice{SolarPanels::Mass, 500};
  const Case cases[] = {
      {"empty, two storeys",
       BuildingProfile{},
       2,
       60,
       60,
       {F::H1, F::H2, F::Rise, F::Eaves, F::Pitch, F::Roof, F::Wall}},
      {"empty, one storey", BuildingProfile{}, 1, 60, 0, {F::H1, F::Eaves, F::Pitch, F::Roof, F::Wall}},
      {"no rise", noRise, 2, 60, 60, {F::Rise}},
      {"no rise, one storey", noRise, 1, 60, 0, {}},
      {"no finishes", noFinishes, 2, 60, 60, {F::H2, F::Roof, F::Wall}},
      {"no 2F floor", PublishedProfile(), 2, 60, 0, {F::Floor2}},
      {"2F height 0", zeroHeight, 2, 60, 60, {F::H2}},
      {"panels by mass on no floor", massNoFloor, 1, 0, 0, {F::Floor1}},
  };
  for (const Case& c : cases) {
    const LwDerivation lw = Derive(c.profile, c.storeys, c.af1, c.af2);
    EXPECT_EQ(lw.missing.List(), c.missing) << c.name;
    EXPECT_EQ(lw.storey1.value.has_value(), c.missing.empty()) << c.name;
  }
  // Without the rise, the one-storey Lw of a two-storey building is still known.
  const LwDerivation lw = Derive(noRise, 2, 60, 60);
  EXPECT_EQ(lw.oneStorey.value, 20.0);
  EXPECT_TRUE(lw.missingOneStorey.Empty());
}

}  // namespace
}  // namespace tvk
