// Cell texts of the results table "2.3.Ｎ値･接合金物 算定結果一覧表".
#include <gtest/gtest.h>

#include "engine/calc_results.h"
#include "engine/full_calculation.h"
#include "engine/n_value.h"
#include "engine/transmission.h"
#include "model/number_format.h"
#include "report/chapters/results_table_cells.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

// A two-storey building of spansX x 2 spans with line names X1.., Y1.. and floors on both storeys.
PlanBuilder TwoStorey(int spansX = 8) {
  PlanBuilder p(2, spansX, 2);
  for (int i = 1; i <= p.b.PointsX(); ++i)
    p.b.Settings.LineNamesX[static_cast<size_t>(i - 1)] = "X" + std::to_string(i);
  for (int j = 1; j <= p.b.PointsY(); ++j)
    p.b.Settings.LineNamesY[static_cast<size_t>(j - 1)] = "Y" + std::to_string(j);
  p.Floor(1, 1, 1, spansX, 2).Floor(2, 1, 1, spansX, 2);
  return p;
}

// Results of the plan's size, all empty, for the tests to fill.
CalcResults Sized(const Building& b) {
  CalcResults calc;
  calc.Reset(b);
  return calc;
}

void SetResult(CalcResults& calc, int i, int j, int level, PerDir<float> n, PerDir<float> a, float bb, float l) {
  ColumnResult& r = calc.Column(i, j, level);
  r.n = n;
  r.a = a;
  r.b = bb;
  r.l = l;
}

void SetHardware(Building& b, int i, int j, int level, const char* need, const char* top, const char* bottom) {
  ColumnRec& c = b.Point(i, j, level).Column;
  c.NeedGrade = need;
  c.TopHardware = top;
  c.BottomHardware = bottom;
}

TEST(ResultsCells, PrintShiftMovesHalfAThousandthAwayFromZero) {
  struct Case {
    float n;
    const char* text;
  };
  const Case cases[] = {{1.2346f, "1.24"},   {1.2344f, "1.23"}, {0.0f, "0.00"},
                        {-1.2346f, "-1.24"}, {2.0f, "2.00"},    {-0.004f, "0.00"}};
  for (const Case& c : cases) EXPECT_EQ(ShiftedNText(c.n), c.text) << c.n;
  // The same value without the shift.
  EXPECT_EQ(FormatFixed(1.2346f, 2), "1.23");
}

TEST(ResultsCells, PullOutIsNTimes196Times27RoundedHalfAwayFromZero) {
  // 6.25 x 1.96 x 2.7 = 33.075 exactly: multiplied by a stored 5.292 it would come out just
  // under the half and print 33.07.
  struct Case {
    float n;
    const char* storeyTwo;  // column 3
    const char* storeyOne;  // column 8
  };
  const Case cases[] = {
      {6.25f, "(33.08kN)", "(33.08kN)"},
      {-6.25f, "(-33.08kN)", "(-33.08kN)"},
      {16.25f, "(86.00kN)", "(86.00kN)"},
      {1.25f, "(6.62kN)", "(6.62kN)"},
  };
  for (const Case& c : cases) {
    PlanBuilder p = TwoStorey();
    CalcResults calc = Sized(p.b);
    p.Column(2, 2, 1).Column(2, 2, 2);
    SetResult(calc, 2, 2, 2, {c.n, 0.5f}, {1.0f, 1.0f}, 0.5f, 0.6f);
    SetResult(calc, 2, 2, 1, {c.n, 0.5f}, {1.0f, 1.0f}, 0.5f, 1.6f);
    const auto row = ResultsRowCells(p.b, calc, {2, 2});
    ASSERT_TRUE(row);
    EXPECT_NE(row->cells[2].find(c.storeyTwo), std::string::npos) << c.n << " " << row->cells[2];
    EXPECT_NE(row->cells[7].find(c.storeyOne), std::string::npos) << c.n << " " << row->cells[7];
  }
}

TEST(ResultsCells, PointWithoutAnyColumnWritesNoRow) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  EXPECT_FALSE(ResultsRowCells(p.b, calc, {2, 2}).has_value());
}

