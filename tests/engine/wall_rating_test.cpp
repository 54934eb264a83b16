// Side walls, wall ratings and the brace correction of a column.

#include <gtest/gtest.h>

#include "engine/n_value.h"
#include "engine/wall_rating.h"
#include "engine_results.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::kRisesToHigher;
using test::kRisesToLower;
using test::PlanBuilder;

// One wall on a side segment: brace size/slope (size 0 = none), sheathing entry (0 = none).
struct Side {
  int braceSize = 0;
  int slope = 0;
  int sheathing = 0;
};

struct ACase {
  const char* name;
  Side side1;
  Side side2;
  float rating1, rating2, correction, a;
};

// A one-storey plan with a column at (3, 2); side 1 along X is the segment from (2, 2),
// side 2 the segment from (3, 2).
ColumnResult ResultFor(const Side& s1, const Side& s2) {
  PlanBuilder p(1, 4, 2);
  p.Column(3, 2, 1);
  auto put = [&](const Side& s, int i) {
    if (s.braceSize > 0) p.Brace(1, Dir::X, i, 2, 1, s.braceSize, s.slope);
    if (s.sheathing > 0) p.Sheathing(1, Dir::X, i, 2, 1, s.sheathing);
  };
  put(s1, 2);
  put(s2, 3);
  const CalcResults calc = test::NValuesOf(p.b, true);
  return calc.Column(3, 2, 1);
}

class WallRatingA : public ::testing::TestWithParam<ACase> {};

TEST_P(WallRatingA, RatingsCorrectionAndA) {
  const ACase& c = GetParam();
  const ColumnResult r = ResultFor(c.side1, c.side2);
  EXPECT_FLOAT_EQ(r.rating1[Dir::X], c.rating1);
  EXPECT_FLOAT_EQ(r.rating2[Dir::X], c.rating2);
  EXPECT_FLOAT_EQ(r.correction[Dir::X], c.correction);
  EXPECT_FLOAT_EQ(r.a[Dir::X], c.a);
}

