// The rows of the hardware placement list and its selector entries.
#include <gtest/gtest.h>

#include "editor/hardware_place_rows.h"
#include "model/line_names.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

TEST(HardwarePlaceRows, RowTextsLineUpTheirFields) {
  PlanBuilder p(2, 4, 2, 1, 0.91f);
  p.ThroughColumn(1, 1).Column(3, 1, 1);
  GenerateLineNames(p.b);
  Building& b = p.b;
  b.Point(1, 1, 1).Column.NeedGrade = "(と)";
  b.Point(3, 1, 1).Column.NeedGrade = "(る)*";
  const PlacedColumn through{{1, 1}, "", "(と)"};
  const PlacedColumn plain{{3, 1}, "(る)*", "不可"};
  EXPECT_EQ(PlacementRowText(b, 1, through), "X1- Y1  (と)        (と) [通し柱]");
  EXPECT_EQ(PlacementRowText(b, 1, plain), "X3- Y1 (る)* (る)*  不可         ");
  const std::vector<std::string> header = PlacementListHeader(b);
  ASSERT_EQ(header.size(), 2u);
  EXPECT_EQ(header[0], "              配置金物  ");
  EXPECT_EQ(header[1], "通 り   必要  柱頭  柱脚 備   考 ");
  EXPECT_EQ(ClearStoreyQuestion(2), "2 階 配置金物をクリアーします。");
}

TEST(HardwarePlaceRows, ChoicesAreBlankThenTheElevenGrades) {
  const std::vector<std::string> choices = HardwareChoices();
  ASSERT_EQ(choices.size(), 12u);
  EXPECT_EQ(choices[0], "空欄");
  EXPECT_EQ(choices[1], "(い)");
  EXPECT_EQ(choices[11], "(る)*");
  EXPECT_EQ(ChoiceText(0), "");
  EXPECT_EQ(ChoiceIndex(""), 0);
  EXPECT_EQ(ChoiceIndex("(へ)"), 6);
  EXPECT_EQ(ChoiceIndex("不可"), -1);
}

}  // namespace
}  // namespace tvk