TEST(ResultsCells, StoreyTwoColumnOnABeamPrintsDashesForStoreyOne) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  p.Column(3, 1, 2);
  SetResult(calc, 3, 1, 2, {1.15f, -0.2f}, {2.6f, 0.8f}, 0.5f, 0.6f);
  SetHardware(p.b, 3, 1, 2, "(ほ)", "(ほ)", "(ほ)");
  const auto row = ResultsRowCells(p.b, calc, {3, 1});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[0], "  X3\r  Y1");
  EXPECT_EQ(row->cells[1], "X―\rY");
  EXPECT_EQ(row->cells[2], "1.15\r=2.6x0.5-0.6\r(6.09kN)\r―――――\r-0.20\r=0.8x0.5-0.6\r(-1.06kN)");
  EXPECT_EQ(row->cells[3], "(ほ)");
  EXPECT_EQ(row->cells[4], "(ほ)\r\r(ほ)");
  for (int c = 5; c <= 8; ++c) EXPECT_EQ(row->cells[static_cast<size_t>(c)], "-") << c;
  EXPECT_EQ(row->cells[9], "-\r\r-");
  EXPECT_FALSE(row->ng);
}

TEST(ResultsCells, StoreyOneOnlyPrintsDashesForStoreyTwo) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  p.Column(1, 1, 1);
  SetResult(calc, 1, 1, 1, {1.2346f, 0.3f}, {2.0f, 1.5f}, 0.8f, 0.4f);
  SetHardware(p.b, 1, 1, 1, "(に)", "(に)", "");
  const auto row = ResultsRowCells(p.b, calc, {1, 1});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[2], "-");
  EXPECT_EQ(row->cells[3], "-");
  EXPECT_EQ(row->cells[4], "-\r\r-");
  EXPECT_EQ(row->cells[5], "1.23\r=2.0x0.8+0.0x0.0-0.4\r―――――――――\r0.30\r=1.5x0.8+0.0x0.0-0.4");
  EXPECT_EQ(row->cells[6], "-\r――――――――\r-");
  // The kN value comes from the unshifted N: 1.2346 x 5.292 = 6.533 (shifted it would be 6.536).
  EXPECT_EQ(row->cells[7], "1.24\r(6.53kN)\r――――\r0.30\r(1.59kN)");
  EXPECT_EQ(row->cells[8], "(に)");
  EXPECT_EQ(row->cells[9], "(に)\r\r(　　　 )");
}

TEST(ResultsCells, NotTransmittedStoreyTwoColumnIsMarkedUnderItsN) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  p.Column(3, 1, 2);
  SetResult(calc, 3, 1, 2, {1.15f, -0.2f}, {2.6f, 0.8f}, 0.5f, 0.6f);
  const std::string plain = "1.15\r=2.6x0.5-0.6\r(6.09kN)\r―――――\r-0.20\r=0.8x0.5-0.6\r(-1.06kN)";
  auto row = ResultsRowCells(p.b, calc, {3, 1});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[2], plain);
  EXPECT_FALSE(row->notTransmitted);

  calc.Column(3, 1, 2).notTransmitted = 1;
  row = ResultsRowCells(p.b, calc, {3, 1});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[2], plain + "\r未伝達*");
  EXPECT_TRUE(row->notTransmitted);
  for (size_t c = 3; c < row->cells.size(); ++c) {
    EXPECT_EQ(row->cells[c].find(kNotTransmittedMark), std::string::npos) << c;
  }
}

TEST(ResultsCells, PlacedHardwareTooWeakIsMarkedAndFlagged) {
  struct Case {
    const char* need;
    const char* top;
    const char* bottom;
    const char* cell;
    bool ng;
  };
  const Case cases[] = {
      {"(と)", "(は)", "(と)", "(は)\r  NG*\r\r(と)", true},
      {"(と)", "(ち)", "(へ)", "(ち)\r\r(へ)\r  NG*", true},
      {"(と)", "", "", "(　　　 )\r\r(　　　 )", false},
      {"不可", "不可", "(ぬ)", "不可\r\r(ぬ)", false},
      {"(は)", "ホールダウン", "(は)", "ホールダウン\r  NG*\r\r(は)", true},
  };
  for (const Case& c : cases) {
    PlanBuilder p = TwoStorey();
    CalcResults calc = Sized(p.b);
    p.Column(2, 2, 1);
    SetResult(calc, 2, 2, 1, {1.0f, 1.0f}, {3.0f, 3.0f}, 0.5f, 0.5f);
    SetHardware(p.b, 2, 2, 1, c.need, c.top, c.bottom);
    const auto row = ResultsRowCells(p.b, calc, {2, 2});
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cells[9], c.cell) << c.need << c.top << c.bottom;
    EXPECT_EQ(row->ng, c.ng) << c.need << c.top << c.bottom;
  }
}

