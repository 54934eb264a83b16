// Floors, columns and beams: what placing and deleting write, through-columns on both
// storeys, the sheathing split at new columns, the zoom pop-up and the beep.

#include <gtest/gtest.h>

#include "editor/plan_update.h"
#include "editor_fixture.h"

namespace tvk {
namespace {

using test::EditorTest;
using test::PlanBuilder;

TEST_F(EditorTest, FloorRectangleFillsItsCells) {
  Use(Category::Floor);
  Drag(1, 1, 4, 3);
  for (int j = 1; j <= 3; ++j) {
    for (int i = 1; i <= 4; ++i) {
      const bool inside = i <= 3 && j <= 2;
      EXPECT_EQ(P(i, j).FloorKind, inside ? FloorCell::Slab : FloorCell::None) << i << "," << j;
    }
  }
  EXPECT_EQ(host.busy, (std::vector<bool>{true, false}));
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{1, 1, 4, 3}));
}

TEST_F(EditorTest, VoidsOnStorey2AndFloorDeletion) {
  editor.chooseStorey(2);
  Use(Category::Floor, "Slab2");
  Drag(4, 3, 2, 1);  // corners in any order
  EXPECT_EQ(P(2, 1, 2).FloorKind, FloorCell::Void);
  EXPECT_EQ(P(3, 2, 2).FloorKind, FloorCell::Void);
  EXPECT_EQ(P(2, 1, 1).FloorKind, FloorCell::None);
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  Drag(2, 1, 3, 3);
  EXPECT_EQ(P(2, 1, 2).FloorKind, FloorCell::None);
  EXPECT_EQ(P(3, 1, 2).FloorKind, FloorCell::Void);
}

