// Exterior corners, B and L, column-end N values and the governing N of a column.

#include <gtest/gtest.h>

#include "engine/n_value.h"
#include "engine/transmission.h"
#include "engine_results.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::kRisesToHigher;
using test::kRisesToLower;
using test::PlanBuilder;

TEST(CornerFlags, CountFloorCellsAroundTheColumn) {
  PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 3, 3).Floor(1, 2, 2, 2, 2, FloorCell::Void);
  struct Case {
    int i, j, corner;
  };
  // Outer corner (1 cell), straight outer wall (2), interior (4), re-entrant is shown by
  // (4, 4) with 1 cell, outside the floor (0 cells).
  for (const Case c : {Case{1, 1, 1}, Case{1, 2, 0}, Case{2, 2, 0}, Case{4, 4, 1}, Case{5, 5, 1}, Case{5, 1, 1}}) {
    p.Column(c.i, c.j, 1);
  }
  test::NValuesOf(p.b, true);
  for (const Case c : {Case{1, 1, 1}, Case{1, 2, 0}, Case{2, 2, 0}, Case{4, 4, 1}, Case{5, 5, 1}, Case{5, 1, 1}}) {
    EXPECT_EQ(p.b.Point(c.i, c.j, 1).Column.Corner, c.corner) << c.i << "," << c.j;
  }
}

TEST(CornerFlags, ReEntrantCornerTouchesThreeCells) {
  PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 4, 2).Floor(1, 1, 3, 2, 4).Column(3, 3, 1);
  test::NValuesOf(p.b, true);
  EXPECT_EQ(p.b.Point(3, 3, 1).Column.Corner, 0);
}

// One-storey column with a 15x90 single brace reaching its top.
TEST(ColumnN, OneStoreyInteriorAndCorner) {
  PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 4, 4);
  p.Column(3, 3, 1).Brace(1, Dir::X, 2, 3, 1, 1, kRisesToHigher);
  p.Column(1, 1, 1).Brace(1, Dir::X, 1, 1, 1, 1, kRisesToLower);
  const CalcResults calc = test::NValuesOf(p.b, true);
  const ColumnResult& inner = calc.Column(3, 3, 1);
  EXPECT_FLOAT_EQ(inner.a[Dir::X], 1.0f);
  EXPECT_FLOAT_EQ(inner.b, 0.5f);
  EXPECT_FLOAT_EQ(inner.l, 0.6f);
  EXPECT_FLOAT_EQ(inner.n[Dir::X], -0.1f);
  EXPECT_EQ(p.b.Point(3, 3, 1).Column.NeedGrade, "(い)");
  const ColumnResult& corner = calc.Column(1, 1, 1);
  EXPECT_FLOAT_EQ(corner.b, 0.8f);
  EXPECT_FLOAT_EQ(corner.l, 0.4f);
  EXPECT_FLOAT_EQ(corner.n[Dir::X], 0.4f);
}

struct TwoStoreyCase {
  const char* name;
  int lMethod;
  bool upperCorner;  // the storey-2 column stands at a corner of the level-2 floor
  bool upperColumn;
  float l, n;
};

class TwoStoreyN : public ::testing::TestWithParam<TwoStoreyCase> {};

