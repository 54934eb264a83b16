// Placing and deleting bearing walls: the overlap check, the crossing and column check,
// what a placed wall writes, the wall auto-link and the direction lock.

#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace tvk {
namespace {

using test::EditorTest;
using test::kCrossed;
using test::kRisesToHigher;

// ---- overlap check ------------------------------------------------------------

struct OverlapCase {
  const char* kind;    // entry chosen in the member-kind list
  bool existingBrace;  // the 2-segment member at X1..X3 is a brace (else sheathing)
  bool deleting;       // with the "削    除" toggle down
  const char* message;
};

class OverlapTest : public EditorTest, public ::testing::WithParamInterface<OverlapCase> {};

TEST_P(OverlapTest, RefusesAMemberOfAnotherExtent) {
  const OverlapCase c = GetParam();
  if (c.existingBrace) {
    plan.Brace(1, Dir::X, 1, 1, 2, 1, kRisesToHigher);
  } else {
    plan.Sheathing(1, Dir::X, 1, 1, 2, 3);
  }
  const auto before = test::PointsOf(b());
  Use(Category::Wall, c.kind);
  if (c.deleting) editor.pressDeleteToggle(DeleteToggle::Delete, true);
  Drag(1, 1, 4, 1);  // three segments over the two-segment member
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], c.message);
  EXPECT_EQ(test::PointsOf(b()), before);
  EXPECT_FALSE(doc.modified());
  EXPECT_FALSE(doc.canUndo());
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_FALSE(host.cancelEnabled);
  EXPECT_TRUE(host.rectsErased.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Messages, OverlapTest,
    ::testing::Values(
        OverlapCase{"Kesa1", true, false,
                    "指定した始点、終点が異なる筋かい、または２部材にまたがる筋かいは、置換できません。"},
        OverlapCase{"Tasuki2", false, false, "面材と始点、終点が異なる重複する筋かいは、配置できません。"},
        OverlapCase{"Menzai4", false, false,
                    "指定した始点、終点が異なる面材、または２部材にまたがる面材は、置換できません。"},
        OverlapCase{"Menzai4", true, false, "筋かいと始点、終点が異なる重複する面材は、配置できません。"},
        OverlapCase{"Kesa1", true, true,
                    "指定した始点、終点が異なる筋かい、または２部材にまたがる筋かいは、削除できません。"},
        OverlapCase{"Kesa1", false, true, "面材と始点、終点が異なる重複する筋かいは、削除できません。"},
        OverlapCase{"Menzai1", false, true,
                    "指定した始点、終点が異なる面材、または２部材にまたがる面材は、削除できません。"},
        OverlapCase{"Menzai1", true, true, "筋かいと始点、終点が異なる重複する面材は、削除できません。"}));

TEST_F(EditorTest, SameExtentReplacesTheMember) {
  plan.Brace(1, Dir::X, 1, 1, 3, 1, kRisesToHigher);
  Use(Category::Wall, "Tasuki4");
  Drag(4, 1, 1, 1);
  EXPECT_TRUE(host.messages.empty());
  for (int i = 1; i <= 3; ++i) {
    const WallSeg& seg = P(i, 1).brace(Dir::X);
    EXPECT_EQ(seg.Kind, 4);
    EXPECT_EQ(seg.KindKey, "Tasuki");
    EXPECT_EQ(seg.Slope, 3);
    EXPECT_FLOAT_EQ(seg.Multiplier, 5.0f);
  }
}

TEST_F(EditorTest, RefusedPopupDeletionReturnsToPlaceMode) {
  plan.Brace(1, Dir::X, 1, 1, 2, 1, kRisesToHigher);
  Use(Category::Wall);
  RightDrag(1, 1, 4, 1, PopupChoice::DeleteBrace);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(editor.state().Mode, EditMode::Place);
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 1);
}

// ---- crossing and column check -------------------------------------------------

TEST_F(EditorTest, WallAcrossTheMiddleOfAnotherIsRefused) {
  plan.Brace(1, Dir::Y, 3, 1, 2, 1, kRisesToHigher);  // (3,1)-(3,3): (3,2) is inside it
  Use(Category::Wall);
  Drag(1, 2, 5, 2);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "筋かい・面材に直交する他の筋かい・面材は、配置できません。");
  EXPECT_EQ(P(1, 2).brace(Dir::X).Kind, 0);
  EXPECT_FALSE(doc.canUndo());
}

