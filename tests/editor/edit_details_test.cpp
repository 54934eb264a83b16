// Details of committed edits: which calculation results a deleted column loses, the
// order in which the crossing check meets its refusals, and the rectangle that the
// undo and the group delete take.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>

#include "editor_fixture.h"

namespace tvk {
namespace {

using test::EditorTest;
using test::kRisesToHigher;

// The recorded undo information: category, edit mode and rectangle.
using Recording = std::tuple<Category, EditMode, GridRect>;
Recording Recorded(const Document& doc) {
  const UndoInfo& u = doc.undoInfo().value();
  return {u.category, u.editMode, u.rect};
}

// ---- a deleted column's calculation results -------------------------------------

TEST_F(EditorTest, DeletedThroughColumnHasNoResultsOnEitherStorey) {
  StartFrom([](Building& b) { test::PlanWriter(b).ThroughColumn(4, 4).Sheathing(1, Dir::X, 4, 4, 2, 5); });
  ASSERT_NE(doc.results().Column(4, 4, 1), ColumnResult{});
  ASSERT_NE(doc.results().Column(4, 4, 2), ColumnResult{});
  Use(Category::Column);
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  Click(4, 4);
  ASSERT_EQ(P(4, 4, 1).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(doc.results().Column(4, 4, 1), ColumnResult{});
  EXPECT_EQ(doc.results().Column(4, 4, 2), ColumnResult{});
}

// ---- crossing and column check: points in order, crossing before column ---------

struct CrossingCase {
  const char* what;
  int crossAt;   // X index of a Y brace through the wall's line (0: none)
  int columnAt;  // X index of a column on the wall's line (0: none)
  const char* message;
};

class CrossingOrderTest : public EditorTest, public ::testing::WithParamInterface<CrossingCase> {};

const char* const kCrossingMessage = "筋かい・面材に直交する他の筋かい・面材は、配置できません。";
const char* const kColumnMessage =
    "配置しようとする筋かい・面材の中間部分に柱があります。\n\nこの筋かい・面材は、配置できません";

TEST_P(CrossingOrderTest, FirstRefusalAlongTheRunIsShown) {
  const CrossingCase& c = GetParam();
  if (c.crossAt != 0) plan.Sheathing(1, Dir::Y, c.crossAt, 2, 2, 3);  // Y2 .. Y4, holds Y3 inside
  if (c.columnAt != 0) plan.Column(c.columnAt, 3, 1);
  Use(Category::Wall);
  Drag(1, 3, 7, 3);
  ASSERT_EQ(host.messages.size(), 1u) << c.what;
  EXPECT_EQ(host.messages[0], c.message) << c.what;
  EXPECT_EQ(P(1, 3).brace(Dir::X).Kind, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CrossingOrderTest,
                         ::testing::Values(CrossingCase{"column first along the run", 5, 3, kColumnMessage},
                                           CrossingCase{"crossing first along the run", 3, 5, kCrossingMessage},
                                           CrossingCase{"both at one point: crossing wins", 4, 4, kCrossingMessage},
                                           CrossingCase{"crossing at the run's end", 7, 0, kCrossingMessage}));

TEST_F(EditorTest, ColumnAtTheRunsEndsAndAWallEndingOnTheLineAreAccepted) {
  plan.Column(1, 3, 1).Column(7, 3, 1);
  plan.Sheathing(1, Dir::Y, 4, 3, 2, 3);  // starts on the wall's line: holds nothing inside
  Use(Category::Wall);
  Drag(1, 3, 7, 3);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(P(6, 3).brace(Dir::X).RunEnd, 6);
}

// ---- rectangles ----------------------------------------------------------------

TEST_F(EditorTest, UndoRectangleIsTheLockedRun) {
  editor.setWallAutoLink(false);
  Use(Category::Beam);
  Click(2, 2);
  editor.move(At(5, 2));  // same Y index: lock along X
  Click(5, 4);            // off the line: projected back onto Y2
  EXPECT_EQ(Recorded(doc), (Recording{Category::Beam, EditMode::Place, GridRect{2, 2, 5, 2}}));
  EXPECT_EQ(P(4, 2, 2).beam(Dir::X).BeamKind, 1);
  EXPECT_EQ(P(5, 3, 2).beam(Dir::Y).BeamKind, 0);
}

TEST_F(EditorTest, RunDrawnBackwardsIsNormalisedAndSlopesDown) {
  editor.setWallAutoLink(false);
  Use(Category::Wall, "Kesa3");
  Drag(6, 2, 6, 6);  // upwards along Y: rises to the higher index
  EXPECT_EQ(P(6, 2).brace(Dir::Y).Slope, 1);
  Drag(9, 6, 9, 2);  // downwards: rises to the lower index
  EXPECT_EQ(Recorded(doc), (Recording{Category::Wall, EditMode::Place, GridRect{9, 2, 9, 6}}));
  for (int j = 2; j <= 5; ++j) {
    const WallSeg& seg = P(9, j).brace(Dir::Y);
    EXPECT_EQ(seg, (WallSeg{3, 2, 5, kKeyKesa, 2, j == 2 ? 1 : (j == 5 ? 3 : 2), 2.0f})) << j;
  }
}

class GroupRectTest : public EditorTest {
 protected:
  void SetUp() override { editor.pressDeleteToggle(DeleteToggle::GroupDelete, true); }
  void GroupDrag(double i1, double j1, double i2, double j2) {
    editor.press(MouseButton::Left, AtIndex(i1, j1));
    editor.move(AtIndex(i2, j2));
    editor.press(MouseButton::Left, AtIndex(i2, j2));
  }
};

TEST_F(GroupRectTest, CornersAreNamedLowestFirstWhicheverWayTheRectangleIsDragged) {
  Use(Category::Column);
  host.confirmAnswers.push_back(false);
  GroupDrag(6.3, 2.2, 3.6, 5.4);  // lower right to upper left
  ASSERT_EQ(host.questions.size(), 1u);
  // X: points 4 .. 6 lie inside 3.6 .. 6.3; Y: points 3 .. 5 inside 2.2 .. 5.4.
  EXPECT_EQ(host.questions[0], "(X4,Y3) - (X6,Y5) 内の「柱」をグループ削除します。");
  EXPECT_FALSE(host.cancelEnabled);
  EXPECT_FALSE(editor.rubberBand().has_value());
}

TEST_F(GroupRectTest, RectangleReachingOffTheGridIsClampedAndRecordedForUndo) {
  plan.Column(1, 21, 1).Column(3, 19, 1).Column(4, 19, 1);
  Use(Category::Column);
  host.confirmAnswers.push_back(true);
  GroupDrag(-4.0, 30.0, 3.2, 18.8);
  EXPECT_EQ(host.questions.back(), "(X1,Y19) - (X3,Y21) 内の「柱」をグループ削除します。");
  EXPECT_EQ(P(1, 21).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(P(3, 19).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(P(4, 19).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(Recorded(doc), (Recording{Category::Column, EditMode::GroupDelete, GridRect{1, 19, 3, 21}}));
  editor.undo();
  EXPECT_EQ(P(1, 21).Column.ColKind, ColumnKind::Storey);
  EXPECT_TRUE(host.rectsErased.size() == 1u);  // the deletion's own erase; undo erases nothing
}

TEST_F(GroupRectTest, BothLayersGoWithTheOptionAndOnlyMembersWhollyInside) {
  plan.Brace(1, Dir::Y, 3, 1, 2, 2, kRisesToHigher);  // Y1 .. Y3 on X3: inside
  plan.Sheathing(1, Dir::Y, 3, 1, 2, 4);              // same extent, other layer
  plan.Sheathing(1, Dir::X, 2, 3, 3, 4);              // X2 .. X5 on Y3: reaches out
  Use(Category::Wall);
  editor.setDeleteBothLayers(true);
  host.confirmAnswers.push_back(true);
  GroupDrag(0.6, 0.6, 4.4, 3.4);  // points 1 .. 4 by 1 .. 3
  EXPECT_EQ(host.questions.back(), "(X1,Y1) - (X4,Y3) 内の「筋かい と 面材耐力壁」をグループ削除します。");
  EXPECT_EQ(P(3, 1).brace(Dir::Y), WallSeg{});
  EXPECT_EQ(P(3, 2).sheathing(Dir::Y), WallSeg{});
  EXPECT_EQ(P(2, 3).sheathing(Dir::X).Kind, 4);
  EXPECT_EQ(P(4, 3).sheathing(Dir::X).RunEnd, 4);
}

}  // namespace
}  // namespace tvk
