// Column small diameter, the area a column may carry, and tributary areas from the plan.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <random>
#include <vector>

#include "engine/calc_results.h"
#include "engine/column_size.h"
#include "engine/profile_checks.h"
#include "support/plan_builder.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::PlanBuilder;
using test::PublishedProfile;

ColumnStorey Storey(const BuildingProfile& p, int storeys, int storey) {
  const ProfileLoads loads = ResolveLoads(p);
  return CheckColumnDiameter(p, loads, ComputeSeismicWeights(loads, storeys, 60, 60), storeys, storey);
}

TEST(ColumnDiameter, PublishedCheck) {
  BuildingProfile p = PublishedProfile();
  p.wood = WoodChoice{ColumnWood::Sugi, 0};
  p.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
  // 2F outer: Wd = roof + 0.5·wall(3.0) = 1.35273 + 0.55214 = 1.90487, l = 3000 − 105;
  // a = √(1.90487·5/(1.1/3·17.7)·1000) = 38.31 < l/52.7 = 54.93 → dbe = (12·l²·a²/3000)^¼ = 83.75.
  const ColumnStorey upper = Storey(p, 2, 2);
  ASSERT_TRUE(upper.outer.load && upper.outer.requirement);
  EXPECT_NEAR(upper.outer.load->wd, 1.904874, 1e-6);
  EXPECT_EQ(upper.outer.lMm, 2895.0);
  EXPECT_NEAR(upper.outer.requirement->a, 38.3086, 1e-4);
  EXPECT_EQ(upper.outer.requirement->diameterCase, DiameterCase::Slender);
  EXPECT_NEAR(upper.outer.requirement->dbe, 83.7505, 1e-4);
  EXPECT_EQ(upper.outer.requirement->bySlenderness, 67);  // ⌈√12·2895/150⌉
  EXPECT_EQ(upper.outer.requirement->requiredMm, 84);
  EXPECT_TRUE(*upper.outer.ok);
  // 1F outer: Wd = 1.35273 + 1.10429 + 1.91 + 0.55214 = 4.91916, l = 3000 − 120; a = 61.56
  // lies between l/52.7 and l/8.66 → dbe = l/75.05 + √((l/75.05)² + a²/1.3) = 104.6.
  const ColumnStorey lower = Storey(p, 2, 1);
  EXPECT_NEAR(lower.outer.load->wd, 4.919159, 1e-6);
  EXPECT_DOUBLE_EQ(lower.outer.load->floor, 1.91);
  EXPECT_EQ(lower.outer.lMm, 2880.0);
  EXPECT_EQ(lower.outer.requirement->diameterCase, DiameterCase::Intermediate);
  EXPECT_NEAR(lower.outer.requirement->dbe, 104.615, 1e-3);
  EXPECT_EQ(lower.outer.requirement->requiredMm, 105);
  EXPECT_TRUE(*lower.outer.ok);
  // Inner columns take 200·h/2.8 = 214.29 N/m² for the walls: 2F 1.35273 + 0.10714, 1F
  // 1.35273 + 0.21429 + 1.91 + 0.10714.
  EXPECT_NEAR(upper.inner.load->wd, 1.459874, 1e-6);
  EXPECT_EQ(upper.inner.requirement->requiredMm, 79);
  EXPECT_NEAR(lower.inner.load->wd, 3.584159, 1e-6);
  EXPECT_EQ(lower.inner.requirement->requiredMm, 98);
  // A 1F section of 100 is thinner than 105.
  p.column[0] = ColumnSection{100, 100};
  EXPECT_FALSE(*Storey(p, 2, 1).outer.ok);
}

TEST(ColumnDiameter, PublishedAreasForSugiGrade2) {
  // λ = 3.46·l/b, η = 1.3 − 0.01λ; area = ⌊(1.1/3)·η·20.4·b²/Wd/1000⌋ to 0.1 m².
  struct Case {
    double wd, l;
    int b;
    double area;
  };
  const Case cases[] = {
      {1.904874, 2895, 105, 14.9},  // λ 95.40, η 0.3460 → 14.98
      {1.904874, 2895, 120, 26.3},  // λ 83.47, η 0.4653 → 26.31
      {4.919159, 2880, 105, 5.8},   // λ 94.90 → 5.88
      {4.919159, 2880, 120, 10.2},  // λ 83.04 → 10.28
  };
  for (const Case& c : cases) {
    const ColumnCapacity cap = CapacityOf(ColumnSection{c.b, c.b}, c.wd, c.l, 20.4);
    EXPECT_DOUBLE_EQ(cap.allowedM2, c.area) << c.b << " " << c.wd;
    EXPECT_FALSE(cap.slender);
  }
  // The other buckling ranges: λ ≤ 30 takes η 1, beyond 100 η = 3000/λ², 150 and up is slender.
  EXPECT_DOUBLE_EQ(CapacityOf({120, 120}, 2.0, 1000, 20.4).eta, 1.0);
  const ColumnCapacity thin = CapacityOf({60, 60}, 2.0, 2600, 20.4);
  EXPECT_NEAR(thin.lambda, 149.933, 1e-3);
  EXPECT_NEAR(thin.eta, 3000 / (thin.lambda * thin.lambda), 1e-12);
  EXPECT_FALSE(thin.slender);
  EXPECT_TRUE(CapacityOf({60, 60}, 2.0, 2602, 20.4).slender);
}