TEST(ResultsCells, ThroughColumnAddsItsLineUnderTheLineNames) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  p.ThroughColumn(5, 3);
  SetResult(calc, 5, 3, 1, {0.5f, 0.5f}, {1.0f, 1.0f}, 0.5f, 1.6f);
  SetResult(calc, 5, 3, 2, {0.5f, 0.5f}, {1.0f, 1.0f}, 0.5f, 0.6f);
  const auto row = ResultsRowCells(p.b, calc, {5, 3});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[0], "  X5\r  Y3\r通し柱");
}

TEST(ResultsCells, DirectionWithoutAnyValueTurnsStoreyOneColumnsIntoDashes) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  p.Column(2, 2, 1);
  SetResult(calc, 2, 2, 1, {0.0f, 0.7f}, {1.2f, 2.6f}, 0.5f, 0.6f);
  SetHardware(p.b, 2, 2, 1, "(は)", "(は)", "(は)");
  auto row = ResultsRowCells(p.b, calc, {2, 2});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[5], "-\r―――――――――\r0.70\r=2.6x0.5+0.0x0.0-0.6");
  EXPECT_EQ(row->cells[7], "-\r――――\r0.70\r(3.70kN)");
  EXPECT_EQ(row->cells[8], "(は)");

  // Both directions empty: the grade and the placed hardware are dashes too.
  calc.Column(2, 2, 1).n = {0.0f, 0.0f};
  row = ResultsRowCells(p.b, calc, {2, 2});
  ASSERT_TRUE(row);
  EXPECT_EQ(row->cells[5], "-\r―――――――――\r-");
  EXPECT_EQ(row->cells[8], "-");
  EXPECT_EQ(row->cells[9], "-\r\r-");
}

TEST(ResultsCells, OrthogonalBeamShareIsPrintedInBrackets) {
  PlanBuilder p = TwoStorey();
  CalcResults calc = Sized(p.b);
  p.Column(2, 2, 1);
  SetResult(calc, 2, 2, 1, {0.5f, 0.5f}, {1.0f, 1.0f}, 0.5f, 0.6f);
  calc.Column(2, 2, 1).crossShare = {0.4567f, 0.0f};
  EXPECT_EQ(DeltaNCell(p.b, calc, Dir::X, {2, 2}), "0.46\r=[0.457]");
  EXPECT_EQ(DeltaNCell(p.b, calc, Dir::Y, {2, 2}), "-");
  // A received ΔN without any term to show leaves a text of 7 characters or less: "-".
  calc.Column(2, 2, 1).deltaN = {0.0f, 0.3f};
  EXPECT_EQ(DeltaNCell(p.b, calc, Dir::Y, {2, 2}), "-");
}

// Storey-2 columns at X3 and X5 stand on a 3.64 m storey-2 floor beam between the storey-1
// columns at X1 and X9; a single brace on storey 2 runs between them.
struct Calculated {
  PlanBuilder p;
  CalcResults calc;
};
Calculated BeamWithUpperColumns(int lMethod) {
  PlanBuilder p = TwoStorey(8);
  p.b.Settings.LMethod = lMethod;
  p.b.Settings.IgnoreCrossBeam = 1;
  p.Column(1, 1, 1).Column(9, 1, 1).Column(3, 1, 2).Column(5, 1, 2);
  p.Beam(2, Dir::X, 1, 1, 8);
  p.Brace(2, Dir::X, 3, 1, 2, 2, test::kRisesToHigher);
  CalcResults calc = RunFullCalculation(p.b, false);
  return {std::move(p), std::move(calc)};
}

