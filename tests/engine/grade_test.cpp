// Joint grades, placed hardware and the NG decision.

#include <gtest/gtest.h>

#include "engine/grade.h"
#include "engine/hardware_placement.h"
#include "engine/n_value.h"
#include "engine_results.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

struct GradeCase {
  float n;
  const char* symbol;
  int overLimit;
};

TEST(NToKigou, SymbolCoversItsOwnLimit) {
  const GradeCase cases[] = {
      {-0.35f, "(い)", 0}, {0.0f, "(い)", 0},   {0.000001f, "(い)", 0}, {0.000002f, "(ろ)", 0}, {0.65f, "(ろ)", 0},
      {0.66f, "(は)", 0},  {1.0f, "(は)", 0},   {1.4f, "(に)", 0},      {1.45f, "(ほ)", 0},     {1.6f, "(ほ)", 0},
      {1.8f, "(へ)", 0},   {1.81f, "(と)", 0},  {2.8f, "(と)", 0},      {3.7f, "(ち)", 0},      {4.7f, "(り)", 0},
      {5.6f, "(ぬ)", 0},   {5.61f, "(る)*", 0}, {7.5f, "(る)*", 0},     {7.51f, "不可", 1},     {100.0f, "不可", 1},
  };
  for (const GradeCase& c : cases) {
    const Grade g = NToKigou(c.n);
    EXPECT_EQ(g.symbol, c.symbol) << c.n;
    EXPECT_EQ(g.overLimit, c.overLimit) << c.n;
  }
}

TEST(KigouToN, OnlyTheElevenSymbolsHaveALimit) {
  const float limits[] = {0.0f, 0.65f, 1.0f, 1.4f, 1.6f, 1.8f, 2.8f, 3.7f, 4.7f, 5.6f, 7.5f};
  for (size_t k = 0; k < GradeTable().size(); ++k) {
    EXPECT_FLOAT_EQ(KigouToN(GradeTable()[k].symbol), limits[k]);
    EXPECT_EQ(NToKigou(limits[k]).symbol, GradeTable()[k].symbol);
  }
  for (const char* other : {"", "不可", "(る)", "(へ) ", "引き寄せ金物(HD-10)"}) EXPECT_FLOAT_EQ(KigouToN(other), 0.0f);
}

TEST(HardwareNG, PlacedWeakerThanRequired) {
  struct Case {
    const char* need;
    const char* placed;
    bool ng;
  };
  for (const Case c : {Case{"(ほ)", "(に)", true}, Case{"(ほ)", "(ほ)", false}, Case{"(ほ)", "(へ)", false},
                       Case{"(ほ)", "", false}, Case{"(る)*", "不可", false}, Case{"(ろ)", "ボルト", true},
                       Case{"不可", "(い)", false}, Case{"(い)", "(い)", false}}) {
    EXPECT_EQ(IsHardwareNG(c.need, c.placed), c.ng) << c.need << " / " << c.placed;
  }
}

// A one-storey corner column with N = 0.8 x 1.5 - 0.4 = 0.8 ((は)).
PlanBuilder ColumnNeedingHa() {
  PlanBuilder p(1, 4, 4);
  p.Column(1, 1, 1).Sheathing(1, Dir::X, 1, 1, 1, 3);
  return p;
}

TEST(AutoSetKanamono, FillsOnlyEmptyFields) {
  PlanBuilder p = ColumnNeedingHa();
  ColumnRec& c = p.b.Point(1, 1, 1).Column;
  c.TopHardware = "(い)";
  const CalcResults calc = test::NValuesOf(p.b, false);
  EXPECT_EQ(c.NeedGrade, "(は)");
  EXPECT_EQ(c.TopHardware, "(い)");
  EXPECT_EQ(c.BottomHardware, "(は)");
  EXPECT_TRUE(IsHardwareNG(c.NeedGrade, c.TopHardware));
}

TEST(AutoSetKanamono, OffForThePlacementDialogAndByOption) {
  for (const auto& [noAuto, option] : {std::pair{true, 1}, std::pair{false, 0}}) {
    PlanBuilder p = ColumnNeedingHa();
    p.b.Settings.AutoHardwareOnReport = option;
    const CalcResults calc = test::NValuesOf(p.b, noAuto);
    EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "(は)");
    EXPECT_EQ(p.b.Point(1, 1, 1).Column.TopHardware, "");
    EXPECT_EQ(p.b.Point(1, 1, 1).Column.BottomHardware, "");
  }
}

TEST(AutoSetKanamono, ThroughColumnHasNoJointBetweenItsStoreys) {
  PlanBuilder p(2, 4, 4);
  p.ThroughColumn(2, 2);
  const CalcResults calc = test::NValuesOf(p.b, false);
  const ColumnRec& lower = p.b.Point(2, 2, 1).Column;
  const ColumnRec& upper = p.b.Point(2, 2, 2).Column;
  EXPECT_EQ(lower.TopHardware, "");
  EXPECT_EQ(lower.BottomHardware, "(い)");
  EXPECT_EQ(upper.TopHardware, "(い)");
  EXPECT_EQ(upper.BottomHardware, "");
  EXPECT_EQ(calc.Storey(1).columns, 1);
  EXPECT_EQ(calc.Storey(2).columns, 1);
}

