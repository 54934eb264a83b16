// What the controls beside the canvas show and select: storey buttons, the member-kind
// list, selections across rebuilds, display toggles, delete toggles, multiplier boxes.

#include <gtest/gtest.h>

#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "editor_fixture.h"

namespace tvk {
namespace {

using test::EditorTest;

struct StoreyLabelCase {
  Category category;
  int storeys;
  const char* storey2;
  const char* storey1;
  bool otherWallsToggle;
};

TEST(StoreyButtons, LabelsPerCategory) {
  const StoreyLabelCase cases[] = {
      {Category::Floor, 2, "２階 床", "１階 床", false},
      {Category::Wall, 2, "２階 耐力壁", "１階 耐力壁", false},
      {Category::Column, 2, "２階 柱", "１階 柱", true},
      {Category::Beam, 2, "２階 小屋梁", "２階 床梁", true},
      {Category::Beam, 1, "２階 小屋梁", "１階 小屋梁", false},  // no other storey to show
      {Category::Column, 1, "２階 柱", "１階 柱", false},
  };
  for (const auto& c : cases) {
    const StoreyButtonLabels labels = StoreyButtons(c.category, c.storeys);
    EXPECT_EQ(labels.storey2, c.storey2);
    EXPECT_EQ(labels.storey1, c.storey1);
    EXPECT_EQ(OtherStoreyToggleEnabled(c.category, c.storeys), c.otherWallsToggle);
  }
}

TEST(DisplayCaptions, OtherStoreyToggleAndShowAll) {
  EXPECT_EQ(OtherStoreyToggleCaption(1, false), "上階耐力壁表示");
  EXPECT_EQ(OtherStoreyToggleCaption(1, true), "上階耐力壁消去");
  EXPECT_EQ(OtherStoreyToggleCaption(2, false), "下階耐力壁表示");
  EXPECT_EQ(OtherStoreyToggleCaption(2, true), "下階耐力壁消去");
  EXPECT_EQ(StoreyLabel(2), "２階");
  EXPECT_EQ(ShowAllMenuCaption(true), "全部材表示 解除");
}

TEST(MemberKindList, EntriesAndTheirMultipliers) {
  const auto walls = MemberKindList(Category::Wall, 1);
  ASSERT_EQ(walls.size(), 5u);  // the partly sheathed walls' two groups follow (quasi_edit_test)
  EXPECT_EQ(walls[0].text, "筋かい(けさ掛け)");
  EXPECT_EQ(walls[0].key, "Kesa");
  EXPECT_EQ(walls[0].children[0].text, "15×90 (1.0)");
  EXPECT_EQ(walls[0].children[3].text, "90×90 (3.0)");
  EXPECT_EQ(walls[1].key, "Tasuki");
  EXPECT_EQ(walls[1].children[1].text, "30×90 (3.0)");
  EXPECT_EQ(walls[1].children[3].text, "90×90 (5.0)");
  EXPECT_EQ(walls[2].text, "面材耐力壁");
  ASSERT_EQ(walls[2].children.size(), 10u);
  EXPECT_EQ(walls[2].children[0].text, "0.5");
  EXPECT_EQ(walls[2].children[9].text, "5.0");
  EXPECT_FLOAT_EQ(LeafMultiplier("Kesa", 2), 1.5f);
  EXPECT_FLOAT_EQ(LeafMultiplier("Tasuki", 4), 5.0f);
  EXPECT_FLOAT_EQ(LeafMultiplier("Menzai", 4), 2.0f);

  EXPECT_EQ(MemberKindList(Category::Floor, 1).size(), 1u);
  const auto floors2 = MemberKindList(Category::Floor, 2);
  ASSERT_EQ(floors2.size(), 2u);
  EXPECT_EQ(floors2[1].text, "吹き抜け");
  EXPECT_EQ(floors2[1].key, "Slab2");
  const auto columns = MemberKindList(Category::Column, 1);
  EXPECT_EQ(columns[1].key, "Col2");
  EXPECT_EQ(columns[1].text, "通し柱");
  EXPECT_TRUE(MemberKindList(Category::Beam, 1).empty());
}

TEST_F(EditorTest, VoidSelectionSurvivesStorey2AndResetsOnStorey1) {
  editor.chooseStorey(2);
  editor.chooseKind("Slab2");
  EXPECT_EQ(editor.state().SelectedKind(Category::Floor), static_cast<int>(FloorCell::Void));
  Use(Category::Wall);
  Use(Category::Floor);
  EXPECT_EQ(editor.state().SelectedKind(Category::Floor), static_cast<int>(FloorCell::Void));
  editor.chooseStorey(1);
  EXPECT_EQ(editor.state().SelectedKind(Category::Floor), static_cast<int>(FloorCell::Slab));
  EXPECT_EQ(editor.state().Selection[Category::Floor].key, "Slab1");
}

TEST_F(EditorTest, ThroughColumnSelectionResetsOnStorey2) {
  Use(Category::Column, "Col2");
  editor.chooseStorey(2);
  EXPECT_EQ(editor.state().SelectedKind(Category::Column), static_cast<int>(ColumnKind::Storey));
}

TEST_F(EditorTest, ChoosingAWallLeafSetsGroupAndMultiplier) {
  Use(Category::Wall, "Tasuki3");
  EXPECT_EQ(editor.state().SelectedGroupKey, "Tasuki");
  EXPECT_FLOAT_EQ(editor.state().SelectedMultiplier, 4.0f);
  editor.chooseKind("Menzai7");
  EXPECT_EQ(editor.state().SelectedGroupKey, "Menzai");
  EXPECT_FLOAT_EQ(editor.state().SelectedMultiplier, 3.5f);
}

TEST_F(EditorTest, AGroupEntryBeepsAndKeepsTheChosenKind) {
  Use(Category::Wall, "Tasuki3");
  EXPECT_FALSE(editor.chooseKind("Menzai"));
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(editor.state().Selection[Category::Wall], (KindSelection{3, "Tasuki3"}));
  EXPECT_EQ(editor.state().SelectedGroupKey, "Tasuki");
  EXPECT_FLOAT_EQ(editor.state().SelectedMultiplier, 4.0f);
  Drag(1, 1, 3, 1);  // what is highlighted is placed
  EXPECT_EQ(P(1, 1).brace(Dir::X).KindKey, "Tasuki");
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 3);
  EXPECT_TRUE(editor.chooseKind("Menzai2"));
  EXPECT_EQ(host.beeps, 1);
}

TEST_F(EditorTest, AnotherGridClearsThePositionReadOutAndEndsAPendingEdit) {
  Use(Category::Wall);
  editor.move(At(21, 21));
  ASSERT_EQ(host.labelX, "X21");
  Click(2, 2);
  editor.gridChanged();
  EXPECT_EQ(host.labelX, "");
  EXPECT_EQ(host.labelY, "");
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_FALSE(host.cancelEnabled);
}

TEST_F(EditorTest, AOneStoreyBuildingHasNoOtherStoreyWallsToShow) {
  Use(Category::Column);
  editor.toggleOtherStoreyWalls();
  ASSERT_TRUE(editor.state().OtherStoreyWalls);
  doc.replace(test::PlanBuilder(1, 4, 4).b);
  editor.gridChanged();
  EXPECT_FALSE(editor.state().OtherStoreyToggleEnabled);
  EXPECT_FALSE(editor.state().OtherStoreyWalls);
  Use(Category::Beam);
  EXPECT_FALSE(editor.state().OtherStoreyToggleEnabled);
}

TEST_F(EditorTest, CategoryChangeAbandonsAndResetsTheOtherStoreyToggle) {
  Use(Category::Column);
  editor.toggleOtherStoreyWalls();
  EXPECT_TRUE(editor.state().OtherStoreyWalls);
  ASSERT_EQ(host.otherStoreyWalls.size(), 1u);
  EXPECT_EQ(host.otherStoreyWalls[0], std::make_pair(2, true));
  Use(Category::Floor);
  Click(1, 1);
  ASSERT_EQ(editor.state().ClickState, 1);
  Use(Category::Wall);
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_FALSE(editor.state().OtherStoreyWalls);
  EXPECT_FALSE(editor.state().OtherStoreyToggleEnabled);
  EXPECT_EQ(host.bandsErased.size(), 1u);
  editor.toggleOtherStoreyWalls();  // disabled for walls
  EXPECT_EQ(host.otherStoreyWalls.size(), 1u);
}

TEST_F(EditorTest, StoreyChangeRecomputesTheOtherStoreysFloorOutline) {
  plan.Floor(1, 1, 1, 1, 1);
  editor.chooseStorey(2);
  EXPECT_EQ(P(1, 1, 1).FloorEdge[Dir::X], 1);
  EXPECT_EQ(P(2, 1, 1).FloorEdge[Dir::Y], 1);
  EXPECT_GE(host.fullRedraws, 1);
  EXPECT_GE(host.eccentricityUpdates, 1);
}

struct ToggleCase {
  DeleteToggles before;
  DeleteToggle pressed;
  bool down;
  DeleteToggles after;
  EditMode mode;
};

TEST(DeleteToggles, TheOneJustPressedStaysDown) {
  const ToggleCase cases[] = {
      {{false, false}, DeleteToggle::Delete, true, {true, false}, EditMode::Delete},
      {{false, false}, DeleteToggle::GroupDelete, true, {false, true}, EditMode::GroupDelete},
      {{true, false}, DeleteToggle::GroupDelete, true, {false, true}, EditMode::GroupDelete},
      {{false, true}, DeleteToggle::Delete, true, {true, false}, EditMode::Delete},
      {{true, false}, DeleteToggle::Delete, false, {false, false}, EditMode::Place},
  };
  for (const auto& c : cases) {
    const DeleteToggles after = PressDeleteToggle(c.before, c.pressed, c.down);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(EditModeFor(after), c.mode);
  }
}

TEST_F(EditorTest, DeleteTogglesAbandonAPendingOperation) {
  Use(Category::Wall);
  Click(1, 1);
  ASSERT_EQ(editor.state().ClickState, 1);
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_FALSE(host.cancelEnabled);
  EXPECT_EQ(host.bandsErased.size(), 1u);
  EXPECT_EQ(editor.state().Mode, EditMode::Delete);
  EXPECT_TRUE(editor.deleteBothLayersEnabled());
  editor.pressDeleteToggle(DeleteToggle::GroupDelete, true);
  EXPECT_EQ(editor.state().Mode, EditMode::GroupDelete);
  EXPECT_FALSE(editor.state().Toggles.remove);
  editor.pressDeleteToggle(DeleteToggle::GroupDelete, false);
  EXPECT_EQ(editor.state().Mode, EditMode::Place);
  EXPECT_FALSE(editor.deleteBothLayersEnabled());
}

TEST(MultiplierBox, SpinnerStepsByATenthAndNeverGoesNegative) {
  EXPECT_EQ(SpinMultiplierBox("0.0", +1), "0.1");
  EXPECT_EQ(SpinMultiplierBox("0.1", -1), "0.0");
  EXPECT_FALSE(SpinMultiplierBox("0.0", -1).has_value());
  EXPECT_EQ(SpinMultiplierBox("4.9", +1), "5.0");
  EXPECT_EQ(SpinMultiplierBox("", +1), "0.1");
  EXPECT_FLOAT_EQ(MultiplierBoxValue("2.5"), 2.5f);
}

TEST(MultiplierBox, TypingFilter) {
  for (const char32_t ch : {U'0', U'9', U'.', U'%', U'\b'}) EXPECT_TRUE(MultiplierBoxAccepts(ch, false));
  for (const char32_t ch : {U'-', U'\r', U'a', U'+', U' '}) EXPECT_FALSE(MultiplierBoxAccepts(ch, false));
  for (const char32_t ch : {U'c', U'v', U'x', U'z'}) EXPECT_TRUE(MultiplierBoxAccepts(ch, true));
  EXPECT_FALSE(MultiplierBoxAccepts(U'a', true));
}

}  // namespace
}  // namespace tvk
