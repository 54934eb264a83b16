// Whole small buildings worked out by hand and compared column by column with the full
// calculation: a storey-2 column on a beam between storey-1 columns, a storey-2 column on a
// small beam that rests on an orthogonal beam, and a one-storey wing of a two-storey house,
// each with both L methods. All grids have one division of 0.91 m.

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "engine/eccentricity.h"
#include "engine/full_calculation.h"
#include "engine_results.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::kRisesToHigher;
using test::kRisesToLower;
using test::PlanBuilder;

// What one column must show after the calculation; per-direction pairs are {X, Y}.
struct Expected {
  int storey, i, j;
  int corner;
  float b, l;
  PerDir<float> a, n, deltaN, crossShare;
  const char* grade;
  const char* top;
  const char* bottom;
  int notTransmitted = 0;
};

constexpr float kTol = 1e-5f;

// Every listed column matches, and no other column was counted.
void ExpectColumns(const Building& b, const CalcResults& calc, const std::vector<Expected>& columns) {
  std::array<int, 2> counted{};
  for (const Expected& e : columns) {
    ++counted[static_cast<size_t>(e.storey - 1)];
    SCOPED_TRACE(testing::Message() << "storey " << e.storey << " (" << e.i << ", " << e.j << ")");
    const ColumnRec& c = b.Point(e.i, e.j, e.storey).Column;
    const ColumnResult& r = calc.Column(e.i, e.j, e.storey);
    EXPECT_EQ(c.Corner, e.corner);
    EXPECT_NEAR(r.b, e.b, kTol);
    EXPECT_NEAR(r.l, e.l, kTol);
    for (const Dir d : kDirs) {
      SCOPED_TRACE(d == Dir::X ? "X" : "Y");
      EXPECT_NEAR(r.a[d], e.a[d], kTol);
      EXPECT_NEAR(r.n[d], e.n[d], kTol);
      EXPECT_NEAR(r.deltaN[d], e.deltaN[d], kTol);
      EXPECT_NEAR(r.crossShare[d], e.crossShare[d], kTol);
    }
    EXPECT_EQ(c.NeedGrade, e.grade);
    EXPECT_EQ(c.TopHardware, e.top);
    EXPECT_EQ(c.BottomHardware, e.bottom);
    EXPECT_EQ(r.notTransmitted, e.notTransmitted);
  }
  EXPECT_EQ(calc.Storey(1).columns, counted[0]);
  EXPECT_EQ(calc.Storey(2).columns, counted[1]);
}

