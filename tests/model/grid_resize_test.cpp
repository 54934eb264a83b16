// Changing the grid size: what is kept, what is cut at the new edge, and that a cut
// wall still measures as the member that remains.

#include <gtest/gtest.h>

#include "model/grid_resize.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

TEST(GridResize, OkWithoutAChangeIsCancelled) {
  PlanBuilder plan(2, 20, 20, 2, 0.91f);
  const GridSizeChoice current = CurrentGridSize(plan.b);
  EXPECT_EQ(current, (GridSizeChoice{10, 10, 910}));
  EXPECT_TRUE(SameGridSize(plan.b, current));
  EXPECT_FALSE(SameGridSize(plan.b, GridSizeChoice{10, 10, 909}));
  EXPECT_FALSE(SameGridSize(plan.b, GridSizeChoice{8, 10, 910}));
}

TEST(GridResize, ShrinkKeepsPointsInsideAndClearsWhatLeavesTheGrid) {
  PlanBuilder plan(2, 20, 20, 2, 0.91f);
  plan.Column(17, 3, 1).Column(18, 3, 1).Column(21, 21, 2);
  plan.Floor(1, 15, 1, 18, 2);
  plan.Beam(2, Dir::X, 15, 5, 5);          // X15 .. X20
  plan.Sheathing(1, Dir::Y, 17, 1, 2, 2);  // on line X17, stays whole

  ResizeGrid(plan.b, GridSizeChoice{8, 10, 910});
  AfterGridResize(plan.b);
  Building& b = plan.b;
  EXPECT_EQ(b.SpansX(), 16);
  EXPECT_EQ(b.PointsX(), 17);
  EXPECT_EQ(b.SpansY(), 20);
  EXPECT_EQ(b.Points().size(), 17u * 21u * 3u);
  EXPECT_EQ(b.Point(17, 3, 1).Column.ColKind, ColumnKind::Storey);
  EXPECT_FALSE(b.Contains({18, 3}, 1));
  EXPECT_EQ(b.Point(16, 1, 1).FloorKind, FloorCell::Slab);
  EXPECT_EQ(b.Point(17, 1, 1).FloorKind, FloorCell::None);  // +X cell at the new edge
  EXPECT_EQ(b.Point(16, 5, 2).beam(Dir::X).BeamKind, 1);
  EXPECT_EQ(b.Point(17, 5, 2).beam(Dir::X).BeamKind, 0);
  EXPECT_EQ(b.Point(17, 1, 1).sheathing(Dir::Y).RunEnd, 2);
  EXPECT_EQ(b.Point(17, 2, 1).sheathing(Dir::Y).RunPos, 3);
  // After the change: coordinates and outlines recomputed.
  EXPECT_FLOAT_EQ(b.Coord(17, 1, 1).x, 16 * 0.455f);
  EXPECT_EQ(b.Point(17, 1, 1).FloorEdge[Dir::Y], 1);  // the cut floor's new right edge
  EXPECT_EQ(b.Point(17, 1, 1).FloorEdge[Dir::X], 0);
}

TEST(GridResize, CutWallIsTrimmedToTheSegmentsThatRemain) {
  PlanBuilder plan(1, 20, 20, 2, 0.91f);
  plan.Brace(1, Dir::X, 14, 2, 6, 2, test::kRisesToHigher);  // X14 .. X20: 3 segments remain
  plan.Sheathing(1, Dir::Y, 3, 18, 2, 4);                    // Y18 .. Y20 on X3: 1 segment remains
  plan.Sheathing(1, Dir::X, 12, 2, 5, 2);                    // X12 .. X17: ends on the new edge

  ResizeGrid(plan.b, GridSizeChoice{8, 9, 910});
  AfterGridResize(plan.b);
  const Building& b = plan.b;
  const int pos[] = {1, 2, 3};
  for (int i = 14; i <= 16; ++i) {
    const WallSeg& seg = b.Point(i, 2, 1).brace(Dir::X);
    EXPECT_EQ(seg.RunStart, 14) << i;
    EXPECT_EQ(seg.RunEnd, 16) << i;
    EXPECT_EQ(seg.RunPos, pos[i - 14]) << i;
  }
  EXPECT_EQ(b.Point(17, 2, 1).brace(Dir::X), WallSeg{});
  const MemberSpan brace = b.MemberExtent(MemberLayer::Brace, 1, Dir::X, {15, 2});
  EXPECT_EQ(brace.first, 14);
  EXPECT_EQ(brace.last, 16);
  EXPECT_NEAR(brace.length, 3 * 0.455f, 1e-5);

  const WallSeg& single = b.Point(3, 18, 1).sheathing(Dir::Y);
  EXPECT_EQ(single.RunPos, 0);
  EXPECT_EQ(single.RunStart, 18);
  EXPECT_EQ(single.RunEnd, 18);
  EXPECT_EQ(b.Point(3, 19, 1).sheathing(Dir::Y), WallSeg{});

  const WallSeg& whole = b.Point(16, 2, 1).sheathing(Dir::X);
  EXPECT_EQ(whole.RunPos, 3);
  EXPECT_EQ(whole.RunEnd, 16);
}

TEST(GridResize, GrowKeepsEverythingAndAddsEmptyPoints) {
  PlanBuilder plan(2, 4, 4, 1, 0.91f);
  plan.Brace(1, Dir::X, 1, 5, 4, 1, test::kRisesToHigher).Column(5, 5, 2);
  const GridPoint corner = plan.b.Point(5, 5, 2);
  ResizeGrid(plan.b, GridSizeChoice{6, 5, 1000});
  AfterGridResize(plan.b);
  EXPECT_EQ(plan.b.PointsX(), 7);
  EXPECT_FLOAT_EQ(plan.b.SubPitch(), 1.0f);
  EXPECT_EQ(plan.b.Point(5, 5, 2), corner);
  EXPECT_EQ(plan.b.Point(4, 5, 1).brace(Dir::X).RunPos, 3);
  EXPECT_EQ(plan.b.Point(6, 5, 1), GridPoint{});
  EXPECT_FLOAT_EQ(plan.b.Coord(7, 6, 1).y, 5.0f);
}

TEST(GridResize, RefusesSizesOutsideTheLists) {
  PlanBuilder plan(1, 4, 4);
  EXPECT_THROW(ResizeGrid(plan.b, GridSizeChoice{0, 4, 910}), std::invalid_argument);
  EXPECT_THROW(ResizeGrid(plan.b, GridSizeChoice{31, 4, 910}), std::invalid_argument);
  EXPECT_THROW(ResizeGrid(plan.b, GridSizeChoice{4, 4, 0}), std::invalid_argument);
  EXPECT_EQ(plan.b.SpansX(), 4);
}

}  // namespace
}  // namespace tvk
