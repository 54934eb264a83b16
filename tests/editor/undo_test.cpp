// One level of undo: what is restored, what is redrawn, when it is available, and what the
// record holds.

#include <gtest/gtest.h>

#include "editor/undo.h"
#include "editor_fixture.h"

namespace tvk {
namespace {

using test::EditorTest;

TEST_F(EditorTest, UndoRestoresTheWholeTableBeforeTheLastEdit) {
  plan.Column(8, 8, 1);
  Use(Category::Wall);
  Drag(1, 1, 3, 1);  // brace
  Use(Category::Column);
  host.popupAnswers.push_back(PopupChoice::Delete);
  Click(8, 8, MouseButton::Right);  // column elsewhere deleted
  ASSERT_EQ(P(8, 8).Column.ColKind, ColumnKind::None);
  ASSERT_TRUE(host.undoEnabled);
  const size_t erased = host.rectsErased.size();
  editor.undo();
  EXPECT_EQ(P(8, 8).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 1);
  EXPECT_EQ(host.rectsErased.size(), erased);  // nothing to erase after a deletion
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{8, 8, 8, 8}));
  EXPECT_FALSE(doc.canUndo());
  EXPECT_FALSE(host.undoEnabled);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(host.busy.back(), false);

  const auto now = test::PointsOf(b());
  const size_t drawn = host.rectsDrawn.size();
  editor.undo();  // nothing left to undo
  EXPECT_EQ(test::PointsOf(b()), now);
  EXPECT_EQ(host.rectsDrawn.size(), drawn);
}

TEST_F(EditorTest, UndoOfAPlacementErasesItsRectangleFirst) {
  const auto empty = test::PointsOf(b());
  Use(Category::Wall);
  Drag(2, 2, 2, 5);
  editor.undo();
  EXPECT_EQ(test::PointsOf(b()), empty);  // the auto-linked columns and beams go too
  EXPECT_EQ(host.rectsErased.back(), (GridRect{2, 2, 2, 5}));
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{2, 2, 2, 5}));
}

TEST_F(EditorTest, UndoOfAThroughColumnRestoresBothStoreys) {
  plan.Column(6, 6, 2);
  Use(Category::Column, "Col2");
  Click(6, 6);
  ASSERT_EQ(P(6, 6, 2).Column.ColKind, ColumnKind::Through);
  editor.undo();
  EXPECT_EQ(P(6, 6, 1).Column, ColumnRec{});
  EXPECT_EQ(P(6, 6, 2).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(P(6, 6, 2).Column.Through, 0);
}

TEST_F(EditorTest, UndoAfterSwitchingStoreysRestoresTheEditedStorey) {
  Use(Category::Floor);
  Drag(1, 1, 3, 3);
  editor.chooseStorey(2);
  editor.undo();
  EXPECT_EQ(P(1, 1, 1).FloorKind, FloorCell::None);
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{1, 1, 3, 3}));
}

TEST_F(EditorTest, UndoAfterASaveIsAnUnsavedChange) {
  const test::ScratchDir folder;
  Use(Category::Column);
  Click(4, 4);
  ASSERT_TRUE(doc.saveAs(folder.file("saved.TVK")).ok);
  ASSERT_FALSE(doc.modified());
  editor.undo();
  EXPECT_TRUE(doc.modified());
}

TEST_F(EditorTest, RefusedEditKeepsThePreviousUndo) {
  Use(Category::Wall);
  Drag(1, 1, 3, 1);
  const std::optional<UndoInfo> recorded = doc.undoInfo();
  Drag(1, 1, 4, 1);  // different extent: refused
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(doc.undoInfo(), recorded);
  editor.undo();
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 0);
}

TEST(UndoRecord, RecordsWhatTheEditWasAndTheRowsAndColumnsOfItsRectangle) {
  test::PlanBuilder plan(1, 4, 4);
  UndoRecord record;
  EXPECT_FALSE(record.CanRestore(plan.b));
  const UndoInfo info{Category::Beam, EditMode::Delete, 1, GridRect{1, 2, 3, 2}};
  record.Record(plan.b, info);
  EXPECT_EQ(record.Info(), info);
  EXPECT_TRUE(record.CanRestore(plan.b));
  const auto before = test::PointsOf(plan.b);
  // Points on the rectangle's row, its columns, on every level, and beyond both.
  test::PlanWriter(plan.b).Column(5, 2, 1).Column(2, 5, 2).Beam(2, Dir::X, 1, 2, 4);
  record.Restore(plan.b);
  EXPECT_EQ(test::PointsOf(plan.b), before);
  EXPECT_FALSE(record.CanRestore(plan.b));
  record.Record(plan.b, info);
  record.Clear();
  EXPECT_FALSE(record.CanRestore(plan.b));
}

TEST(UndoRecord, ARecordForAnotherGridSizeIsNotRestored) {
  test::PlanBuilder small(1, 4, 4);
  test::PlanBuilder large(1, 6, 4);
  UndoRecord record;
  record.Record(small.b, UndoInfo{Category::Column, EditMode::Place, 1, GridRect{2, 2, 2, 2}});
  EXPECT_FALSE(record.CanRestore(large.b));
  const auto before = test::PointsOf(large.b);
  record.Restore(large.b);
  EXPECT_EQ(test::PointsOf(large.b), before);
}

}  // namespace
}  // namespace tvk