// ---------------------------------------------------------------------------------------
// Building A: 4 x 2 spans, floors on both levels everywhere. Storey-1 columns at the four
// corners (1,1) (5,1) (1,3) (5,3); storey-2 columns at (1,1), (5,1) and at (2,1), which has
// no column below and stands on the level-2 beam (1,1)-(5,1) (one run, span 3.64 m).
// Walls: storey 1: 45x90 single on (1,1)-(2,1) rising to the higher end, sheathing 2.5 on
// (4,1)-(5,1), crossed 30x90 (3.0) on (1,1)-(1,3) along Y. Storey 2: 15x90 single (1.0) on
// (1,1)-(2,1) rising to the lower end, sheathing 3.0 on (2,1)-(3,1).
//
// Storey 2 (L = L1: corner 0.4, other 0.6):
//   (1,1) corner: X side 2 = 15x90 reaching its top, T = 0 -> A = 1.0, N = 0.8 - 0.4 = 0.4 (ろ).
//   (2,1) two cells: X ratings 1.0 | 3.0, the 15x90 reaches its bottom, T = 0 -> A = 2.0,
//         N = 2.0 x 0.5 - 0.6 = 0.4 (ろ); Y N = -0.6. Pull p = A x B = 1.0 (method 0) or
//         A x B - L = 0.4 (method 1).
//   (5,1) corner, no walls: N = -0.4 (い).
// Storey 1, every column a corner under the level-2 floor: B = 0.8; L = 1.0 (method 0),
// 0.6 + L2 (method 1): 1.0 under the corner storey-2 columns at (1,1) and (5,1), 0.6 at (1,3).
//   (1,1) X: 45x90 on side 2 reaching the bottom: A = 2.0 - 0.5 = 1.5;
//         N = A2 x B2 + A x B - L = 1.0 x 0.8 + 1.2 - 1.0 = 1.0.
//         dN from the beam: (3.64 - 0.91) / 3.64 = 0.75 of p -> 0.75 (0.3).
//         Y: crossed brace 3.0, no correction: N = 2.4 - 1.0 = 1.4 (method 1 the same).
//         Governing 1.75 -> (へ); method 1: max(1.3, 1.4) -> (に) (1.4 is still (に)).
//   (5,1) X: sheathing 2.5 on side 1: N = 2.0 - 1.0 = 1.0; dN = 0.25 of p -> 0.25 (0.1);
//         governing 1.25 (1.1) -> (に).
//   (1,3) Y: crossed brace on side 1: N = 2.4 - 1.0 = 1.4 (に); method 1: 2.4 - 0.6 = 1.8 (へ).
//   (5,3) no walls: N = -L (い).
// The orthogonal-beam path does nothing: the beam under (2,1) has storey-1 columns at both
// ends. Hardware is filled with the grade; the double-pull rule finds no pair of hold-downs.
PlanBuilder BuildingA(int lMethod) {
  PlanBuilder p(2, 4, 2, 1, 0.91f);
  p.b.Settings.LMethod = lMethod;
  p.Floor(1, 1, 1, 4, 2).Floor(2, 1, 1, 4, 2);
  p.Column(1, 1, 1).Column(5, 1, 1).Column(1, 3, 1).Column(5, 3, 1);
  p.Column(1, 1, 2).Column(2, 1, 2).Column(5, 1, 2);
  p.Beam(2, Dir::X, 1, 1, 4);
  p.Brace(1, Dir::X, 1, 1, 1, 3, kRisesToHigher)
      .Sheathing(1, Dir::X, 4, 1, 1, 5)
      .Brace(1, Dir::Y, 1, 1, 2, 2, kCrossed);
  p.Brace(2, Dir::X, 1, 1, 1, 1, kRisesToLower).Sheathing(2, Dir::X, 2, 1, 1, 6);
  return p;
}

TEST(WorkedBuilding, StoreyTwoColumnOnABeamWithEitherLMethod) {
  const std::vector<Expected> storey2 = {
      {2, 1, 1, 1, 0.8f, 0.4f, {1.0f, 0}, {0.4f, -0.4f}, {}, {}, "(ろ)", "(ろ)", "(ろ)"},
      {2, 2, 1, 0, 0.5f, 0.6f, {2.0f, 0}, {0.4f, -0.6f}, {}, {}, "(ろ)", "(ろ)", "(ろ)"},
      {2, 5, 1, 1, 0.8f, 0.4f, {0, 0}, {-0.4f, -0.4f}, {}, {}, "(い)", "(い)", "(い)"},
  };
  const std::vector<Expected> storey1[2] = {
      {
          {1, 1, 1, 1, 0.8f, 1.0f, {1.5f, 3.0f}, {1.0f, 1.4f}, {0.75f, 0}, {}, "(へ)", "(へ)", "(へ)"},
          {1, 5, 1, 1, 0.8f, 1.0f, {2.5f, 0}, {1.0f, -1.0f}, {0.25f, 0}, {}, "(に)", "(に)", "(に)"},
          {1, 1, 3, 1, 0.8f, 1.0f, {0, 3.0f}, {-1.0f, 1.4f}, {}, {}, "(に)", "(に)", "(に)"},
          {1, 5, 3, 1, 0.8f, 1.0f, {0, 0}, {-1.0f, -1.0f}, {}, {}, "(い)", "(い)", "(い)"},
      },
      {
          {1, 1, 1, 1, 0.8f, 1.0f, {1.5f, 3.0f}, {1.0f, 1.4f}, {0.3f, 0}, {}, "(に)", "(に)", "(に)"},
          {1, 5, 1, 1, 0.8f, 1.0f, {2.5f, 0}, {1.0f, -1.0f}, {0.1f, 0}, {}, "(に)", "(に)", "(に)"},
          {1, 1, 3, 1, 0.8f, 0.6f, {0, 3.0f}, {-0.6f, 1.8f}, {}, {}, "(へ)", "(へ)", "(へ)"},
          {1, 5, 3, 1, 0.8f, 0.6f, {0, 0}, {-0.6f, -0.6f}, {}, {}, "(い)", "(い)", "(い)"},
      },
  };
  for (int method : {0, 1}) {
    SCOPED_TRACE(method);
    PlanBuilder p = BuildingA(method);
    const CalcResults calc = RunFullCalculation(p.b, false);
    std::vector<Expected> columns = storey2;
    columns.insert(columns.end(), storey1[method].begin(), storey1[method].end());
    ExpectColumns(p.b, calc, columns);
    EXPECT_EQ(calc.notTransmitted, 0);
  }
}

