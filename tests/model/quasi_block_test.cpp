// The partly sheathed walls in the project file: the block after the last record, exact
// round trips, files without such walls untouched, and damaged or hostile blocks refused
// with the open building left as it was.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "byte_image.h"
#include "model/grid_resize.h"
#include "model/project_file.h"
#include "model/quasi_block.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

using test::ByteImage;

// Two storeys, 4 x 3 spans of 0.455 m: walls of both kinds, both directions, an entered m0
// and a segment shared with a bearing wall.
Building WithQuasiWalls() {
  Building b = test::FilledBuilding();
  test::PlanWriter(b)
      .Quasi(1, Dir::X, 1, 1, 2, QuasiKind::Full, 1, 2400)  // under the brace on (1..2, 1)
      .Quasi(1, Dir::X, 3, 1, 2, QuasiKind::Opening, 4, 500, 900)
      .Quasi(1, Dir::Y, 5, 1, 3, QuasiKind::Opening, kEnteredBoard, 400, 0, 1.3f)
      .Quasi(2, Dir::X, 2, 4, 1, QuasiKind::Full, 6, 2000);
  return b;
}

// The block of WithQuasiWalls as the format note gives it.
std::string HandBlock() {
  ByteImage m;
  m.S("TVK-QUASI");
  m.L(1);
  m.L(4);
  auto record = [&](std::array<int32_t, 7> head, float m0, int32_t top, int32_t bottom) {
    for (const int32_t v : head) m.L(v);
    m.F(m0);
    m.L(top);
    m.L(bottom);
  };
  record({1, 1, 1, 1, 2, 1, 1}, 0.9f, 2400, 0);
  record({1, 1, 3, 1, 2, 2, 4}, 2.5f, 500, 900);
  record({1, 2, 5, 1, 3, 2, 7}, 1.3f, 400, 0);
  record({2, 1, 2, 4, 1, 1, 6}, 0.5f, 2000, 0);
  return m.bytes;
}

TEST(QuasiBlock, FollowsTheLastRecordAsTheFormatNoteSays) {
  const Building b = WithQuasiWalls();
  Building plain = test::FilledBuilding();
  const std::string original = SerializeProject(plain).bytes;
  const ProjectBytes image = SerializeProject(b);
  ASSERT_TRUE(image.result.ok) << image.result.message;
  EXPECT_EQ(image.bytes.substr(0, original.size()), original);
  EXPECT_EQ(image.bytes.substr(original.size()), HandBlock());
}

TEST(QuasiBlock, RoundTripsExactly) {
  const Building b = WithQuasiWalls();
  const std::string bytes = SerializeProject(b).bytes;
  Building read = test::FilledBuilding();
  ASSERT_TRUE(ParseProject(bytes, read).ok);
  test::ExpectSameModel(read, b);
  const QuasiSeg& middle = read.Point(5, 2, 1).quasi(Dir::Y);
  EXPECT_EQ(middle.KindKey, kKeyTarekoshi);
  EXPECT_EQ(middle.RunStart, 1);
  EXPECT_EQ(middle.RunEnd, 3);
  EXPECT_EQ(middle.RunPos, 2);
  EXPECT_EQ(middle.Multiplier, 1.3f);
  EXPECT_EQ(middle.TopMm, 400);
  EXPECT_TRUE(SerializeProject(read).bytes == bytes);
}

TEST(QuasiBlock, BuildingWithoutThemKeepsTheOriginalLayout) {
  Building b = WithQuasiWalls();
  for (GridPoint& p : b.Points()) p.Quasi = {};
  const std::string bytes = SerializeProject(b).bytes;
  EXPECT_TRUE(bytes == SerializeProject(test::FilledBuilding()).bytes);
  EXPECT_FALSE(QuasiBlockFollows(""));
}

TEST(QuasiBlock, BlockCutAnywhereIsRefused) {
  const std::string bytes = SerializeProject(WithQuasiWalls()).bytes;
  const size_t blockAt = bytes.size() - HandBlock().size();
  const Building open = test::FilledBuilding();
  Building b = open;
  // Cut exactly where the block starts, the file is one of the original layout.
  for (size_t length = blockAt + 1; length < bytes.size(); ++length) {
    ASSERT_FALSE(ParseProject(std::string_view(bytes).substr(0, length), b).ok) << "accepted a cut at " << length;
  }
  test::ExpectSameModel(b, open);
}

// A marker that is not the block's is anything else a file may carry after its last record.
TEST(QuasiBlock, OtherBytesAfterTheLastRecordAreStillIgnored) {
  const std::string bytes = SerializeProject(test::FilledBuilding()).bytes;
  for (const std::string& tail : {std::string("trailing"), std::string("\x09\x00TVK-QUASX", 11)}) {
    Building b;
    EXPECT_TRUE(ParseProject(bytes + tail, b).ok) << tail;
    EXPECT_FALSE(HasQuasiWalls(b));
  }
}

struct BadBlock {
  const char* what;
  size_t offset;  // into the block
  std::string bytes;
  const char* detail;
};

std::string Le32(int32_t v) {
  ByteImage m;
  m.L(v);
  return m.bytes;
}
std::string Single(float v) { return Le32(std::bit_cast<int32_t>(v)); }

// Offsets in the block: marker 11 bytes, version, count, then 40-byte records.
constexpr size_t kVersionAt = 11;
constexpr size_t kCountAt = 15;
constexpr size_t Field(size_t record, size_t field) { return 19 + 40 * record + 4 * field; }

class DamagedBlock : public testing::TestWithParam<BadBlock> {};

