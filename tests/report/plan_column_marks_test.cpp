#include <gtest/gtest.h>

#include "engine/calc_results.h"
#include "report/figure_test_building.h"
#include "report/figures/column_marks.h"

namespace tvk {
namespace {

struct MarkCase {
  const char* name;
  int storey;
  float nX, nY;       // own-storey N
  float deltaNX;      // received from a storey-2 column without a lower column
  float crossShareY;  // received through an orthogonal beam
  int overLimit;
  ColumnMark expected;
};

class HardwarePlanMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(HardwarePlanMarkTest, FillFollowsNAndOverLimit) {
  const MarkCase& c = GetParam();
  const Building b = test::PlanBuilder(2, 2, 2).Column(2, 2, c.storey).b;
  CalcResults calc;
  calc.Reset(b);
  ColumnResult& r = calc.Column(2, 2, c.storey);
  r.n = {c.nX, c.nY};
  r.deltaN[Dir::X] = c.deltaNX;
  r.crossShare[Dir::Y] = c.crossShareY;
  r.overLimit = c.overLimit;
  EXPECT_EQ(HardwarePlanMark(calc, 2, 2, c.storey), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, HardwarePlanMarkTest,
    ::testing::Values(MarkCase{"ExactlyOnePointSixBothWaysIsWhite", 1, 1.6f, 1.6f, 0, 0, 0, ColumnMark::White},
                      MarkCase{"JustAboveInXIsBlack", 1, 1.61f, 0.0f, 0, 0, 0, ColumnMark::Black},
                      MarkCase{"JustAboveInYIsBlack", 2, -0.5f, 1.61f, 0, 0, 0, ColumnMark::Black},
                      MarkCase{"Storey1CountsDeltaN", 1, 1.0f, 0.0f, 0.61f, 0, 0, ColumnMark::Black},
                      MarkCase{"Storey1CountsCrossShare", 1, 0.0f, 1.5f, 0, 0.2f, 0, ColumnMark::Black},
                      MarkCase{"Storey2IgnoresReceivedShares", 2, 1.0f, 1.0f, 0.9f, 0.9f, 0, ColumnMark::White},
                      MarkCase{"OverLimitIsRed", 1, 8.0f, 0.0f, 0, 0, 1, ColumnMark::Red},
                      MarkCase{"NegativeNIsWhite", 2, -1.0f, -0.4f, 0, 0, 0, ColumnMark::White}),
    [](const auto& info) { return info.param.name; });

TEST(CheckViewMarkTest, NotTransmittedStorey2ColumnIsRed) {
  CalcResults calc;
  calc.Reset(test::PlanBuilder(2, 2, 2).b);
  EXPECT_EQ(CheckViewUpperMark(calc, 2, 2), ColumnMark::Black);
  calc.Column(2, 2, 2).notTransmitted = 1;
  EXPECT_EQ(CheckViewUpperMark(calc, 2, 2), ColumnMark::Red);
}

}  // namespace
}  // namespace tvk