TEST_F(EditorTest, ColumnNeedsOneClickAndRightClickDeletesIt) {
  Use(Category::Column);
  Click(5, 5);
  EXPECT_EQ(P(5, 5).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_TRUE(host.bandsDrawn.empty());
  doc.results();  // a calculation marks the exterior corner
  ASSERT_EQ(P(5, 5).Column.Corner, 1);
  host.popupAnswers.push_back(PopupChoice::Delete);
  Click(5, 5, MouseButton::Right);
  EXPECT_EQ(host.popupsAsked.back(), PopupKind::Delete);
  EXPECT_EQ(P(5, 5).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(P(5, 5).Column.Corner, 0);
  EXPECT_EQ(doc.results().Column(5, 5, 1), ColumnResult{});
  EXPECT_EQ(editor.state().Mode, EditMode::Place);
}

TEST_F(EditorTest, ThroughColumnMarksAndClearsBothStoreys) {
  editor.chooseStorey(2);
  Use(Category::Column);
  editor.chooseKind("Col2");
  Click(3, 3);
  for (const int level : {1, 2}) {
    EXPECT_EQ(P(3, 3, level).Column.ColKind, ColumnKind::Through);
    EXPECT_EQ(P(3, 3, level).Column.Through, 1);
  }
  editor.chooseStorey(1);
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  Click(3, 3);
  for (const int level : {1, 2}) {
    EXPECT_EQ(P(3, 3, level).Column.ColKind, ColumnKind::None);
    EXPECT_EQ(P(3, 3, level).Column.Through, 0);
  }
}

TEST_F(EditorTest, StoreyColumnOverAThroughColumnLeavesAStoreyColumnAbove) {
  plan.ThroughColumn(3, 3);
  Use(Category::Column, "Col1");
  Click(3, 3);
  EXPECT_EQ(P(3, 3, 1).Column, (ColumnRec{ColumnKind::Storey, 0, 0, "", "", ""}));
  EXPECT_EQ(P(3, 3, 2).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(P(3, 3, 2).Column.Through, 0);
}

struct HardwareCase {
  const char* top1;
  const char* bottom2;
  const char* message;  // empty: no message
};

class ThroughColumnHardwareTest : public EditorTest, public ::testing::WithParamInterface<HardwareCase> {};

TEST_P(ThroughColumnHardwareTest, NamesThePlacedHardware) {
  const HardwareCase c = GetParam();
  StartFrom([&](Building& b) {
    b.Point(4, 4, 1).Column.TopHardware = c.top1;
    b.Point(4, 4, 2).Column.BottomHardware = c.bottom2;
  });
  Use(Category::Column, "Col2");
  Click(4, 4);
  if (std::string(c.message).empty()) {
    EXPECT_TRUE(host.messages.empty());
  } else {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], std::string(c.message) + "\n\n必要に応じて [金物]-[配置金物] で削除してください。");
  }
  EXPECT_EQ(P(4, 4, 1).Column.TopHardware, c.top1);  // placed hardware is never changed
  EXPECT_EQ(P(4, 4, 1).Column.ColKind, ColumnKind::Through);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThroughColumnHardwareTest,
    ::testing::Values(HardwareCase{"", "", ""},
                      HardwareCase{"HD-15", "", "配置した通し柱の１階柱頭部分に金物が配置されています。"},
                      HardwareCase{"", "HD-20", "配置した通し柱の２階柱脚部分に金物が配置されています。"},
                      HardwareCase{"HD-15", "HD-20",
                                   "配置した通し柱の１階柱頭・２階柱脚部分に金物が配置されています。"}));

TEST_F(EditorTest, ThroughColumnSplitsTheOtherStoreysSheathing) {
  plan.Sheathing(2, Dir::X, 1, 1, 3, 2);  // storey 2 panel X1 .. X4
  Use(Category::Column, "Col2");
  Click(2, 1);  // storey 1 is free there
  const int pos[] = {0, 1, 3};
  const int start[] = {1, 2, 2};
  const int end[] = {1, 3, 3};
  for (int i = 1; i <= 3; ++i) {
    const WallSeg& seg = P(i, 1, 2).sheathing(Dir::X);
    EXPECT_EQ(seg.RunPos, pos[i - 1]) << i;
    EXPECT_EQ(seg.RunStart, start[i - 1]) << i;
    EXPECT_EQ(seg.RunEnd, end[i - 1]) << i;
  }
}

TEST(SheathingSplit, ColumnWrittenInAPanelDividesIt) {
  PlanBuilder plan(2, 10, 10);
  plan.Sheathing(1, Dir::Y, 2, 1, 4, 3);  // (2,1) .. (2,5)
  EditRequest edit;
  edit.category = Category::Column;
  edit.editMode = EditMode::Place;
  edit.rect = {2, 3, 2, 3};
  edit.subKind = static_cast<int>(ColumnKind::Storey);
  ApplyEdit(plan.b, edit);
  const int pos[] = {1, 3, 1, 3};
  for (int j = 1; j <= 4; ++j) {
    const WallSeg& seg = plan.b.Point(2, j, 1).sheathing(Dir::Y);
    EXPECT_EQ(seg.RunPos, pos[j - 1]) << j;
    EXPECT_EQ(seg.RunStart, j <= 2 ? 1 : 3) << j;
    EXPECT_EQ(seg.RunEnd, j <= 2 ? 2 : 4) << j;
  }
}

TEST_F(EditorTest, BeamsLiveAboveTheStorey) {
  Use(Category::Beam);
  EXPECT_FALSE(editor.kindListVisible());
  Drag(1, 2, 4, 2);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(P(i, 2, 2).beam(Dir::X), (BeamSeg{1, 0}));
  EXPECT_EQ(P(1, 2, 1).beam(Dir::X).BeamKind, 0);
  EXPECT_EQ(P(1, 1).Column.ColKind, ColumnKind::None);  // beams link nothing
  editor.chooseStorey(2);
  Drag(6, 1, 6, 3);
  EXPECT_EQ(P(6, 2, 3).beam(Dir::Y), (BeamSeg{1, 0}));
  host.popupAnswers.push_back(PopupChoice::Delete);
  Drag(6, 1, 6, 3, MouseButton::Right);
  EXPECT_EQ(P(6, 2, 3).beam(Dir::Y), BeamSeg{});
}

// ---- group delete -------------------------------------------------------------

class GroupDeleteTest : public EditorTest {
 protected:
  // Drags a rectangle from just outside (i1, j1) to just outside (i2, j2), lower corner first.
  void GroupDrag(int i1, int j1, int i2, int j2, MouseButton second = MouseButton::Left) {
    editor.press(MouseButton::Left, AtIndex(i1 - 0.4, j1 - 0.4));
    editor.move(AtIndex(i2 + 0.4, j2 + 0.4));
    editor.press(second, AtIndex(i2 + 0.4, j2 + 0.4));
  }
  void SetUp() override { editor.pressDeleteToggle(DeleteToggle::GroupDelete, true); }
};

TEST_F(GroupDeleteTest, WallsWhollyInsideGoOthersStay) {
  plan.Brace(1, Dir::X, 2, 2, 2, 1, test::kRisesToHigher);  // X2..X4 on Y2: inside
  plan.Brace(1, Dir::X, 4, 3, 4, 1, test::kRisesToHigher);  // X4..X8 on Y3: reaches out
  plan.Sheathing(1, Dir::Y, 3, 1, 2, 2);                    // Y1..Y3 on X3: inside, other layer
  Use(Category::Wall);
  host.confirmAnswers.push_back(true);
  GroupDrag(1, 1, 5, 5);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], "(X1,Y1) - (X5,Y5) 内の「筋かい」をグループ削除します。");
  EXPECT_EQ(P(2, 2).brace(Dir::X).Kind, 0);
  EXPECT_EQ(P(3, 2).brace(Dir::X).Kind, 0);
  EXPECT_EQ(P(4, 3).brace(Dir::X).Kind, 1);
  EXPECT_EQ(P(3, 1).sheathing(Dir::Y).Kind, 2);
  EXPECT_EQ(host.rectsErased.back(), (GridRect{1, 1, 5, 5}));
  EXPECT_EQ(doc.undoInfo()->editMode, EditMode::GroupDelete);
  EXPECT_EQ(editor.state().Mode, EditMode::GroupDelete);  // the toggle stays down
  EXPECT_FALSE(editor.rubberBand().has_value());
  EXPECT_EQ(host.bandsDrawn.back().shape, BandShape::Rectangle);
  EXPECT_EQ(host.bandsDrawn.back().colour, kBandDeleteColour);
}