TEST_P(DamagedBlock, IsRefusedAndTheOpenBuildingStays) {
  const BadBlock& bad = GetParam();
  std::string bytes = SerializeProject(WithQuasiWalls()).bytes;
  const size_t blockAt = bytes.size() - HandBlock().size();
  bytes.replace(blockAt + bad.offset, bad.bytes.size(), bad.bytes);
  Building open = test::FilledBuilding();
  const Building before = open;
  const FileResult result = ParseProject(bytes, open);
  ASSERT_FALSE(result.ok);
  EXPECT_EQ(result.message.rfind(kBadDataMessage, 0), 0u) << result.message;
  EXPECT_NE(result.message.find(bad.detail), std::string::npos) << result.message;
  test::ExpectSameModel(open, before);
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Hostile, DamagedBlock,
    testing::Values(BadBlock{"version 2", kVersionAt, Le32(2), "版が読めません（2）"},
                    BadBlock{"no walls", kCountAt, Le32(0), "件数"},
                    BadBlock{"negative count", kCountAt, Le32(-1), "件数"},
                    BadBlock{"more walls than bytes", kCountAt, Le32(5), "件数"},
                    BadBlock{"huge count", kCountAt, Le32(std::numeric_limits<int32_t>::max()), "件数"},
                    BadBlock{"storey 3", Field(0, 0), Le32(3), "1 件目：階 3"},
                    BadBlock{"direction 0", Field(1, 1), Le32(0), "2 件目：方向 0"},
                    BadBlock{"point outside", Field(0, 2), Le32(6), "位置 6, 1"},
                    BadBlock{"negative point", Field(0, 3), Le32(-1), "位置 1, -1"},
                    BadBlock{"no segments", Field(0, 4), Le32(0), "長さ 0"},
                    BadBlock{"beyond the last line", Field(2, 4), Le32(4), "3 件目：長さ 4"},
                    BadBlock{"kind 3", Field(0, 5), Le32(3), "種類 3"},
                    BadBlock{"board 0", Field(0, 6), Le32(0), "面材の番号"},
                    BadBlock{"board 8", Field(0, 6), Le32(8), "面材の番号"},
                    BadBlock{"m0 not the board's", Field(0, 7), Single(2.5f), "面材（せっこうボード）と一致しません"},
                    BadBlock{"m0 not a number", Field(0, 7), Single(kNaN), "数値"},
                    BadBlock{"entered m0 0", Field(2, 7), Single(0.0f), "0.1 ～ 5.0"},
                    BadBlock{"entered m0 5.1", Field(2, 7), Single(5.1f), "0.1 ～ 5.0"},
                    BadBlock{"entered m0 off its step", Field(2, 7), Single(1.25f), "0.1 単位"},
                    BadBlock{"full wall with no height", Field(0, 8), Le32(0), "準耐力壁の面材の高さ"},
                    BadBlock{"full wall with a 腰壁", Field(0, 9), Le32(300), "準耐力壁の面材の高さ"},
                    BadBlock{"opening without heights", Field(1, 8), Le32(0) + Le32(0), "垂れ壁・腰壁の高さ"},
                    BadBlock{"negative 腰壁", Field(1, 9), Le32(-900), "垂れ壁・腰壁の高さ"},
                    BadBlock{"height beyond 9999", Field(3, 8), Le32(10000), "準耐力壁の面材の高さ"},
                    BadBlock{"out of order", Field(1, 2), Le32(1) + Le32(1), "2 件目：並び順"},
                    BadBlock{"overlapping", Field(1, 2), Le32(2), "2 件目：並び順または重なり"},
                    BadBlock{"second storey first", Field(0, 0), Le32(2), "2 件目：並び順"}),
    [](const testing::TestParamInfo<BadBlock>& info) {
      std::string name = info.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(QuasiBlock, WriterRefusesWhatTheReaderWouldRefuse) {
  Building b = WithQuasiWalls();
  b.Point(2, 1, 1).quasi(Dir::X).Multiplier = 3.0f;  // the second segment of the first wall, not its board's
  b.Point(1, 1, 1).quasi(Dir::X).Multiplier = 3.0f;
  const ProjectBytes image = SerializeProject(b);
  EXPECT_FALSE(image.result.ok);
  EXPECT_NE(image.result.message.find("一致しません。（1階 X1 - い1）"), std::string::npos) << image.result.message;
  EXPECT_TRUE(image.bytes.empty());
}

TEST(QuasiBlock, GridResizeCutsThemLikeTheOtherWalls) {
  Building b = WithQuasiWalls();
  // 4 x 3 spans of two divisions become 4 x 2.
  ResizeGrid(b, GridSizeChoice{2, 1, 910});
  const std::vector<QuasiMember> members = QuasiMembers(b);
  ASSERT_EQ(members.size(), 3u);  // the storey-2 wall on the lost line j = 4 is gone
  EXPECT_EQ(members[2].d, Dir::Y);
  EXPECT_EQ(members[2].first, 1);
  EXPECT_EQ(members[2].last, 2);
  const QuasiSeg& end = b.Point(5, 2, 1).quasi(Dir::Y);
  EXPECT_EQ(end.RunPos, 3);
  EXPECT_EQ(end.RunStart, 1);
  EXPECT_EQ(end.RunEnd, 2);
  EXPECT_EQ(end.TopMm, 400);
  EXPECT_EQ(b.Point(5, 1, 1).quasi(Dir::Y).RunEnd, 2);
  EXPECT_TRUE(SerializeProject(b).result.ok);
}

}  // namespace
}  // namespace tvk