TEST(ColumnDiameter, SaysWhatItLacks) {
  using F = CheckInput;
  BuildingProfile p = PublishedProfile();
  const ColumnStorey noWood = Storey(p, 2, 1);
  EXPECT_TRUE(noWood.outer.load);
  EXPECT_FALSE(noWood.outer.requirement);
  EXPECT_EQ(noWood.outer.missing.List(), (std::vector<F>{F::Wood, F::Column1}));
  p.wood = WoodChoice{ColumnWood::Sugi, 0};
  const ColumnStorey noSection = Storey(p, 2, 2);
  EXPECT_TRUE(noSection.outer.requirement);
  EXPECT_FALSE(noSection.outer.capacity || noSection.outer.ok);
  // A section or a strength of zero is none.
  p.column[1] = ColumnSection{0, 105};
  EXPECT_TRUE(Storey(p, 2, 2).outer.missing.Has(F::Column2));
  BuildingProfile noStrength = p;
  noStrength.wood = WoodChoice{ColumnWood::Custom, 0};
  EXPECT_TRUE(Storey(noStrength, 2, 2).outer.missing.Has(F::Wood));
  // Inner columns need no exterior finish.
  p.wall.reset();
  const ColumnStorey noWall = Storey(p, 2, 1);
  EXPECT_FALSE(noWall.outer.load);
  EXPECT_TRUE(noWall.inner.load);
  EXPECT_TRUE(noWall.outer.missing.Has(F::Wall));
  EXPECT_FALSE(noWall.inner.missing.Has(F::Wall));
}

using AreaMap = std::map<std::pair<int, int>, double>;

AreaMap Areas(const Building& b, int storey, std::map<std::pair<int, int>, bool>* outer = nullptr) {
  AreaMap areas;
  for (const ColumnTributary& t : TributaryAreas(b, storey)) {
    areas[{t.at.i, t.at.j}] = t.areaM2;
    if (outer) (*outer)[{t.at.i, t.at.j}] = t.outer;
  }
  return areas;
}

TEST(TributaryArea, RegularGrids) {
  // 4 x 4 cells of 1 m. Columns every 2 m: each cell centre is nearest to one column, so a
  // corner carries 1 m², an edge column 2 m² and the middle one 4 m².
  PlanBuilder p(1, 4, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 4, 4);
  for (int j = 1; j <= 5; j += 2) {
    for (int i = 1; i <= 5; i += 2) p.Column(i, j, 1);
  }
  std::map<std::pair<int, int>, bool> outer;
  const AreaMap sparse = Areas(p.b, 1, &outer);
  EXPECT_EQ(sparse, (AreaMap{{{1, 1}, 1},
                             {{3, 1}, 2},
                             {{5, 1}, 1},
                             {{1, 3}, 2},
                             {{3, 3}, 4},
                             {{5, 3}, 2},
                             {{1, 5}, 1},
                             {{3, 5}, 2},
                             {{5, 5}, 1}}));
  EXPECT_FALSE(outer.at({3, 3}));
  EXPECT_TRUE(outer.at({3, 1}));
  EXPECT_TRUE(outer.at({1, 1}));
  // A column at every point: every cell centre ties between its four corners, a quarter each.
  for (int j = 1; j <= 5; ++j) {
    for (int i = 1; i <= 5; ++i) p.Column(i, j, 1);
  }
  const AreaMap dense = Areas(p.b, 1);
  EXPECT_DOUBLE_EQ(dense.at({1, 1}), 0.25);
  EXPECT_DOUBLE_EQ(dense.at({2, 1}), 0.5);
  EXPECT_DOUBLE_EQ(dense.at({3, 3}), 1.0);
}

TEST(TributaryArea, IrregularLayoutWithAVoid) {
  // 3 x 2 cells of 1 m, columns at the four corners (0,0) (3,0) (0,2) (3,2) and at (1,1);
  // the cell x 2..3, y 1..2 is a void. Centres and their nearest columns (squared distances):
  //   (0.5,0.5): (0,0) and (1,1) tie at 0.5 → 0.5 each   (1.5,0.5): (1,1) 0.5
  //   (2.5,0.5): (3,0) 0.5                              (0.5,1.5): (0,2) and (1,1) → 0.5 each
  //   (1.5,1.5): (1,1) 0.5                              (2.5,1.5): void, nothing
  PlanBuilder p(1, 3, 2, 1, 1.0f);
  p.Floor(1, 1, 1, 3, 2).Floor(1, 3, 2, 3, 2, FloorCell::Void);
  p.Column(1, 1, 1).Column(4, 1, 1).Column(1, 3, 1).Column(4, 3, 1).Column(2, 2, 1);
  std::map<std::pair<int, int>, bool> outer;
  EXPECT_EQ(Areas(p.b, 1, &outer), (AreaMap{{{1, 1}, 0.5}, {{4, 1}, 1}, {{2, 2}, 3}, {{1, 3}, 0.5}, {{4, 3}, 0}}));
  EXPECT_FALSE(outer.at({2, 2}));
  EXPECT_TRUE(outer.at({4, 3}));
}