// ---------------------------------------------------------------------------------------
// Building B: 4 x 4 spans, floors on both levels everywhere. An orthogonal level-2 beam
// along Y on line i = 4 from (4,1) to (4,5) (one run, 3.64 m; storey-1 column at (4,1), and
// at (4,5) unless it is missing). A small level-2 beam along X on line j = 2 from a storey-1
// column at (1,2) to (4,2) (2.73 m), or on to the grid edge (5,2). The storey-2 column Q at
// (2,2) has no column below; sheathing 2.0 on (2,2)-(3,2): A = 2.0, B = 0.5, L = 0.6,
// N = 0.4 (ろ); Y: N = -0.6. Pull along X 1.0 (method 0) or 0.4 (method 1), along Y
// (method 1 only, no wall needed) -0.6.
//
// Orthogonal-beam path for Q along X: beams on both sides along X, so the small beam runs
// along X; its run (1,2)-(4,2) has a storey-1 column only at S = (1,2), so only the end
// towards E = (4,2) is processed, and E carries the orthogonal beam on both sides, so the
// share is (2.73 - 1.82) / 2.73 = 1/3. The first through point towards E is (4,2): u = 0.91
// from S' = (4,1) on the 3.64 m beam, so (4,1) receives 0.75 x p / 3 and E' = (4,5)
// 0.25 x p / 3; with (4,5) missing, Q is marked. A beam along Y also crosses at S: it would
// give (1,2) the whole share of end 1 if that end were processed. With the user's L method
// the same walk runs for Y (beams do not lie on both sides along Y, so the beam along X is
// taken).
// Beam-end path for (1,2): Q lies 0.91 m into the 2.73 m span: 2/3 of p along X.
//
// With the small beam running on to (5,2), E = (5,2) has no orthogonal beam, so the share
// is whole: (4,1) receives 0.75 x p and (4,5) 0.25 x p, and (1,2) gets 0.75 of p from the
// 3.64 m span.
//
// Storey-1 columns have no walls: each stands on a straight outer wall (two cells), B = 0.5,
// L = 1.6 (method 0) or 1.0 (method 1, no storey-2 column above), N = -L.
enum class SmallBeam { EndsAtTheCrossing, RunsToTheEdge };

PlanBuilder BuildingB(int lMethod, bool columnAtFarEnd, SmallBeam smallBeam) {
  PlanBuilder p(2, 4, 4, 1, 0.91f);
  p.b.Settings.LMethod = lMethod;
  p.Floor(1, 1, 1, 4, 4).Floor(2, 1, 1, 4, 4);
  p.Column(1, 2, 1).Column(4, 1, 1);
  if (columnAtFarEnd) p.Column(4, 5, 1);
  p.Beam(2, Dir::Y, 4, 1, 4).Beam(2, Dir::X, 1, 2, smallBeam == SmallBeam::EndsAtTheCrossing ? 3 : 4);
  p.Beam(2, Dir::Y, 1, 1, 2);  // a crossing at S that the closed end must not use
  p.Column(2, 2, 2).Sheathing(2, Dir::X, 2, 2, 1, 4);
  return p;
}