std::string Term(const CalcResults& calc, int i, bool withL, const char* ratio) {
  const ColumnResult& r = calc.Column(i, 1, 2);
  std::string t = "(" + FormatFixed(r.a[Dir::X], 1) + "x" + FormatFixed(r.b, 1);
  if (withL) t += "-" + FormatFixed(r.l, 1);
  return t + ")x" + ratio;
}

TEST(ResultsCells, DeltaNListsEveryUpperColumnOnTheBeamInWalkOrder) {
  for (int lMethod : {0, 1}) {
    const auto [p, calc] = BeamWithUpperColumns(lMethod);
    const Building& b = p.b;
    const bool withL = lMethod == 1;
    const ColumnResult& r1 = calc.Column(1, 1, 1);
    ASSERT_NE(r1.deltaN[Dir::X], 0.0f);
    EXPECT_EQ(
        DeltaNCell(b, calc, Dir::X, {1, 1}),
        FormatFixed(r1.deltaN[Dir::X], 2) + "\r=" + Term(calc, 3, withL, "0.75") + "\r+" + Term(calc, 5, withL, "0.50"))
        << lMethod;
    // From the other end the walk meets X5 first.
    const ColumnResult& r9 = calc.Column(9, 1, 1);
    EXPECT_EQ(
        DeltaNCell(b, calc, Dir::X, {9, 1}),
        FormatFixed(r9.deltaN[Dir::X], 2) + "\r=" + Term(calc, 5, withL, "0.50") + "\r+" + Term(calc, 3, withL, "0.25"))
        << lMethod;
    const auto row = ResultsRowCells(b, calc, {1, 1});
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cells[6], DeltaNCell(b, calc, Dir::X, {1, 1}) + "\r――――――――\r-");
  }
}

TEST(ResultsCells, WithoutBeamEndTransmissionNoTermIsListed) {
  auto [p, calc] = BeamWithUpperColumns(0);
  p.b.Settings.NoTransmitMissingColumn = 1;
  CalcAllN(p.b, calc, false);
  EXPECT_EQ(DeltaNCell(p.b, calc, Dir::X, {1, 1}), "-");
  // An orthogonal-beam share alone shows without the beam's storey-2 columns.
  calc.Column(1, 1, 1).crossShare[Dir::X] = 0.2f;
  EXPECT_EQ(DeltaNCell(p.b, calc, Dir::X, {1, 1}), "0.20\r=[0.200]");
}

TEST(ResultsCells, LOptionOnePrintsTheStoreyOneLAsCalculated) {
  PlanBuilder p = TwoStorey(4);
  CalcResults calc = Sized(p.b);
  p.b.Settings.LMethod = 1;
  p.Column(3, 2, 1).Column(3, 2, 2);
  p.Brace(1, Dir::X, 1, 2, 2, 3, test::kRisesToHigher).Brace(2, Dir::X, 1, 2, 2, 2, test::kRisesToHigher);
  calc = RunFullCalculation(p.b, false);
  const ColumnResult& r1 = calc.Column(3, 2, 1);
  const ColumnResult& r2 = calc.Column(3, 2, 2);
  // An interior storey-1 column under an interior storey-2 column: L = 1.0 + 0.6.
  ASSERT_FLOAT_EQ(r1.l, 1.6f);
  const auto row = ResultsRowCells(p.b, calc, {3, 2});
  ASSERT_TRUE(row);
  const std::string x = FormatFixed(r1.n[Dir::X], 2) + "\r=" + FormatFixed(r1.a[Dir::X], 1) + "x0.5+" +
                        FormatFixed(r2.a[Dir::X], 1) + "x0.5-1.6";
  EXPECT_EQ(row->cells[5].substr(0, x.size()), x);
}

TEST(ResultsCells, BodyFormatLeavesOutTheHiddenHeaderColumns) {
  EXPECT_EQ(ResultsBodyFormat(), "+<650|+^350|+^1100|+^650|+^700|+^1820|+^1680|+^1000|+^650|+^700;");
}

}  // namespace
}  // namespace tvk
