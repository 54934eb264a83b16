// Placing and deleting partly sheathed walls (準耐力壁等) with the plan editor: the entries of
// the member-kind list, what a placed wall writes with the heights chosen, the overlap and
// crossing rules, the pop-up and group deletions, undo and the texts that name them.

#include <gtest/gtest.h>

#include "editor/click_prompt.h"
#include "editor/edit_checks.h"
#include "editor/member_tooltip.h"
#include "editor_fixture.h"
#include "engine/quasi_walls.h"
#include "model/profile_store.h"

namespace tvk {
namespace {

using test::EditorTest;
using test::kRisesToHigher;

TEST(QuasiKinds, TwoGroupsOfBoardsFollowTheBearingWalls) {
  const std::vector<KindNode> list = MemberKindList(Category::Wall, 1);
  ASSERT_EQ(list.size(), 5u);
  const KindNode& full = list[3];
  EXPECT_EQ(full.text, "準耐力壁");
  EXPECT_EQ(full.key, kKeyJuntai);
  ASSERT_EQ(full.children.size(), static_cast<size_t>(kQuasiBoardCount));
  EXPECT_EQ(full.children[0].text, "せっこうボード (0.9)");
  EXPECT_EQ(full.children[0].key, "Juntai1");
  EXPECT_EQ(full.children[3].text, "構造用合板 (2.5)");
  EXPECT_EQ(full.children[5].text, "木ずり (0.5)");
  EXPECT_EQ(full.children[6].text, "その他の面材 (倍率入力)");
  EXPECT_EQ(list[4].text, "垂れ壁・腰壁");
  EXPECT_EQ(list[4].children[1].key, "Tarekoshi2");
  EXPECT_EQ(WallKindName(kKeyTarekoshi, 5), "垂れ壁・腰壁 構造用パネル");
  EXPECT_FLOAT_EQ(LeafMultiplier(kKeyJuntai, 2), 1.7f);
  EXPECT_EQ(EditLayers(kKeyTarekoshi, EditMode::Delete, true, false, LayerSet::None), LayerSet::Quasi);
  EXPECT_EQ(GroupDeleteName(Category::Wall, LayerSet::Quasi), "準耐力壁等");
  EXPECT_EQ(LayersOf(PopupChoice::DeleteQuasi), LayerSet::Quasi);
}

TEST_F(EditorTest, PlacedWallTakesTheChosenHeights) {
  Use(Category::Wall, "Tarekoshi4");
  editor.setQuasiChoice(QuasiChoice{2400, 450, 800, 1.0f});
  EXPECT_EQ(NextClickPrompt(b(), editor.state()),
            "「垂れ壁・腰壁 構造用合板 m0 2.5 垂れ壁 450・腰壁 800」の始点をクリックしてください。");
  Drag(3, 1, 5, 1);
  EXPECT_TRUE(host.messages.empty());
  for (int i = 3; i <= 4; ++i) {
    const QuasiSeg& seg = P(i, 1).quasi(Dir::X);
    EXPECT_EQ(seg.Kind, 4);
    EXPECT_EQ(seg.KindKey, kKeyTarekoshi);
    EXPECT_EQ(seg.RunStart, 3);
    EXPECT_EQ(seg.RunEnd, 4);
    EXPECT_EQ(seg.RunPos, i == 3 ? 1 : 3);
    EXPECT_FLOAT_EQ(seg.Multiplier, 2.5f);
    EXPECT_EQ(seg.TopMm, 450);
    EXPECT_EQ(seg.BottomMm, 800);
    EXPECT_EQ(seg.Slope, 0);
  }
  EXPECT_EQ(P(3, 1).brace(Dir::X).Kind, 0);
  EXPECT_TRUE(doc.canUndo());
  editor.undo();
  EXPECT_EQ(P(3, 1).quasi(Dir::X), QuasiSeg{});
}

TEST_F(EditorTest, EnteredBoardTakesTheEnteredM0) {
  Use(Category::Wall, "Juntai7");
  editor.setQuasiChoice(QuasiChoice{2200, 0, 0, 1.3f});
  Drag(1, 2, 1, 4);
  const QuasiSeg& seg = P(1, 2).quasi(Dir::Y);
  EXPECT_FLOAT_EQ(seg.Multiplier, 1.3f);
  EXPECT_EQ(seg.TopMm, 2200);
  EXPECT_EQ(seg.BottomMm, 0);
  EXPECT_EQ(seg.KindKey, kKeyJuntai);
}

TEST_F(EditorTest, WallWithoutHeightsIsRefused) {
  Use(Category::Wall, "Tarekoshi1");
  editor.setQuasiChoice(QuasiChoice{2400, 0, 0, 1.0f});
  Drag(3, 1, 5, 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("垂れ壁・腰壁の高さ"), std::string::npos);
  EXPECT_EQ(P(3, 1).quasi(Dir::X).Kind, 0);
  EXPECT_FALSE(doc.canUndo());
}

// A partly sheathed wall may lie beside bearing walls of any extent, not over another of its
// layer; nothing may cross it or stand in its middle.
TEST_F(EditorTest, OverlapAndCrossingRules) {
  plan.Brace(1, Dir::X, 1, 1, 4, 1, kRisesToHigher).Quasi(1, Dir::X, 5, 1, 2, QuasiKind::Full, 1, 2400);
  Use(Category::Wall, "Juntai1");
  Drag(1, 1, 3, 1);  // over half the brace
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(P(2, 1).quasi(Dir::X).RunEnd, 2);
  EXPECT_EQ(P(2, 1).brace(Dir::X).RunEnd, 4);
  Drag(6, 1, 8, 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "指定した始点、終点が異なる準耐力壁等、または２部材にまたがる準耐力壁等は、置換できません。");
  Use(Category::Column, "Col1");
  Click(6, 1);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].rfind("筋かい・面材の中間部分に柱は、配置できません。", 0), 0u);
  Use(Category::Wall, "Menzai2");
  Drag(6, 1, 6, 3);  // a wall along Y from the wall's middle point
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[2], "筋かい・面材に直交する他の筋かい・面材は、配置できません。");
}

