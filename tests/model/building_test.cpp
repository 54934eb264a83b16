// Floor outlines, member extents and the sheathing split at a column.

#include <gtest/gtest.h>

#include <climits>

#include "model/building.h"
#include "model_test_util.h"

namespace tvk {
namespace {

// Every (i, j, d) whose FloorEdge is set on the level (d: 1 for X, 2 for Y).
std::vector<std::array<int, 3>> Edges(const Building& b, int level) {
  std::vector<std::array<int, 3>> edges;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      for (const Dir d : kDirs) {
        if (b.Point(i, j, level).FloorEdge[d] != 0) edges.push_back({i, j, d == Dir::X ? 1 : 2});
      }
    }
  }
  return edges;
}

TEST(FloorEdges, SingleCellHasItsFourSides) {
  Building b = test::MakeBuilding(2, 4, 4);
  b.Point(1, 1, 1).FloorKind = FloorCell::Slab;
  b.UpdateFloorEdges(1);
  EXPECT_EQ(Edges(b, 1), (std::vector<std::array<int, 3>>{{1, 1, 1}, {1, 1, 2}, {2, 1, 2}, {1, 2, 1}}));
  EXPECT_TRUE(Edges(b, 2).empty());
}

TEST(FloorEdges, FloorAndVoidShareNoEdge) {
  Building b = test::MakeBuilding(2, 4, 4);
  b.Point(2, 2, 2).FloorKind = FloorCell::Slab;
  b.Point(3, 2, 2).FloorKind = FloorCell::Void;
  b.Point(1, 1, 2).FloorEdge = {1, 1};  // stale flags are cleared
  b.UpdateFloorEdges(2);
  EXPECT_EQ(Edges(b, 2),
            (std::vector<std::array<int, 3>>{{2, 2, 1}, {2, 2, 2}, {3, 2, 1}, {4, 2, 2}, {2, 3, 1}, {3, 3, 1}}));
}

void PutWall(Building& b, int level, int j, int first, int last) {
  for (int i = first; i <= last; ++i) {
    const int pos = first == last ? 0 : i == first ? 1 : i == last ? 3 : 2;
    b.Point(i, j, level).sheathing(Dir::X) = WallSeg{2, first, last, kKeyMenzai, 4, pos, 1.0f};
  }
}

TEST(MemberExtent, WalksToTheMemberEndsInEveryLayer) {
  Building b = test::MakeBuilding(1, 8, 4, 2, 0.91f);
  PutWall(b, 1, 1, 2, 5);
  PutWall(b, 1, 1, 6, 6);
  for (int j = 1; j <= 3; ++j) b.Point(3, j, 2).beam(Dir::Y) = BeamSeg{1, j == 1 ? 1 : j == 2 ? 2 : 3};
  b.Point(4, 2, 1).brace(Dir::X) = WallSeg{4, 4, 4, kKeyKesa, 1, 0, 3.0f};
  struct Case {
    MemberLayer layer;
    int level;
    Dir d;
    int i, j;
    int first, last;
    float length;
  };
  for (const Case& c : {Case{MemberLayer::Sheathing, 1, Dir::X, 2, 1, 2, 5, 4 * 0.455f},
                        Case{MemberLayer::Sheathing, 1, Dir::X, 4, 1, 2, 5, 4 * 0.455f},
                        Case{MemberLayer::Sheathing, 1, Dir::X, 5, 1, 2, 5, 4 * 0.455f},
                        Case{MemberLayer::Sheathing, 1, Dir::X, 6, 1, 6, 6, 0.455f},
                        Case{MemberLayer::Sheathing, 1, Dir::X, 7, 1, 0, 0, 0.0f},
                        Case{MemberLayer::Beam, 2, Dir::Y, 3, 2, 1, 3, 3 * 0.455f},
                        Case{MemberLayer::Brace, 1, Dir::X, 4, 2, 4, 4, 0.455f}}) {
    const MemberSpan span = b.MemberExtent(c.layer, c.level, c.d, {c.i, c.j});
    EXPECT_EQ(span.first, c.first) << c.i << "," << c.j;
    EXPECT_EQ(span.last, c.last) << c.i << "," << c.j;
    EXPECT_NEAR(span.length, c.length, 1e-5) << c.i << "," << c.j;
  }
}

TEST(MemberExtent, AnyRunCodeFromAFileIsSafe) {
  Building b = test::MakeBuilding(1, 4, 2);
  for (const int32_t code : {INT32_MIN, -3, 7, INT32_MAX}) {
    b.Point(2, 1, 2).beam(Dir::X) = BeamSeg{1, code};
    const MemberSpan span = b.MemberExtent(MemberLayer::Beam, 2, Dir::X, {2, 1});
    EXPECT_GE(span.first, 1) << code;
    EXPECT_LE(span.last, 4) << code;
    EXPECT_GT(span.length, 0.0f) << code;
  }
}

TEST(SheathingSplit, ColumnAfterTheFirstPanelSplitsTheMember) {
  Building b = test::MakeBuilding(1, 6, 2);
  PutWall(b, 1, 1, 1, 3);
  b.Point(2, 1, 1).Column.ColKind = ColumnKind::Storey;
  b.SplitSheathingAtColumn({2, 1}, 1);
  struct Expect {
    int i, pos, start, end;
  };
  for (const Expect& e : {Expect{1, 0, 1, 1}, Expect{2, 1, 2, 3}, Expect{3, 3, 2, 3}}) {
    const WallSeg& seg = b.Point(e.i, 1, 1).sheathing(Dir::X);
    EXPECT_EQ(seg.RunPos, e.pos) << e.i;
    EXPECT_EQ(seg.RunStart, e.start) << e.i;
    EXPECT_EQ(seg.RunEnd, e.end) << e.i;
  }
}

}  // namespace
}  // namespace tvk