// Interior storey-1 column with A = 2.0 under a storey-2 column with A2 = 1.5.
TEST_P(TwoStoreyN, UsesTheUpperColumnAndTheLMethod) {
  const TwoStoreyCase& c = GetParam();
  PlanBuilder p(2, 6, 6);
  p.b.Settings.LMethod = c.lMethod;
  p.Floor(1, 1, 1, 6, 6);
  if (c.upperCorner) {
    p.Floor(2, 3, 3, 3, 3);
  } else {
    p.Floor(2, 1, 1, 6, 6);
  }
  p.Column(3, 3, 1).Sheathing(1, Dir::X, 2, 3, 1, 4);
  if (c.upperColumn) p.Column(3, 3, 2).Sheathing(2, Dir::X, 2, 3, 1, 3);
  const CalcResults calc = test::NValuesOf(p.b, true);
  const ColumnResult& r = calc.Column(3, 3, 1);
  EXPECT_FLOAT_EQ(r.a[Dir::X], 2.0f);
  EXPECT_FLOAT_EQ(r.l, c.l);
  EXPECT_NEAR(r.n[Dir::X], c.n, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Examples, TwoStoreyN,
                         ::testing::Values(TwoStoreyCase{"Commentary", 0, false, true, 1.6f, 0.15f},
                                           TwoStoreyCase{"UserUnderInterior", 1, false, true, 1.6f, 0.15f},
                                           TwoStoreyCase{"UserUnderCorner", 1, true, true, 1.4f, 0.8f},
                                           TwoStoreyCase{"UserWithoutUpperColumn", 1, false, false, 1.0f, 0.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnN, UserLMethodCornerValues) {
  // A corner storey-1 column (one level-1 cell) under the level-2 floor: 1.0 with the
  // commentary values; with the user's method 0.6 plus L2: 1.2 under an interior storey-2
  // column, 1.0 under a corner one, 0.6 without one.
  struct Case {
    int method;
    bool upper, upperCorner;
    float l;
  };
  for (const Case c : {Case{0, true, false, 1.0f}, Case{1, true, false, 1.2f}, Case{1, true, true, 1.0f},
                       Case{1, false, false, 0.6f}}) {
    PlanBuilder p(2, 4, 4);
    p.b.Settings.LMethod = c.method;
    p.Floor(1, 1, 1, 1, 1).Column(2, 2, 1);
    if (c.upperCorner) {
      p.Floor(2, 2, 2, 2, 2);
    } else {
      p.Floor(2, 1, 1, 4, 4);
    }
    if (c.upper) p.Column(2, 2, 2);
    const CalcResults calc = test::NValuesOf(p.b, true);
    EXPECT_FLOAT_EQ(calc.Column(2, 2, 1).l, c.l) << c.method << c.upper << c.upperCorner;
  }
}

TEST(ColumnN, OneStoreyWingUsesTheUpperStoreyL) {
  for (int method : {0, 1}) {
    PlanBuilder p(2, 8, 4);
    p.b.Settings.LMethod = method;
    p.Floor(1, 1, 1, 8, 4).Floor(2, 1, 1, 3, 4);
    p.Column(6, 2, 1).Column(9, 1, 1);
    const CalcResults calc = test::NValuesOf(p.b, true);
    EXPECT_FLOAT_EQ(calc.Column(6, 2, 1).l, 0.6f);
    EXPECT_FLOAT_EQ(calc.Column(9, 1, 1).l, 0.4f);
  }
}

TEST(ColumnN, GoverningNIsTheLargerDirection) {
  // Corner column of a one-storey plan: X 30x90 single to the top gives A = 2.0 and
  // N = 1.2; Y sheathing 2.0 + 0.3125 gives A = 2.3125 and N = 1.45.
  PlanBuilder p(1, 4, 4);
  p.b.Settings.SheathingAdjust = 0.3125f;
  p.Floor(1, 1, 1, 4, 4);
  p.Column(1, 1, 1).Brace(1, Dir::X, 1, 1, 1, 2, kRisesToLower).Sheathing(1, Dir::Y, 1, 1, 1, 4);
  const CalcResults calc = test::NValuesOf(p.b, true);
  const ColumnResult& r = calc.Column(1, 1, 1);
  EXPECT_FLOAT_EQ(r.n[Dir::X], 1.2f);
  EXPECT_FLOAT_EQ(r.n[Dir::Y], 1.45f);
  EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "(ほ)");
}

TEST(CalcAllN, OverLimitFlagsTheColumnAndItsStorey) {
  PlanBuilder p(2, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Floor(2, 1, 1, 4, 4);
  for (int level = 1; level <= 2; ++level) {
    // 90x90 single to the top plus sheathing 4.0, capped at 5.0: A = 5.0 + 2.0.
    p.Column(1, 1, level).Brace(level, Dir::X, 1, 1, 1, 4, kRisesToLower).Sheathing(level, Dir::X, 1, 1, 1, 8);
  }
  p.Column(3, 3, 1);
  const CalcResults calc = test::NValuesOf(p.b, true);
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).n[Dir::X], 10.2f);
  EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "不可");
  EXPECT_EQ(calc.Column(1, 1, 1).overLimit, 1);
  EXPECT_EQ(calc.Storey(1).overLimit, 1);
  EXPECT_EQ(p.b.Point(1, 1, 2).Column.NeedGrade, "(ぬ)");
  EXPECT_EQ(calc.Storey(2).overLimit, 0);
  EXPECT_EQ(calc.Storey(1).columns, 2);
  EXPECT_EQ(calc.Storey(2).columns, 1);
}