// Storey-1 and storey-2 columns at (2, 2) with given N values.
struct Stacked {
  PlanBuilder p{2, 4, 4};
  CalcResults calc;
};
Stacked StackedColumns(float n1, float n2) {
  Stacked s;
  s.p.Column(2, 2, 1).Column(2, 2, 2);
  s.calc.Reset(s.p.b);
  s.calc.Column(2, 2, 1).n = {n1, 0.0f};
  s.calc.Column(2, 2, 2).n = {0.0f, n2};
  return s;
}

TEST(SetRyobiki, EqualisesHoldDownsToTheStronger) {
  struct Case {
    const char* lowerTop;
    const char* upperBottom;
    const char* upperNeed;
    const char* lowerTopAfter;
    const char* upperBottomAfter;
  };
  const Case cases[] = {
      {"(と)", "(ち)", "", "(ち)", "(ち)"}, {"(ち)", "(と)", "", "(ち)", "(ち)"},
      {"(ほ)", "(ち)", "", "(ほ)", "(ち)"}, {"(へ)", "(へ)", "", "(へ)", "(へ)"},
      {"(と)", "", "(り)", "(り)", ""},     {"(と)", " (ち) ", "", "(ち)", " (ち) "},
  };
  for (const Case& c : cases) {
    PlanBuilder p = StackedColumns(0, 0).p;
    p.b.Point(2, 2, 1).Column.TopHardware = c.lowerTop;
    p.b.Point(2, 2, 2).Column.BottomHardware = c.upperBottom;
    p.b.Point(2, 2, 2).Column.NeedGrade = c.upperNeed;
    SetRyobiki(p.b, {2, 2}, 1);
    EXPECT_EQ(p.b.Point(2, 2, 1).Column.TopHardware, c.lowerTopAfter) << c.lowerTop << c.upperBottom;
    EXPECT_EQ(p.b.Point(2, 2, 2).Column.BottomHardware, c.upperBottomAfter) << c.lowerTop << c.upperBottom;
  }
}

TEST(MatchLowerHardware, RaisesWeakerStorey1Hardware) {
  struct Case {
    const char* top;
    const char* topAfter;
  };
  for (const Case c : {Case{"", "(ほ)"}, Case{"(に)", "(ほ)"}, Case{"(ほ)", "(ほ)"}, Case{"(へ)", "(へ)"}}) {
    auto [p, calc] = StackedColumns(0.5f, 1.5f);
    p.b.Point(2, 2, 1).Column.TopHardware = c.top;
    p.b.Point(2, 2, 1).Column.BottomHardware = c.top;
    MatchLowerHardware(p.b, calc, {2, 2}, 1);
    EXPECT_EQ(p.b.Point(2, 2, 1).Column.TopHardware, c.topAfter) << c.top;
    EXPECT_EQ(p.b.Point(2, 2, 1).Column.BottomHardware, c.topAfter) << c.top;
  }
  auto [stronger, calc] = StackedColumns(1.5f, 0.5f);
  MatchLowerHardware(stronger.b, calc, {2, 2}, 1);
  EXPECT_EQ(stronger.b.Point(2, 2, 1).Column.TopHardware, "");
}

TEST(AutoSetKanamono, AppliesTheEqualisationOptions) {
  // Corner columns under a level-2 floor cell; the storey-2 column has sheathing 4.25 at
  // its X side: N2 = 4.25 x 0.8 - 0.4 = 3.0 (ち), N1 = 3.4 - 1.0 = 2.4 (と).
  for (int match : {0, 1}) {
    PlanBuilder p(2, 4, 4);
    p.b.Settings.SheathingAdjust = 0.25f;
    p.b.Settings.Match1FTo2F = match;
    p.Floor(2, 1, 1, 1, 1).Column(1, 1, 1).Column(1, 1, 2).Sheathing(2, Dir::X, 1, 1, 1, 8);
    const CalcResults calc = test::NValuesOf(p.b, false);
    EXPECT_EQ(p.b.Point(1, 1, 2).Column.NeedGrade, "(ち)");
    EXPECT_EQ(p.b.Point(1, 1, 1).Column.NeedGrade, "(と)");
    // Double-pull raises the storey-1 top; matching raises the bottom as well.
    EXPECT_EQ(p.b.Point(1, 1, 1).Column.TopHardware, "(ち)");
    EXPECT_EQ(p.b.Point(1, 1, 1).Column.BottomHardware, match ? "(ち)" : "(と)");
  }
}

TEST(ClearKanamono, EmptiesEveryPlacedText) {
  PlanBuilder p(2, 2, 2);
  for (GridPoint& g : p.b.Points()) {
    g.Column.TopHardware = "(ほ)";
    g.Column.BottomHardware = "(へ)";
    g.Column.NeedGrade = "(ほ)";
  }
  ClearKanamono(p.b);
  for (const GridPoint& g : p.b.Points()) {
    EXPECT_EQ(g.Column.TopHardware, "");
    EXPECT_EQ(g.Column.BottomHardware, "");
    EXPECT_EQ(g.Column.NeedGrade, "(ほ)");
  }
}

}  // namespace
}  // namespace tvk
