// One level of undo: what is restored, what is redrawn, when it is available.

#include <gtest/gtest.h>

#include "editor/undo.h"
#include "editor_fixture.h"

namespace tvk {
namespace {

using test::EditorTest;

TEST_F(EditorTest, UndoRestoresTheWholeTableBeforeTheLastEdit) {
  plan.Column(8, 8, 1);
  Use(kCatWall);
  Drag(1, 1, 3, 1);  // brace
  Use(kCatColumn);
  host.popupAnswers.push_back(PopupChoice::Delete);
  Click(8, 8, MouseButton::Right);  // column elsewhere deleted
  ASSERT_EQ(P(8, 8).Column.ColKind, kColNone);
  ASSERT_TRUE(host.undoEnabled);
  const size_t erased = host.rectsErased.size();
  editor.undo();
  EXPECT_EQ(P(8, 8).Column.ColKind, kColStorey);
  EXPECT_EQ(P(1, 1).brace(kDirX).Kind, 1);
  EXPECT_EQ(host.rectsErased.size(), erased);  // nothing to erase after a deletion
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{8, 8, 8, 8}));
  EXPECT_FALSE(editor.canUndo());
  EXPECT_FALSE(host.undoEnabled);
  EXPECT_EQ(b().Modified, 1);
  EXPECT_EQ(host.busy.back(), false);

  const auto now = b().Points();
  const size_t drawn = host.rectsDrawn.size();
  editor.undo();  // nothing left to undo
  EXPECT_EQ(b().Points(), now);
  EXPECT_EQ(host.rectsDrawn.size(), drawn);
}

TEST_F(EditorTest, UndoOfAPlacementErasesItsRectangleFirst) {
  const auto empty = b().Points();
  Use(kCatWall);
  Drag(2, 2, 2, 5);
  editor.undo();
  EXPECT_EQ(b().Points(), empty);  // the auto-linked columns and beams go too
  EXPECT_EQ(host.rectsErased.back(), (GridRect{2, 2, 2, 5}));
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{2, 2, 2, 5}));
}

TEST_F(EditorTest, UndoOfAThroughColumnRestoresBothStoreys) {
  P(6, 6, 2).Column.ColKind = kColStorey;
  Use(kCatColumn, "Col2");
  Click(6, 6);
  ASSERT_EQ(P(6, 6, 2).Column.ColKind, kColThrough);
  editor.undo();
  EXPECT_EQ(P(6, 6, 1).Column, ColumnRec{});
  EXPECT_EQ(P(6, 6, 2).Column.ColKind, kColStorey);
  EXPECT_EQ(P(6, 6, 2).Column.Through, 0);
}

TEST_F(EditorTest, UndoAfterSwitchingStoreysRestoresTheEditedStorey) {
  Use(kCatFloor);
  Drag(1, 1, 3, 3);
  editor.chooseStorey(2);
  editor.undo();
  EXPECT_EQ(P(1, 1, 1).FloorKind, kFloorNone);
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{1, 1, 3, 3}));
}

TEST_F(EditorTest, UndoAfterASaveIsAnUnsavedChange) {
  Use(kCatColumn);
  Click(4, 4);
  b().Modified = 0;  // saved
  editor.undo();
  EXPECT_EQ(b().Modified, 1);
}

TEST_F(EditorTest, RefusedEditKeepsThePreviousUndo) {
  Use(kCatWall);
  Drag(1, 1, 3, 1);
  const UndoInfo recorded = b().Undo;
  Drag(1, 1, 4, 1);  // different extent: refused
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(b().Undo.x2, recorded.x2);
  editor.undo();
  EXPECT_EQ(P(1, 1).brace(kDirX).Kind, 0);
}

TEST(UndoInfo, RecordsCategoryModeAndRectangle) {
  test::PlanBuilder plan(1, 4, 4);
  RecordUndo(plan.b, kCatBeam, kModeDelete, GridRect{1, 2, 3, 2});
  EXPECT_EQ(plan.b.Undo.category, kCatBeam);
  EXPECT_EQ(plan.b.Undo.editMode, kModeDelete);
  EXPECT_EQ(UndoRect(plan.b.Undo), (GridRect{1, 2, 3, 2}));
  ClearUndo(plan.b);
  EXPECT_FALSE(CanUndo(plan.b));
}

}  // namespace
}  // namespace tvk
