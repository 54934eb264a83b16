// The status bar's prompt for the next click and the tooltip naming the members under the
// pointer.

#include <gtest/gtest.h>

#include "editor/click_prompt.h"
#include "editor/member_tooltip.h"
#include "editor_fixture.h"
#include "engine/quasi_walls.h"

namespace tvk {
namespace {

using test::EditorTest;

class PromptTest : public EditorTest {
 protected:
  std::string Prompt() const { return NextClickPrompt(plan.b, editor.state()); }
};

TEST_F(PromptTest, NamesTheChosenKindAndTheEndStillToClick) {
  EXPECT_EQ(Prompt(), "「床」の始点をクリックしてください。");
  Use(Category::Wall, "Kesa3");
  EXPECT_EQ(Prompt(), "「筋かい(けさ掛け) 45×90 倍率 2.0」の始点をクリックしてください。");
  Click(1, 1);
  EXPECT_EQ(Prompt(),
            "「筋かい(けさ掛け) 45×90 倍率 2.0」の終点をクリックしてください。右クリックで削除、Escで取消しです。");
  editor.escape();
  Use(Category::Wall, "Menzai5");
  EXPECT_EQ(Prompt(), "「面材耐力壁 倍率 2.5」の始点をクリックしてください。");
  Use(Category::Column, "Col2");
  EXPECT_EQ(Prompt(), "「通し柱」を置く点をクリックしてください。右クリックで削除です。");
  Use(Category::Beam);
  EXPECT_EQ(Prompt(), "「床梁」の始点をクリックしてください。");
  editor.chooseStorey(2);
  EXPECT_EQ(Prompt(), "「小屋梁」の始点をクリックしてください。");
}

TEST_F(PromptTest, DeleteModesNameWhatGoes) {
  Use(Category::Wall, "Tasuki1");
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  EXPECT_EQ(Prompt(), "削除する筋かいの始点をクリックしてください。");
  editor.setDeleteBothLayers(true);
  Click(1, 1);
  EXPECT_EQ(Prompt(), "削除する筋かい と 面材耐力壁の終点をクリックしてください。Escで取消しです。");
  Use(Category::Column);
  EXPECT_EQ(Prompt(), "削除する柱をクリックしてください。");
  editor.pressDeleteToggle(DeleteToggle::GroupDelete, true);
  EXPECT_EQ(Prompt(), "「柱」をグループ削除する範囲の一方の角をクリックしてください。");
  Click(1, 1);
  EXPECT_EQ(Prompt(), "「柱」をグループ削除する範囲の対角をクリックしてください。Escで取消しです。");
}

class TooltipTest : public EditorTest {
 protected:
  // The tooltip at fractional grid indices (1 = the first grid line).
  std::string TipAt(double i, double j) const {
    return MemberTooltip(plan.b, editor.state(), CanvasGeometry::For(plan.b), AtIndex(i, j), QuasiWalls{});
  }
};

TEST_F(TooltipTest, NamesKindMultiplierAndExtentOfTheMembersOfTheCategory) {
  plan.Brace(1, Dir::X, 3, 5, 4, 3, test::kRisesToHigher).Sheathing(1, Dir::X, 3, 5, 4, 5);
  plan.Sheathing(1, Dir::Y, 9, 2, 2, 4).Column(9, 2, 1).Beam(2, Dir::X, 2, 8, 3).Floor(1, 4, 4, 4, 4, FloorCell::Slab);
  StartFrom([](Building& b) { b.Point(9, 2, 1).Column.TopHardware = "(ほ)"; });
  Use(Category::Wall);
  EXPECT_EQ(TipAt(4.5, 5.1), "筋かい(けさ掛け) 45×90 倍率 2.0  Y5通り X3 - X7\n面材耐力壁 倍率 2.5  Y5通り X3 - X7");
  EXPECT_EQ(TipAt(8.9, 3.5), "面材耐力壁 倍率 2.0  X9通り Y2 - Y4");
  EXPECT_EQ(TipAt(4.5, 5.5), "");  // between the lines
  Use(Category::Column);
  EXPECT_EQ(TipAt(9.1, 2.1), "管柱  位置： X9 - Y2  柱頭 (ほ)");
  EXPECT_EQ(TipAt(4.5, 5.0), "");  // walls are not the current category
  Use(Category::Beam);
  EXPECT_EQ(TipAt(3.5, 7.9), "床梁  Y8通り X2 - X5");
  Use(Category::Floor);
  EXPECT_EQ(TipAt(4.5, 4.5), "床  X4 - X5, Y4 - Y5");
  editor.toggleShowAll();
  EXPECT_EQ(TipAt(9.0, 2.2), "面材耐力壁 倍率 2.0  X9通り Y2 - Y4\n管柱  位置： X9 - Y2  柱頭 (ほ)");
}

TEST_F(TooltipTest, NothingBeyondTheGrid) {
  plan.Column(1, 1, 1);
  Use(Category::Column);
  EXPECT_EQ(TipAt(1.0, 1.0), "管柱  位置： X1 - Y1");
  EXPECT_EQ(TipAt(0.5, 1.0), "");
  EXPECT_EQ(TipAt(22.5, 30.0), "");
}

}  // namespace
}  // namespace tvk