TEST(CalcAllN, PointsWithoutAColumnLoseGradeAndHardware) {
  PlanBuilder p(1, 2, 2);
  ColumnRec& stale = p.b.Point(2, 2, 1).Column;
  stale.NeedGrade = "(ほ)";
  stale.TopHardware = "(ほ)";
  stale.BottomHardware = "(へ)";
  stale.ColKind = ColumnKind{7};  // not a column kind
  const CalcResults calc = test::NValuesOf(p.b, false);
  EXPECT_EQ(stale.NeedGrade, "");
  EXPECT_EQ(stale.TopHardware, "");
  EXPECT_EQ(stale.BottomHardware, "");
  EXPECT_EQ(calc.Storey(1).columns, 0);
}

TEST(CalcAllN, CodesOutsideTheirTablesCountAsEmpty) {
  PlanBuilder p(2, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Column(3, 3, 1).Column(3, 3, 2);
  p.b.Point(1, 1, 1).FloorKind = FloorCell{9};        // not a floor kind: (1, 1) is no cell
  p.b.Point(1, 1, 1).Column.ColKind = ColumnKind{7};  // not a column
  p.b.Point(2, 1, 1).Column.ColKind = ColumnKind{-1};
  p.b.Point(3, 3, 2).brace(Dir::X) = WallSeg{9, 3, 3, "Kesa", 1, 0, 3.0f};
  p.b.Point(2, 3, 2).beam(Dir::X) = BeamSeg{-3, INT32_MIN};
  p.b.Point(3, 3, 2).beam(Dir::X) = BeamSeg{0, INT32_MIN};
  p.Column(2, 2, 1);
  RefreshBeamRuns(p.b);
  const CalcResults calc = test::NValuesOf(p.b, false);
  EXPECT_EQ(calc.Storey(1).columns, 2);
  EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "");
  EXPECT_EQ(p.b.Point(2, 2, 1).Column.Corner, 0);  // three real cells around it
  EXPECT_FLOAT_EQ(calc.Column(3, 3, 2).a[Dir::X], 0.0f);
  EXPECT_FLOAT_EQ(calc.Column(3, 3, 1).deltaN[Dir::X], 0.0f);
}

TEST(MarkWallLines, MarksLinesWithABraceOrSheathing) {
  PlanBuilder p(2, 4, 4);
  p.Brace(1, Dir::X, 1, 2, 2, 2, kCrossed).Sheathing(2, Dir::Y, 4, 1, 1, 3);
  p.b.Point(1, 4, 1).brace(Dir::X).Kind = 9;
  CalcResults calc;
  MarkWallLines(p.b, calc);
  for (int line = 1; line <= 5; ++line) {
    EXPECT_EQ(calc.WallLine(1, Dir::X, line), line == 2) << line;
    EXPECT_FALSE(calc.WallLine(1, Dir::Y, line));
    EXPECT_FALSE(calc.WallLine(2, Dir::X, line));
    EXPECT_EQ(calc.WallLine(2, Dir::Y, line), line == 4) << line;
  }
}

}  // namespace
}  // namespace tvk