// Side 1 slope 1 and side 2 slope 2 reach the column top.
INSTANTIATE_TEST_SUITE_P(
    Examples, WallRatingA,
    ::testing::Values(ACase{"Single45x90ToTop", {3, kRisesToHigher}, {}, 2.0f, 0.0f, 0.5f, 2.5f},
                      ACase{"Single45x90ToBottom", {3, kRisesToLower}, {}, 2.0f, 0.0f, -0.5f, 1.5f},
                      ACase{"Single90x90ToBottom", {4, kRisesToLower}, {}, 3.0f, 0.0f, -2.0f, 1.0f},
                      ACase{"SingleOnSide2ToTop", {}, {3, kRisesToLower}, 0.0f, 2.0f, 0.5f, 2.5f},
                      ACase{"Crossed90x90AgainstSheathing", {4, kCrossed}, {0, 0, 5}, 5.0f, 2.5f, 0.0f, 2.5f},
                      ACase{"CrossedPlusSheathingCapped", {3, kCrossed, 5}, {}, 5.0f, 0.0f, 0.0f, 5.0f},
                      ACase{"CrossedPlusSheathingExactlyAtCap", {3, kCrossed, 2}, {}, 5.0f, 0.0f, 0.0f, 5.0f},
                      ACase{"TwoSinglesBothToBottom", {2, kRisesToLower}, {2, kRisesToHigher}, 1.5f, 1.5f, 0.0f, 0.0f},
                      ACase{"TwoSinglesBothToTop", {2, kRisesToHigher}, {2, kRisesToLower}, 1.5f, 1.5f, 1.0f, 1.0f},
                      ACase{"TwoSinglesTopAndBottom", {2, kRisesToHigher}, {2, kRisesToHigher}, 1.5f, 1.5f, 1.0f, 1.0f},
                      ACase{"SingleToTopAgainstCrossed", {2, kRisesToHigher}, {2, kCrossed}, 1.5f, 3.0f, 0.5f, 2.0f},
                      ACase{"SingleToBottomAgainstCrossed", {2, kRisesToLower}, {2, kCrossed}, 1.5f, 3.0f, 0.0f, 1.5f},
                      ACase{"TwoCrossed", {4, kCrossed}, {3, kCrossed}, 5.0f, 4.0f, 0.0f, 1.0f},
                      ACase{"EqualSheathingNoBraces", {0, 0, 4}, {0, 0, 4}, 2.0f, 2.0f, 0.0f, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SujikaiHosei, FollowsTheSlopeTable) {
  // T: size 2 and 3 -> 0.5, size 4 -> 2.0, sizes 0, 1 and the spare 5 -> 0.
  EXPECT_FLOAT_EQ(SujikaiHosei(4, 0, 0, 0), 2.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(0, 0, 4, 1), -2.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(0, 0, 4, 2), 2.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(0, 0, 4, 3), 0.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(3, 3, 4, 0), 2.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(1, 1, 0, 0), 0.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(5, 1, 0, 0), 0.0f);
}

TEST(SujikaiHosei, CodesOutsideTheTableCountAsNoBrace) {
  EXPECT_FLOAT_EQ(SujikaiHosei(9, 1, 0, 0), 0.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(-3, 1, 0, 0), 0.0f);
  EXPECT_FLOAT_EQ(SujikaiHosei(4, 7, 0, 0), SujikaiHosei(4, 0, 0, 0));
  EXPECT_FLOAT_EQ(SujikaiHosei(0, -1, 4, 99), SujikaiHosei(0, 0, 4, 0));
}

TEST(SideWalls, MemberCodesOutsideTheirTablesAreEmpty) {
  PlanBuilder p(1, 4, 2);
  p.Column(3, 2, 1).Brace(1, Dir::X, 2, 2, 1, 3, kRisesToHigher).Sheathing(1, Dir::X, 3, 2, 1, 4);
  p.b.Point(2, 2, 1).brace(Dir::X).Kind = 9;
  p.b.Point(3, 2, 1).sheathing(Dir::X).Kind = 99;
  const CalcResults calc = test::NValuesOf(p.b, true);
  const ColumnResult& r = calc.Column(3, 2, 1);
  EXPECT_EQ(r.size1[Dir::X], 0);
  EXPECT_FLOAT_EQ(r.rating1[Dir::X], 0.0f);
  EXPECT_FLOAT_EQ(r.rating2[Dir::X], 0.0f);
  EXPECT_FLOAT_EQ(r.a[Dir::X], 0.0f);
}

TEST(SideWalls, ColumnOnTheFirstLineHasOnlySide2) {
  PlanBuilder p(1, 4, 2);
  p.Column(1, 2, 1).Brace(1, Dir::X, 1, 2, 2, 3, kRisesToLower);
  p.Column(5, 2, 1).Brace(1, Dir::X, 3, 2, 2, 2, kRisesToHigher);
  const CalcResults calc = test::NValuesOf(p.b, true);
  const ColumnResult& first = calc.Column(1, 2, 1);
  EXPECT_EQ(first.size1[Dir::X], 0);
  EXPECT_FLOAT_EQ(first.rating1[Dir::X], 0.0f);
  EXPECT_EQ(first.size2[Dir::X], 3);
  EXPECT_EQ(first.slope2[Dir::X], kRisesToLower);
  EXPECT_FLOAT_EQ(first.rating2[Dir::X], 2.0f);
  const ColumnResult& last = calc.Column(5, 2, 1);
  EXPECT_EQ(last.size1[Dir::X], 2);
  EXPECT_FLOAT_EQ(last.rating1[Dir::X], 1.5f);
  EXPECT_EQ(last.size2[Dir::X], 0);
}

TEST(SideWalls, SheathingAdjustmentCountsInTheRating) {
  PlanBuilder p(1, 4, 2);
  p.b.Settings.SheathingAdjust = 0.3f;
  p.Column(3, 2, 1).Sheathing(1, Dir::Y, 3, 2, 1, 2);
  const CalcResults calc = test::NValuesOf(p.b, true);
  EXPECT_FLOAT_EQ(calc.Column(3, 2, 1).rating2[Dir::Y], 1.3f);
}

}  // namespace
}  // namespace tvk