struct GroupNameCase {
  Category category;
  const char* kind;
  bool bothLayers;
  const char* name;
};

TEST_F(GroupDeleteTest, QuestionNamesTheMember) {
  const GroupNameCase cases[] = {
      {Category::Floor, "", false, "床"},
      {Category::Column, "", false, "柱"},
      {Category::Beam, "", false, "梁"},
      {Category::Wall, "Tasuki1", false, "筋かい"},
      {Category::Wall, "Menzai3", false, "面材耐力壁"},
      {Category::Wall, "Kesa1", true, "筋かい と 面材耐力壁"},
  };
  for (const auto& c : cases) {
    Use(c.category, c.kind);
    editor.setDeleteBothLayers(c.bothLayers);
    host.confirmAnswers.push_back(false);
    GroupDrag(2, 3, 4, 6);
    EXPECT_EQ(host.questions.back(), std::string("(X2,Y3) - (X4,Y6) 内の「") + c.name + "」をグループ削除します。");
  }
  EXPECT_FALSE(doc.canUndo());  // every deletion was cancelled
  EXPECT_FALSE(doc.modified());
}

TEST_F(GroupDeleteTest, PopupLayerChoiceDecidesWhatGoes) {
  plan.Brace(1, Dir::X, 2, 2, 1, 1, test::kRisesToHigher).Sheathing(1, Dir::X, 2, 2, 1, 2);
  Use(Category::Wall);
  host.popupAnswers.push_back(PopupChoice::DeleteSheathing);
  host.confirmAnswers.push_back(true);
  GroupDrag(1, 1, 4, 4, MouseButton::Right);
  EXPECT_EQ(host.questions.back(), "(X1,Y1) - (X4,Y4) 内の「面材耐力壁」をグループ削除します。");
  EXPECT_EQ(P(2, 2).sheathing(Dir::X).Kind, 0);
  EXPECT_EQ(P(2, 2).brace(Dir::X).Kind, 1);
}