struct BCase {
  const char* name;
  int lMethod;
  bool columnAtFarEnd;
  SmallBeam smallBeam;
  std::vector<Expected> columns;
  int notTransmitted;
};

void PrintTo(const BCase& c, std::ostream* os) { *os << c.name; }

class WorkedBuildingB : public testing::TestWithParam<BCase> {};

TEST_P(WorkedBuildingB, OrthogonalBeamTransmission) {
  const BCase& c = GetParam();
  PlanBuilder p = BuildingB(c.lMethod, c.columnAtFarEnd, c.smallBeam);
  const CalcResults calc = RunFullCalculation(p.b, false);
  ExpectColumns(p.b, calc, c.columns);
  EXPECT_EQ(calc.notTransmitted, c.notTransmitted);
}

Expected QOfB(int notTransmitted) {
  return {2, 2, 2, 0, 0.5f, 0.6f, {2.0f, 0}, {0.4f, -0.6f}, {}, {}, "(ろ)", "(ろ)", "(ろ)", notTransmitted};
}

Expected Storey1OfB(int i, int j, float l, PerDir<float> deltaN, PerDir<float> crossShare) {
  return {1, i, j, 0, 0.5f, l, {0, 0}, {-l, -l}, deltaN, crossShare, "(い)", "(い)", "(い)"};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkedBuildingB,
    testing::Values(BCase{"BothEndsCommentaryL",
                          0,
                          true,
                          SmallBeam::EndsAtTheCrossing,
                          {QOfB(0), Storey1OfB(1, 2, 1.6f, {2.0f / 3, 0}, {}), Storey1OfB(4, 1, 1.6f, {}, {0.25f, 0}),
                           Storey1OfB(4, 5, 1.6f, {}, {1.0f / 12, 0})},
                          0},
                    BCase{"OneEndMissingCommentaryL",
                          0,
                          false,
                          SmallBeam::EndsAtTheCrossing,
                          {QOfB(1), Storey1OfB(1, 2, 1.6f, {2.0f / 3, 0}, {}), Storey1OfB(4, 1, 1.6f, {}, {0.25f, 0})},
                          1},
                    BCase{"BothEndsUserL",
                          1,
                          true,
                          SmallBeam::EndsAtTheCrossing,
                          {QOfB(0), Storey1OfB(1, 2, 1.0f, {0.4f * 2 / 3, 0}, {}),
                           Storey1OfB(4, 1, 1.0f, {}, {0.75f * 0.4f / 3, 0.75f * -0.6f / 3}),
                           Storey1OfB(4, 5, 1.0f, {}, {0.25f * 0.4f / 3, 0.25f * -0.6f / 3})},
                          0},
                    BCase{"OneEndMissingUserL",
                          1,
                          false,
                          SmallBeam::EndsAtTheCrossing,
                          {QOfB(1), Storey1OfB(1, 2, 1.0f, {0.4f * 2 / 3, 0}, {}),
                           Storey1OfB(4, 1, 1.0f, {}, {0.75f * 0.4f / 3, 0.75f * -0.6f / 3})},
                          1},
                    BCase{"WholeShareWhenTheSmallBeamEndMeetsNoCrossing",
                          0,
                          true,
                          SmallBeam::RunsToTheEdge,
                          {QOfB(0), Storey1OfB(1, 2, 1.6f, {0.75f, 0}, {}), Storey1OfB(4, 1, 1.6f, {}, {0.75f, 0}),
                           Storey1OfB(4, 5, 1.6f, {}, {0.25f, 0})},
                          0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// Building C: a one-storey wing. 4 x 2 spans; level-1 floor everywhere, level-2 floor only
// over i = 1..2. Storey-1 columns (5,1), (4,2), (3,2); one storey-2 column at (3,2).
// Storey 1 walls along X: sheathing 3.0 on (4,1)-(5,1), sheathing 1.0 on (3,2)-(4,2), a
// 90x90 single (3.0) on (4,2)-(5,2) rising to the lower end; along Y: sheathing 2.0 on
// (1,1)-(1,3) (two segments), crossed 15x90 (2.0) on (5,1)-(5,2). Storey 2: sheathing 2.0
// along Y on (3,1)-(3,2). The 1F-follows-2F option is on.
//
//   2F (3,2): two level-2 cells: B 0.5, L 0.6; Y A = 2.0 -> N = 0.4 (ろ); X N = -0.6.
//   1F (5,1): corner of the wing, no level-2 cell around it: B 0.8, L 0.4 with either method.
//         X A = 3.0 -> N = 2.0; Y crossed 15x90 on side 2 adds nothing: A = 2.0, N = 1.2 -> (と).
//   1F (4,2): interior of level 1, no level-2 cell: B 0.5, L 0.6. X ratings 1.0 | 3.0, the
//         90x90 on side 2 reaches the top (+2.0): A = 4.0, N = 1.4 -> (に).
//   1F (3,2): under the level-2 floor: L 1.6 (method 0) or 1.0 + 0.6 (method 1).
//         X: A = 1.0, N = 0.5 - 1.6 = -1.1; Y: A2 x B2 = 1.0, N = -0.6 -> (い); the storey-2
//         N 0.4 is larger, so both of its ends follow storey 2: (ろ).
PlanBuilder BuildingC(int lMethod) {
  PlanBuilder p(2, 4, 2, 1, 0.91f);
  p.b.Settings.LMethod = lMethod;
  p.b.Settings.Match1FTo2F = 1;
  p.Floor(1, 1, 1, 4, 2).Floor(2, 1, 1, 2, 2);
  p.Column(5, 1, 1).Column(4, 2, 1).Column(3, 2, 1).Column(3, 2, 2);
  p.Sheathing(1, Dir::X, 4, 1, 1, 6).Sheathing(1, Dir::X, 3, 2, 1, 2).Brace(1, Dir::X, 4, 2, 1, 4, kRisesToLower);
  p.Sheathing(1, Dir::Y, 1, 1, 2, 4).Brace(1, Dir::Y, 5, 1, 1, 1, kCrossed);
  p.Sheathing(2, Dir::Y, 3, 1, 1, 4);
  return p;
}

TEST(WorkedBuilding, OneStoreyWingWithEitherLMethod) {
  for (int method : {0, 1}) {
    SCOPED_TRACE(method);
    PlanBuilder p = BuildingC(method);
    const CalcResults calc = RunFullCalculation(p.b, false);
    ExpectColumns(p.b, calc,
                  {
                      {2, 3, 2, 0, 0.5f, 0.6f, {0, 2.0f}, {-0.6f, 0.4f}, {}, {}, "(ろ)", "(ろ)", "(ろ)"},
                      {1, 5, 1, 1, 0.8f, 0.4f, {3.0f, 2.0f}, {2.0f, 1.2f}, {}, {}, "(と)", "(と)", "(と)"},
                      {1, 4, 2, 0, 0.5f, 0.6f, {4.0f, 0}, {1.4f, -0.6f}, {}, {}, "(に)", "(に)", "(に)"},
                      {1, 3, 2, 0, 0.5f, 1.6f, {1.0f, 0}, {-1.1f, -0.6f}, {}, {}, "(い)", "(ろ)", "(ろ)"},
                  });
  }
}

// Storey 1 of building C. Cells 0.91 m square: level 1 has 8 (centroid x 1.82, y 0.91),
// level 2 has 4 (centroid x 0.91, y 0.91): gravity x = (18 x 4 x 0.91 + 11 x 8 x 1.82) /
// (18 x 4 + 11 x 8) = 1.4105, y = 0.91.
// Walls along X (all one segment of 0.91 m >= 0.455): line y = 0: 0.91 x 3.0 = 2.73; line
// y = 0.91: 0.91 x 1.0 + 0.91 x 3.0 = 3.64. Stiffness 6.37, rigidity y = 3.3124 / 6.37 =
// 0.52, torsion 2.73 x 0.52² + 3.64 x 0.39² = 1.291836.
// Along Y: line x = 0: the two-segment sheathing counted once, 1.82 x 2.0 = 3.64; line
// x = 3.64: 0.91 x 2.0 = 1.82. Stiffness 5.46, rigidity x = 6.6248 / 5.46 = 1.213333,
// torsion 3.64 x 1.213333² + 1.82 x 2.426667² = 16.076181.
// Radii: sqrt(17.368017 / 6.37) = 1.651222 and sqrt(17.368017 / 5.46) = 1.783523.
// Ratios: 0.39 / 1.651222 = 0.236189 (yellow), 0.197167 / 1.783523 = 0.110549 (white).
// Storey 2: gravity (0.91, 0.91); only the Y wall at x = 1.82: stiffness 1.82, rigidity x
// 1.82, no torsion, so both radii are 0 and neither ratio exists: X has no walls, and the
// one wall line of Y cannot resist torsion (both "----").
TEST(WorkedBuilding, OneStoreyWingEccentricity) {
  PlanBuilder p = BuildingC(0);
  const CalcResults calc = RunFullCalculation(p.b, false);
  const StoreyBalance& s1 = calc.Storey(1).balance;
  struct Pair {
    const char* field;
    PerDir<float> got, want;
  };
  for (const Pair& f :
       {Pair{"Gravity", s1.Gravity, {0.91f, 1.4105f}}, Pair{"Stiffness", s1.Stiffness, {6.37f, 5.46f}},
        Pair{"Rigidity", s1.Rigidity, {0.52f, 1.213333f}}, Pair{"Torsion", s1.Torsion, {1.291836f, 16.076181f}},
        Pair{"ElasticRadius", s1.ElasticRadius, {1.651222f, 1.783523f}},
        Pair{"EccDistance", s1.EccDistance, {0.39f, 0.197167f}},
        Pair{"EccRatio", s1.EccRatio, {0.236189f, 0.110549f}}}) {
    EXPECT_NEAR(f.got[Dir::X], f.want[Dir::X], 1e-5) << f.field;
    EXPECT_NEAR(f.got[Dir::Y], f.want[Dir::Y], 1e-5) << f.field;
  }
  const std::vector<float> linesX = {2.73f, 3.64f, 0};
  const std::vector<float> linesY = {3.64f, 0, 0, 0, 1.82f};
  ASSERT_EQ(s1.LineStiffness[Dir::X].size(), linesX.size());
  ASSERT_EQ(s1.LineStiffness[Dir::Y].size(), linesY.size());
  for (size_t k = 0; k < linesX.size(); ++k) EXPECT_NEAR(s1.LineStiffness[Dir::X][k], linesX[k], 1e-5) << k;
  for (size_t k = 0; k < linesY.size(); ++k) EXPECT_NEAR(s1.LineStiffness[Dir::Y][k], linesY[k], 1e-5) << k;
  EXPECT_EQ(FormatEccentricity(s1, Dir::X).ratio, " 0.236");
  EXPECT_EQ(FormatEccentricity(s1, Dir::X).colour, RatioColour::Yellow);
  EXPECT_EQ(FormatEccentricity(s1, Dir::Y).ratio, " 0.111");
  EXPECT_EQ(FormatEccentricity(s1, Dir::Y).colour, RatioColour::White);

  const StoreyBalance& s2 = calc.Storey(2).balance;
  EXPECT_NEAR(s2.Gravity[Dir::X], 0.91f, 1e-6);
  EXPECT_NEAR(s2.Gravity[Dir::Y], 0.91f, 1e-6);
  EXPECT_EQ(s2.Stiffness[Dir::X], 0.0f);
  EXPECT_NEAR(s2.Stiffness[Dir::Y], 1.82f, 1e-6);
  EXPECT_NEAR(s2.Rigidity[Dir::Y], 1.82f, 1e-6);
  EXPECT_EQ(s2.ElasticRadius, (PerDir<float>{0, 0}));
  EXPECT_EQ(s2.EccRatio, (PerDir<float>{0, 0}));
  EXPECT_EQ(s2.TorsionFree, 1);
  EXPECT_EQ(FormatEccentricity(s2, Dir::X).ratio, "----");
  EXPECT_EQ(FormatEccentricity(s2, Dir::Y).ratio, "----");
  EXPECT_EQ(s1.TorsionFree, 0);
}

}  // namespace
}  // namespace tvk