TEST_F(EditorTest, WallThroughAColumnIsRefusedButMayEndAtOne) {
  plan.Column(3, 1, 1).Column(5, 1, 1);
  Use(Category::Wall);
  Drag(1, 1, 5, 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "配置しようとする筋かい・面材の中間部分に柱があります。\n\nこの筋かい・面材は、配置できません");
  Drag(3, 1, 5, 1);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(P(3, 1).brace(Dir::X).Kind, 1);
}

TEST_F(EditorTest, ColumnInTheMiddleOfAWallIsRefusedWithItsPosition) {
  plan.Brace(1, Dir::X, 1, 1, 2, 1, kRisesToHigher);
  Use(Category::Column);
  Click(2, 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "筋かい・面材の中間部分に柱は、配置できません。\n\n位置： X2 - Y1");
  EXPECT_EQ(P(2, 1).Column.ColKind, ColumnKind::None);
  Click(3, 1);  // the wall's end
  EXPECT_EQ(P(3, 1).Column.ColKind, ColumnKind::Storey);
}

TEST_F(EditorTest, AWallMayEndAgainstTheMiddleOfALaterWall) {
  editor.setWallAutoLink(false);
  Use(Category::Wall);
  Drag(3, 2, 3, 4);  // ends at (3,2)
  Drag(1, 2, 5, 2);  // passes through (3,2)
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(P(2, 2).brace(Dir::X).Kind, 1);
  Drag(4, 2, 4, 5);  // starts in the middle of the X wall
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "筋かい・面材に直交する他の筋かい・面材は、配置できません。");
}

// ---- what a placed wall writes ------------------------------------------------

TEST_F(EditorTest, PlacedBraceWritesEverySegmentOfItsRun) {
  editor.setWallAutoLink(false);
  Use(Category::Wall, "Kesa2");
  const int updates = host.eccentricityUpdates;
  Drag(2, 3, 5, 3);
  const int positions[] = {1, 2, 3};
  for (int i = 2; i <= 4; ++i) {
    const WallSeg& seg = P(i, 3).brace(Dir::X);
    EXPECT_EQ(seg.Kind, 2);
    EXPECT_EQ(seg.RunStart, 2);
    EXPECT_EQ(seg.RunEnd, 4);
    EXPECT_EQ(seg.KindKey, "Kesa");
    EXPECT_EQ(seg.Slope, 1);
    EXPECT_EQ(seg.RunPos, positions[i - 2]);
    EXPECT_FLOAT_EQ(seg.Multiplier, 1.5f);
    EXPECT_EQ(P(i, 3).sheathing(Dir::X).Kind, 0);
  }
  EXPECT_EQ(P(5, 3).brace(Dir::X).Kind, 0);
  EXPECT_TRUE(doc.modified());
  ASSERT_EQ(host.rectsErased.size(), 1u);
  EXPECT_EQ(host.rectsErased[0], (GridRect{2, 3, 5, 3}));
  EXPECT_EQ(host.rectsDrawn, host.rectsErased);
  EXPECT_EQ(host.eccentricityUpdates, updates + 1);
  EXPECT_GT(doc.balance(1).Stiffness[Dir::X], 0.0f);  // the new wall counts in the eccentricity
}

struct SlopeCase {
  const char* kind;
  int i1, j1, i2, j2;
  Dir d;
  int slope;
};

class SlopeTest : public EditorTest, public ::testing::WithParamInterface<SlopeCase> {};

TEST_P(SlopeTest, FollowsTheDrawingDirection) {
  const SlopeCase c = GetParam();
  Use(Category::Wall, c.kind);
  Drag(c.i1, c.j1, c.i2, c.j2);
  const int i = std::min(c.i1, c.i2);
  const int j = std::min(c.j1, c.j2);
  const WallSeg& seg = c.kind[0] == 'M' ? P(i, j).sheathing(c.d) : P(i, j).brace(c.d);
  EXPECT_EQ(seg.Slope, c.slope);
}

INSTANTIATE_TEST_SUITE_P(Cases, SlopeTest,
                         ::testing::Values(SlopeCase{"Kesa1", 1, 1, 3, 1, Dir::X, 1},  // left to right
                                           SlopeCase{"Kesa1", 3, 1, 1, 1, Dir::X, 2},  // right to left
                                           SlopeCase{"Kesa1", 2, 1, 2, 4, Dir::Y, 1},
                                           SlopeCase{"Kesa1", 2, 4, 2, 1, Dir::Y, 2},
                                           SlopeCase{"Tasuki1", 3, 1, 1, 1, Dir::X, 3},
                                           SlopeCase{"Menzai1", 3, 1, 1, 1, Dir::X, 4}));

