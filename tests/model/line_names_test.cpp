#include <gtest/gtest.h>

#include <cstdint>

#include "model/building.h"
#include "model/line_names.h"
#include "model_test_util.h"

namespace tvk {
namespace {

using Names = std::vector<std::string>;

struct AxisCase {
  const char* what;
  int spans;
  int divisions;
  int style;
  int start;
  bool reversed;
  Names expected;
};

class AxisNames : public testing::TestWithParam<AxisCase> {};

TEST_P(AxisNames, FollowTheScheme) {
  const AxisCase& c = GetParam();
  EXPECT_EQ(AxisLineNames(c.spans, c.divisions, c.style, c.start, c.reversed, "X"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, AxisNames,
    testing::Values(AxisCase{"numbered", 4, 2, 1, 1, false, {"X1", "X1a", "X2", "X2a", "X3"}},
                    AxisCase{"numbered from 3", 2, 1, 1, 3, false, {"X3", "X4", "X5"}},
                    AxisCase{"numbered reversed", 4, 2, 1, 1, true, {"X3", "X2a", "X2", "X1a", "X1"}},
                    AxisCase{"unset scheme", 2, 1, 0, 0, false, {"X1", "X2", "X3"}},
                    AxisCase{"unknown scheme", 1, 1, 7, 9, false, {"X1", "X2"}},
                    AxisCase{"iroha, 3 divisions", 6, 3, 2, 1, false, {"い", "いa", "いb", "ろ", "ろa", "ろb", "は"}},
                    AxisCase{"iroha, 4 divisions reversed", 4, 4, 2, 1, true, {"ろ", "いc", "いb", "いa", "い"}},
                    AxisCase{"letters", 3, 1, 3, 1, false, {"A", "B", "C", "D"}},
                    AxisCase{"digits from 5", 2, 1, 4, 5, false, {"5", "6", "7"}},
                    AxisCase{"digits reversed", 2, 1, 4, 0, true, {"2", "1", "0"}}),
    [](const testing::TestParamInfo<AxisCase>& info) {
      std::string name = info.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(LineNames, LongAxesContinueWithTwoCharacters) {
  const Names letters = AxisLineNames(30, 1, 3, 1, false, "X");
  EXPECT_EQ(letters[25], "Z");
  EXPECT_EQ(letters[26], "AA");
  EXPECT_EQ(letters[30], "AE");
  const Names kana = AxisLineNames(40, 1, 2, 1, false, "X");
  EXPECT_EQ(kana[35], "あ");
  EXPECT_EQ(kana[36], "いい");
  EXPECT_EQ(kana[37], "いろ");
}

TEST(LineNames, SpansThatAreNoMultipleOfTheDivisionsStillGetNames) {
  // Reversed, the first line named is then a sub-grid line before any main line.
  EXPECT_EQ(AxisLineNames(3, 2, 2, 1, true, "X"), (Names{"ろ", "いa", "い", "a"}));
}

TEST(LineNames, StartNumbersFromAFileAtTheEndsOfTheirRangeCountOn) {
  EXPECT_EQ(AxisLineNames(2, 1, 1, INT32_MAX, false, "X"), (Names{"X2147483647", "X2147483648", "X2147483649"}));
  EXPECT_EQ(AxisLineNames(1, 1, 4, INT32_MIN, true, "X"), (Names{"-2147483647", "-2147483648"}));
}

TEST(LineNames, BuildingNamesUseEachAxisSettings) {
  Building b = test::MakeBuilding(2, 4, 2, 2);
  b.Settings.LineStyleX = 1;
  b.Settings.LineStyleY = 1;
  b.Settings.LineReverseY = 1;
  GenerateLineNames(b);
  EXPECT_EQ(b.Settings.LineNamesX, (Names{"X1", "X1a", "X2", "X2a", "X3"}));
  EXPECT_EQ(b.Settings.LineNamesY, (Names{"Y2", "Y1a", "Y1"}));
  EXPECT_EQ(b.LineNameY(3), "Y1");
}

}  // namespace
}  // namespace tvk