TEST_F(GroupDeleteTest, BeamsWithOneEndInsideGo) {
  plan.Beam(2, Dir::X, 1, 3, 7);  // X1 .. X8 on Y3, storey-1 beams
  Use(Category::Beam);
  host.confirmAnswers.push_back(true);
  GroupDrag(4, 1, 5, 5);
  for (int i = 1; i <= 7; ++i) {
    const bool gone = i >= 3 && i <= 5;
    EXPECT_EQ(P(i, 3, 2).beam(Dir::X).BeamKind, gone ? 0 : 1) << i;
  }
}

TEST_F(GroupDeleteTest, ColumnsAndFloorsInside) {
  plan.Column(2, 2, 1).Column(6, 6, 1).ThroughColumn(3, 3).Floor(1, 1, 1, 5, 5);
  Use(Category::Column);
  host.confirmAnswers.push_back(true);
  GroupDrag(2, 2, 4, 4);
  EXPECT_EQ(P(2, 2).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(P(3, 3, 2).Column.ColKind, ColumnKind::None);  // the through-column's other storey too
  EXPECT_EQ(P(6, 6).Column.ColKind, ColumnKind::Storey);
  Use(Category::Floor);
  host.confirmAnswers.push_back(true);
  GroupDrag(2, 2, 4, 4);
  EXPECT_EQ(P(2, 2).FloorKind, FloorCell::None);  // cells x 2..3, y 2..3
  EXPECT_EQ(P(3, 3).FloorKind, FloorCell::None);
  EXPECT_EQ(P(4, 4).FloorKind, FloorCell::Slab);
  EXPECT_EQ(P(1, 1).FloorKind, FloorCell::Slab);
}

TEST_F(GroupDeleteTest, RectangleOffTheGridOrCancelledChangesNothing) {
  plan.Column(2, 2, 1);
  Use(Category::Column);
  editor.press(MouseButton::Left, AtIndex(-5, 2));
  editor.press(MouseButton::Left, AtIndex(-3, 6));  // wholly left of the grid
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(editor.state().ClickState, 0);
  host.popupAnswers.push_back(PopupChoice::Cancel);
  GroupDrag(1, 1, 3, 3, MouseButton::Right);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_FALSE(editor.rubberBand().has_value());
  editor.press(MouseButton::Right, AtIndex(1, 1));  // a right first press does nothing
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_EQ(P(2, 2).Column.ColKind, ColumnKind::Storey);
  EXPECT_FALSE(doc.canUndo());
}

// ---- outside the grid -----------------------------------------------------------

TEST_F(EditorTest, RightPressOutsideTheGridOpensTheZoomPopup) {
  Use(Category::Wall);
  Click(1, 1);
  host.popupAnswers.push_back(PopupChoice::Zoom150);
  editor.press(MouseButton::Right, AtIndex(-2, 1));
  EXPECT_EQ(host.popupsAsked.back(), PopupKind::Zoom);
  EXPECT_EQ(host.zooms, (std::vector<double>{1.5}));
  EXPECT_EQ(editor.state().ClickState, 1);  // a zoom keeps the pending operation
  host.popupAnswers.push_back(PopupChoice::Cancel);
  editor.press(MouseButton::Right, AtIndex(-2, 1));
  EXPECT_EQ(editor.state().ClickState, 0);
  editor.press(MouseButton::Left, AtIndex(-2, 1));  // ignored
  EXPECT_EQ(host.popupsAsked.size(), 2u);
}

TEST_F(EditorTest, RightFirstPressOfATwoClickMemberIsIgnored) {
  Use(Category::Wall);
  Click(1, 1, MouseButton::Right);
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_TRUE(host.popupsAsked.empty());
}

}  // namespace
}  // namespace tvk