TEST_F(EditorTest, SheathingAdjustmentIsAddedToTheEntry) {
  StartFrom([](Building& b) { b.Settings.SheathingAdjust = 0.5f; });
  Use(Category::Wall, "Menzai4");  // "2.0"
  Drag(1, 1, 2, 1);
  const WallSeg& seg = P(1, 1).sheathing(Dir::X);
  EXPECT_EQ(seg.Kind, 4);
  EXPECT_EQ(seg.RunPos, 0);
  EXPECT_EQ(seg.KindKey, "Menzai");
  EXPECT_FLOAT_EQ(seg.Multiplier, 2.5f);
  Use(Category::Wall, "Kesa3");  // braces take no adjustment
  Drag(1, 3, 2, 3);
  EXPECT_FLOAT_EQ(P(1, 3).brace(Dir::X).Multiplier, 2.0f);
}

TEST_F(EditorTest, ZeroLengthWallCommitsNothingButIsUndoable) {
  Use(Category::Wall);
  Drag(2, 2, 2, 2);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(doc.modified());
  EXPECT_TRUE(doc.canUndo());
  const auto now = test::PointsOf(b());
  editor.undo();
  EXPECT_EQ(test::PointsOf(b()), now);
  EXPECT_EQ(P(2, 2).Column.ColKind, ColumnKind::None);  // no auto-linked columns either
}

// ---- wall auto-link -----------------------------------------------------------