TEST(TributaryArea, AgreesWithComparingEveryColumnOnRandomLayouts) {
  std::mt19937 random(12);
  for (int round = 0; round < 40; ++round) {
    const int sx = 3 + round % 9;
    const int sy = 2 + round % 7;
    PlanBuilder p(1, sx, sy, 1, 1.0f);
    std::bernoulli_distribution column(round % 2 == 0 ? 0.1 : 0.4);
    std::bernoulli_distribution floor(0.8);
    std::vector<std::pair<int, int>> columns;
    for (int j = 1; j <= sy + 1; ++j) {
      for (int i = 1; i <= sx + 1; ++i) {
        if (i <= sx && j <= sy && floor(random)) p.Floor(1, i, j, i, j);
        if (!column(random)) continue;
        p.Column(i, j, 1);
        columns.emplace_back(i, j);
      }
    }
    // Every floor cell against every column, in half sub-grids.
    AreaMap expected;
    for (const auto& c : columns) expected[c] = 0;
    for (int cj = 1; cj <= sy; ++cj) {
      for (int ci = 1; ci <= sx; ++ci) {
        if (p.b.Point(ci, cj, 1).FloorKind != FloorCell::Slab || columns.empty()) continue;
        auto distance = [&](const std::pair<int, int>& c) {
          const int dx = 2 * ci - 1 - 2 * (c.first - 1);
          const int dy = 2 * cj - 1 - 2 * (c.second - 1);
          return dx * dx + dy * dy;
        };
        int best = std::numeric_limits<int>::max();
        for (const auto& c : columns) best = std::min(best, distance(c));
        const auto ties = std::count_if(columns.begin(), columns.end(), [&](auto& c) { return distance(c) == best; });
        for (const auto& c : columns) {
          if (distance(c) == best) expected[c] += 1.0 / static_cast<double>(ties);
        }
      }
    }
    const AreaMap actual = Areas(p.b, 1);
    ASSERT_EQ(actual.size(), expected.size()) << round;
    for (const auto& [at, value] : expected) EXPECT_NEAR(actual.at(at), value, 1e-12) << round;
  }
}

TEST(TributaryArea, OneStoreyWingAndTheJudgement) {
  // 1F 4 x 2 cells of 1 m with columns every 2 m along x on y = 0 and y = 2; 2F over x 0..2
  // with its own four columns. Each storey shares only its own floor cells.
  PlanBuilder p(2, 4, 2, 1, 1.0f);
  p.Floor(1, 1, 1, 4, 2).Floor(2, 1, 1, 2, 2);
  for (const int i : {1, 3, 5}) p.Column(i, 1, 1).Column(i, 3, 1);
  for (const int i : {1, 3}) p.Column(i, 1, 2).Column(i, 3, 2);
  EXPECT_EQ(Areas(p.b, 1), (AreaMap{{{1, 1}, 1}, {{3, 1}, 2}, {{5, 1}, 1}, {{1, 3}, 1}, {{3, 3}, 2}, {{5, 3}, 1}}));
  EXPECT_EQ(Areas(p.b, 2), (AreaMap{{{1, 1}, 1}, {{3, 1}, 1}, {{1, 3}, 1}, {{3, 3}, 1}}));

  // Allowed: 2F outer 105 □ of すぎ二級 14.9 m²; 1F outer 5.8, so a column carrying 2 m² is
  // fine and one carrying 6 m² is not (a 6 x 1 m strip of cells on one column).
  BuildingProfile profile = PublishedProfile();
  profile.wood = WoodChoice{ColumnWood::Sugi2, 0};
  profile.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
  ColumnSize size = RunProfileChecks(p.b, profile, CalcResults{}).columnSize;
  ASSERT_EQ(size.columns.size(), 10u);
  EXPECT_DOUBLE_EQ(*size.columns[1].allowedM2, 5.8);
  EXPECT_TRUE(*size.columns[1].ok);
  PlanBuilder strip(2, 6, 1, 1, 1.0f);
  strip.Floor(1, 1, 1, 6, 1).Floor(2, 1, 1, 6, 1).Column(1, 1, 1).Column(1, 1, 2);
  size = RunProfileChecks(strip.b, profile, CalcResults{}).columnSize;
  ASSERT_EQ(size.columns.size(), 2u);
  EXPECT_DOUBLE_EQ(size.columns[0].tributary.areaM2, 6);
  EXPECT_FALSE(*size.columns[0].ok);
  EXPECT_TRUE(*size.columns[1].ok);  // 2F: 6 ≤ 14.9
  // Without a section nothing is judged.
  profile.column = {};
  size = RunProfileChecks(strip.b, profile, CalcResults{}).columnSize;
  EXPECT_FALSE(size.columns[0].allowedM2 || size.columns[0].ok);
  EXPECT_TRUE(size.missing.Has(CheckInput::Column1));
}

}  // namespace
}  // namespace tvk