TEST_F(EditorTest, PopupAndGroupDeletionTakeTheLayerAlone) {
  plan.Brace(1, Dir::X, 1, 1, 2, 1, kRisesToHigher).Quasi(1, Dir::X, 1, 1, 2, QuasiKind::Full, 1, 2400);
  plan.Quasi(1, Dir::Y, 8, 8, 2, QuasiKind::Opening, 4, 500, 900);
  Use(Category::Wall, "Kesa1");
  RightDrag(1, 1, 3, 1, PopupChoice::DeleteQuasi);
  EXPECT_EQ(P(1, 1).quasi(Dir::X), QuasiSeg{});
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 1);
  EXPECT_EQ(editor.state().Mode, EditMode::Place);

  Use(Category::Wall, "Tarekoshi1");
  editor.pressDeleteToggle(DeleteToggle::GroupDelete, true);
  host.confirmAnswers.push_back(true);
  Drag(7, 7, 9, 11);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].find("内の「準耐力壁等」をグループ削除します。"), std::string::npos);
  EXPECT_EQ(P(8, 9).quasi(Dir::Y), QuasiSeg{});
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 1);
}

TEST_F(EditorTest, TooltipGivesTheArithmeticAndWhyAWallDoesNotCount) {
  plan.Quasi(1, Dir::X, 1, 1, 2, QuasiKind::Full, 1, 2400).Quasi(1, Dir::X, 5, 1, 1, QuasiKind::Full, 1, 2400);
  StartFrom([](Building& building) {
    BuildingProfile p;
    p.clearHeight[0] = 2730;
    ASSERT_FALSE(WriteProfile(building, p).has_value());
  });
  Use(Category::Wall, "Juntai1");
  const QuasiWalls& quasi = doc.liveChecks(1)->quasi;
  auto tooltip = [&](double i) {
    return MemberTooltip(b(), editor.state(), CanvasGeometry::For(b()), AtIndex(i, 1), quasi);
  };
  EXPECT_EQ(tooltip(1.5), "準耐力壁 せっこうボード m = 0.9×0.6×2400/2730 = 0.47  Y1通り X1 - X3");
  EXPECT_EQ(tooltip(5.5),
            "準耐力壁 せっこうボード m = 0.9×0.6×2400/2730 = 0.47  Y1通り X5 - X6\n"
            "　算入しない：準耐力壁の幅が 900mm 未満です");
}

}  // namespace
}  // namespace tvk