TEST_F(EditorTest, AutoLinkAddsEndColumnsAndBeamsBelowAndAbove) {
  plan.ThroughColumn(4, 1);
  Use(Category::Wall);
  Drag(1, 1, 4, 1);
  EXPECT_EQ(P(1, 1).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(P(4, 1).Column.ColKind, ColumnKind::Through);  // an existing column stays
  EXPECT_EQ(P(2, 1).Column.ColKind, ColumnKind::None);
  for (int i = 1; i <= 3; ++i) {
    for (const int level : {1, 2}) {
      EXPECT_EQ(P(i, 1, level).beam(Dir::X), (BeamSeg{1, 1})) << i << "," << level;
    }
  }
  EXPECT_EQ(P(4, 1, 2).beam(Dir::X).BeamKind, 0);
  EXPECT_EQ(P(1, 1, 3).beam(Dir::X).BeamKind, 0);
}

TEST_F(EditorTest, AutoLinkOnStorey2UsesLevels2And3AndCanBeSwitchedOff) {
  editor.chooseStorey(2);
  Use(Category::Wall);
  Drag(1, 1, 1, 3);
  EXPECT_EQ(P(1, 1, 2).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(P(1, 3, 2).Column.ColKind, ColumnKind::Storey);
  EXPECT_EQ(P(1, 2, 2).beam(Dir::Y), (BeamSeg{1, 1}));
  EXPECT_EQ(P(1, 2, 3).beam(Dir::Y), (BeamSeg{1, 1}));
  EXPECT_EQ(P(1, 1, 1).Column.ColKind, ColumnKind::None);

  editor.setWallAutoLink(false);
  Drag(5, 1, 5, 3);
  EXPECT_EQ(P(5, 1, 2).brace(Dir::Y).Kind, 1);
  EXPECT_EQ(P(5, 1, 2).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(P(5, 1, 3).beam(Dir::Y).BeamKind, 0);
}

// ---- deletion -------------------------------------------------------------------

TEST_F(EditorTest, DeleteModeEmptiesTheNamedMemberOnly) {
  plan.Brace(1, Dir::X, 1, 1, 3, 1, kCrossed).Sheathing(1, Dir::X, 1, 1, 3, 2);
  Use(Category::Wall);
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  Drag(1, 1, 4, 1);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(P(i, 1).brace(Dir::X), WallSeg{});
    EXPECT_EQ(P(i, 1).sheathing(Dir::X).Kind, 2);
  }
  EXPECT_EQ(editor.state().Mode, EditMode::Delete);  // the toggle stays down
  editor.setDeleteBothLayers(true);
  Drag(1, 1, 4, 1);
  EXPECT_EQ(P(2, 1).sheathing(Dir::X), WallSeg{});
}

TEST_F(EditorTest, PopupDeletionLastsOneOperation) {
  plan.Sheathing(1, Dir::X, 1, 1, 2, 2).Brace(1, Dir::X, 1, 1, 2, 1, kRisesToHigher);
  Use(Category::Wall, "Kesa2");
  RightDrag(1, 1, 3, 1, PopupChoice::DeleteSheathing);
  ASSERT_EQ(host.popupsAsked.size(), 1u);
  EXPECT_EQ(host.popupsAsked[0], PopupKind::WallLayers);
  EXPECT_EQ(P(1, 1).sheathing(Dir::X).Kind, 0);
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 1);
  EXPECT_EQ(editor.state().Mode, EditMode::Place);
  // The band begun while placing is erased in white.
  ASSERT_FALSE(host.bandsErased.empty());
  EXPECT_EQ(host.bandsErased.back().colour, kBandPlaceColour);
  EXPECT_EQ(doc.undoInfo()->editMode, EditMode::Delete);

  Drag(1, 2, 3, 2);  // the next operation places again
  EXPECT_EQ(P(1, 2).brace(Dir::X).Kind, 2);
}

TEST_F(EditorTest, PopupCancelEndsTheOperationUntouched) {
  plan.Brace(1, Dir::X, 1, 1, 2, 1, kRisesToHigher);
  Use(Category::Wall);
  RightDrag(1, 1, 3, 1, PopupChoice::Cancel);
  EXPECT_EQ(P(1, 1).brace(Dir::X).Kind, 1);
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_FALSE(editor.state().PopupCancelled);
  EXPECT_FALSE(doc.canUndo());
  EXPECT_TRUE(editor.state().Mode == EditMode::Place);
  EXPECT_FALSE(host.cancelEnabled);
  EXPECT_FALSE(editor.rubberBand().has_value());
}

// ---- direction lock and the rubber band ----------------------------------------

TEST_F(EditorTest, DirectionLockProjectsTheEndOntoTheStartsLine) {
  editor.setWallAutoLink(false);
  Use(Category::Wall);
  Click(2, 2);
  ASSERT_EQ(host.bandsDrawn.size(), 1u);
  EXPECT_EQ(host.bandsDrawn[0].shape, BandShape::Line);
  EXPECT_EQ(host.bandsDrawn[0].from, host.bandsDrawn[0].to);
  EXPECT_TRUE(host.cancelEnabled);
  editor.move(At(2, 5));  // same X index: lock along Y
  EXPECT_EQ(editor.state().DirectionLock, Dir::Y);
  editor.move(At(4, 6));  // neither index: the lock stays
  EXPECT_EQ(host.bandsDrawn.back().to, At(2, 6));
  Click(4, 6);
  EXPECT_EQ(P(2, 2).brace(Dir::Y).RunEnd, 5);
  EXPECT_EQ(P(4, 6).brace(Dir::Y).Kind, 0);
  EXPECT_EQ(host.rectsDrawn.back(), (GridRect{2, 2, 2, 6}));
}

TEST_F(EditorTest, MovementShowsLineNamesAndLeavesTheBandOutsideTheGrid) {
  Use(Category::Floor);
  editor.move(At(3, 2));
  EXPECT_EQ(host.labelX, "X3");
  EXPECT_EQ(host.labelY, "Y2");
  Click(1, 1);
  editor.move(At(3, 2));
  const size_t drawn = host.bandsDrawn.size();
  EXPECT_EQ(host.bandsDrawn.back().shape, BandShape::Rectangle);
  editor.move(AtIndex(-1.0, 2.0));
  EXPECT_EQ(host.labelX, "");
  EXPECT_EQ(host.labelY, "");
  EXPECT_EQ(host.bandsDrawn.size(), drawn);
  editor.escape();
  EXPECT_EQ(editor.state().ClickState, 0);
  EXPECT_FALSE(editor.rubberBand().has_value());
  EXPECT_FALSE(host.cancelEnabled);
}

TEST_F(EditorTest, DeleteModeBandIsLightRed) {
  Use(Category::Beam);
  editor.pressDeleteToggle(DeleteToggle::Delete, true);
  Click(1, 1);
  ASSERT_FALSE(host.bandsDrawn.empty());
  EXPECT_EQ(host.bandsDrawn.back().colour, kBandDeleteColour);
  editor.cancel();
  EXPECT_EQ(host.bandsErased.back().colour, kBandDeleteColour);
}

}  // namespace
}  // namespace tvk
