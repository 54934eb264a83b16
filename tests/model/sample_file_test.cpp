// The bundled sample project: it reads, its members are stored as the editor stores
// them, and a copy cut at any byte is refused.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "model/member_counts.h"
#include "model/project_file.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

std::string SamplePath() { return std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK"; }

Building LoadSample() {
  Building b;
  const FileResult result = LoadProject(b, SamplePath());
  EXPECT_TRUE(result.ok) << result.message;
  return b;
}

TEST(SampleFile, ReadsAndWritesBackByteForByte) {
  const Building b = LoadSample();
  EXPECT_EQ(b.Info.BuildingName, "サンプル邸 新築工事");
  EXPECT_EQ(b.Storeys(), 2);
  EXPECT_EQ(b.SpansX(), 16);
  EXPECT_EQ(b.SpansY(), 12);
  EXPECT_EQ(b.Divisions(), 2);
  EXPECT_EQ(b.LineNameX(17), "X9");
  EXPECT_EQ(b.LineNameY(2), "Y1a");
  EXPECT_EQ(SerializeProject(b).bytes, test::ReadBytes(SamplePath()));
}

float TableMultiplier(const WallSeg& s) {
  constexpr float kKesa[] = {0, 1.0f, 1.5f, 2.0f, 3.0f};
  constexpr float kTasuki[] = {0, 2.0f, 3.0f, 4.0f, 5.0f};
  if (s.KindKey == kKeyKesa) return kKesa[s.Kind];
  if (s.KindKey == kKeyTasuki) return kTasuki[s.Kind];
  return 0.5f * static_cast<float>(s.Kind);
}

TEST(SampleFile, WallMembersAreStoredAsTheEditorStoresThem) {
  const Building b = LoadSample();
  std::map<std::tuple<std::string, int>, int> members;  // by key and size: count
  for (int level = 1; level <= b.Levels(); ++level) {
    for (int j = 1; j <= b.PointsY(); ++j) {
      for (int i = 1; i <= b.PointsX(); ++i) {
        for (const Dir d : kDirs) {
          for (const WallSeg* s : {&b.Point(i, j, level).brace(d), &b.Point(i, j, level).sheathing(d)}) {
            if (s->Kind == 0) continue;
            ASSERT_LE(level, 2);
            const int self = GridPos{i, j}.Along(d);
            ASSERT_LE(s->RunStart, self);
            ASSERT_GE(s->RunEnd, self);
            const int expectedPos = s->RunStart == s->RunEnd ? 0 : self == s->RunStart ? 1 : self == s->RunEnd ? 3 : 2;
            EXPECT_EQ(s->RunPos, expectedPos);
            const bool sheathing = s == &b.Point(i, j, level).sheathing(d);
            EXPECT_EQ(sheathing, s->KindKey == kKeyMenzai);
            const int expectedSlope = s->KindKey == kKeyTasuki ? 3 : sheathing ? 4 : s->Slope;
            EXPECT_EQ(s->Slope, expectedSlope);
            const MemberSpan span =
                b.MemberExtent(sheathing ? MemberLayer::Sheathing : MemberLayer::Brace, level, d, {i, j});
            EXPECT_EQ(span.first, s->RunStart);
            EXPECT_EQ(span.last, s->RunEnd);
            const bool adjusted = s->Multiplier == TableMultiplier(*s) + 0.5f;
            EXPECT_TRUE(s->Multiplier == TableMultiplier(*s) || (sheathing && adjusted));
            if (s->RunPos <= 1) ++members[{s->KindKey + (adjusted ? "+" : ""), s->KindKey == kKeyMenzai ? 0 : s->Kind}];
          }
        }
      }
    }
  }
  for (int size = 1; size <= 4; ++size) {
    EXPECT_GT((members[{kKeyKesa, size}]), 0) << size;
    EXPECT_GT((members[{kKeyTasuki, size}]), 0) << size;
  }
  EXPECT_EQ((members[{std::string(kKeyMenzai) + "+", 0}]), 1);
}

TEST(SampleFile, HasThroughColumnsAndAnUpperColumnWithoutLowerColumn) {
  const Building b = LoadSample();
  int through = 0;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      if (b.Point(i, j, 1).Column.ColKind == ColumnKind::Through) {
        ++through;
        EXPECT_EQ(b.Point(i, j, 1).Column.Through, 1);
        EXPECT_EQ(b.Point(i, j, 2).Column.ColKind, ColumnKind::Through);
        EXPECT_EQ(b.Point(i, j, 2).Column.Through, 1);
      }
    }
  }
  EXPECT_EQ(through, 4);
  EXPECT_EQ(b.Point(7, 13, 2).Column.ColKind, ColumnKind::Storey);
  EXPECT_FALSE(b.Point(7, 13, 1).hasColumn());
  EXPECT_EQ(b.Point(17, 1, 1).Column.BottomHardware, "(い)");
  EXPECT_EQ(b.Point(16, 1, 1).brace(Dir::X).Kind, 4);  // the 90x90 brace arriving at that corner
}

TEST(SampleFile, MembersAreCountedPerStorey) {
  const Building b = LoadSample();
  const StoreyMemberCounts s1 = CountStoreyMembers(b, 1);
  EXPECT_EQ(s1.storeyColumns, 15);
  EXPECT_EQ(s1.throughColumns, 4);
  EXPECT_EQ(s1.singleBraces, 8);
  EXPECT_EQ(s1.crossedBraces, 4);
  EXPECT_EQ(s1.sheathedWalls, 5);
  EXPECT_EQ(s1.floorCells, 12 * 12 + 4 * 8);
  EXPECT_EQ(s1.voidCells, 0);
  EXPECT_EQ(s1.beamSegments, 4 * 12 + 4 * 12 + 3 * 4 + 8);
  EXPECT_EQ(s1.placedHardware, 4);
  const StoreyMemberCounts s2 = CountStoreyMembers(b, 2);
  EXPECT_EQ(s2.storeyColumns, 9);
  EXPECT_EQ(s2.throughColumns, 4);
  EXPECT_EQ(s2.singleBraces, 5);
  EXPECT_EQ(s2.crossedBraces, 1);
  EXPECT_EQ(s2.sheathedWalls, 2);
  EXPECT_EQ(s2.floorCells, 12 * 12 - 4);
  EXPECT_EQ(s2.voidCells, 4);
  EXPECT_EQ(s2.beamSegments, 3 * 12 + 2 * 12);
  EXPECT_EQ(s2.placedHardware, 1);
}

TEST(SampleFile, CopyCutAtAnyByteIsRefused) {
  const std::string sample = test::ReadBytes(SamplePath());
  ASSERT_FALSE(sample.empty());
  Building b = test::FilledBuilding();
  for (size_t length = 0; length < sample.size(); ++length) {
    ASSERT_FALSE(ParseProject(std::string_view(sample).substr(0, length), b).ok) << "accepted a file cut at " << length;
  }
  test::ExpectSameModel(b, test::FilledBuilding());
}

}  // namespace
}  // namespace tvk
