// A project file that is damaged or hostile is refused with a message, and the open
// building stays exactly as it was.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "model/project_file.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

// Offsets in the image of a building whose header is "Ver.1.0.0" and whose names are empty.
constexpr size_t kStoreyCountAt = 25 + 6 + 8;
constexpr size_t kSpansXAt = kStoreyCountAt + 4 + 16;
constexpr size_t kSpansYAt = kSpansXAt + 4;
constexpr size_t kDivisionsAt = kSpansYAt + 4;
constexpr size_t kPitchAt = kDivisionsAt + 4;
constexpr size_t kNamesXAt = kPitchAt + 4 + 160 + 40;

// The building already open when a file is read; it must survive every refusal.
Building OpenBuilding() { return test::FilledBuilding(); }

std::string ValidImage() {
  Building b = test::MakeBuilding(1, 2, 2, 1);
  b.Header = FileHeader{"Ver.1.0.0", kProductCode, 0};
  b.Point(1, 1, 1).sheathing(Dir::X) = WallSeg{2, 1, 1, kKeyMenzai, 4, 0, 1.0f};
  return SerializeProject(b).bytes;
}

std::string Le32(uint32_t v) {
  std::string s;
  for (int k = 0; k < 4; ++k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
  return s;
}

std::string Single(float v) { return Le32(std::bit_cast<uint32_t>(v)); }

struct Damage {
  const char* what;
  size_t offset;
  std::string bytes;
  const char* detail;  // expected in the message; nullptr: the message is exactly kBadDataMessage
};

class DamagedFile : public testing::TestWithParam<Damage> {};

TEST_P(DamagedFile, IsRefusedAndTheOpenBuildingStays) {
  const Damage& d = GetParam();
  std::string image = ValidImage();
  ASSERT_LE(d.offset + d.bytes.size(), image.size());
  image.replace(d.offset, d.bytes.size(), d.bytes);
  Building b = OpenBuilding();
  const FileResult result = ParseProject(image, b);
  EXPECT_FALSE(result.ok);
  if (d.detail == nullptr) {
    EXPECT_EQ(result.message, kBadDataMessage);
  } else {
    EXPECT_EQ(result.message.rfind(kBadDataMessage, 0), 0u) << result.message;
    EXPECT_NE(result.message.find(d.detail), std::string::npos) << result.message;
  }
  test::ExpectSameModel(b, OpenBuilding());
}

const uint32_t kNaN = std::bit_cast<uint32_t>(std::numeric_limits<float>::quiet_NaN());
const uint32_t kInf = std::bit_cast<uint32_t>(std::numeric_limits<float>::infinity());

INSTANTIATE_TEST_SUITE_P(
    Hostile, DamagedFile,
    testing::Values(
        Damage{"no storeys", kStoreyCountAt, Le32(0), nullptr},
        Damage{"three storeys", kStoreyCountAt, Le32(3), "階数"},
        Damage{"negative storeys", kStoreyCountAt, Le32(0xFFFFFFFF), "階数"},
        Damage{"121 spans", kSpansXAt, Le32(121), "Ｘ方向"}, Damage{"no spans", kSpansYAt, Le32(0), "Ｙ方向"},
        Damage{"negative spans", kSpansXAt, Le32(0xFFFFFFF0), "Ｘ方向"},
        Damage{"huge spans", kSpansYAt, Le32(0x7FFFFFFF), "Ｙ方向"},
        Damage{"no divisions", kDivisionsAt, Le32(0), "分割数"},
        Damage{"five divisions", kDivisionsAt, Le32(5), "分割数"}, Damage{"pitch NaN", kPitchAt, Le32(kNaN), "数値"},
        Damage{"pitch infinite", kPitchAt, Le32(kInf), "数値"}, Damage{"pitch zero", kPitchAt, Le32(0), "グリッド長"},
        Damage{"pitch 1e20 m", kPitchAt, Single(1e20f), "グリッド長"},
        Damage{"pitch 10000 mm", kPitchAt, Single(10.0f), "グリッド長が正しくありません（10000.0 mm）"},
        Damage{"pitch 0.4 mm", kPitchAt, Single(0.0004f), "グリッド長が正しくありません（0.4 mm）"},
        Damage{"pitch negative", kPitchAt, Single(-0.91f), "グリッド長が正しくありません（-910.0 mm）"},
        Damage{"two dimensions", kNamesXAt, std::string("\x02\x00", 2), "通り名"},
        Damage{"element count too large", kNamesXAt + 2, Le32(4), "通り名"},
        Damage{"element count too small", kNamesXAt + 2, Le32(2), "通り名"},
        Damage{"element count huge", kNamesXAt + 2, Le32(0xFFFFFFFF), "通り名"},
        Damage{"lower bound 0", kNamesXAt + 6, Le32(0), "通り名"},
        Damage{"string beyond the end", 25, std::string("\xFF\xFF", 2), "途中で終わって"},
        Damage{"version text not CP932", 2, std::string("\x81\x20", 2), "文字コード"}),
    [](const testing::TestParamInfo<Damage>& info) {
      std::string name = info.param.what;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(ProjectLoad, GridLengthsTheDialogsCanGiveAreRead) {
  for (const float pitch : {0.001f, 0.9f, 9.999f}) {
    std::string image = ValidImage();
    image.replace(kPitchAt, 4, Single(pitch));
    Building b;
    EXPECT_TRUE(ParseProject(image, b).ok) << pitch;
    EXPECT_EQ(b.Info.GridPitch, pitch);
  }
}

TEST(ProjectLoad, NonFiniteMultiplierIsRefused) {
  std::string image = ValidImage();
  // The multiplier follows the sheathing's key, Slope and RunPos.
  const size_t multiplierAt = image.find("Menzai") + 6 + 8;
  ASSERT_EQ(image.substr(multiplierAt, 4), Le32(std::bit_cast<uint32_t>(1.0f)));
  image.replace(multiplierAt, 4, Le32(kNaN));
  Building b = OpenBuilding();
  EXPECT_FALSE(ParseProject(image, b).ok);
  test::ExpectSameModel(b, OpenBuilding());
}

void ExpectEveryTruncationRefused(const std::string& image) {
  const Building open = OpenBuilding();
  Building b = open;
  for (size_t length = 0; length < image.size(); ++length) {
    const FileResult result = ParseProject(std::string_view(image).substr(0, length), b);
    ASSERT_FALSE(result.ok) << "accepted a file cut at " << length;
    ASSERT_FALSE(result.message.empty());
  }
  test::ExpectSameModel(b, open);
  EXPECT_TRUE(ParseProject(image, b).ok);
}

TEST(ProjectLoad, FileCutAtAnyByteIsRefused) {
  ExpectEveryTruncationRefused(SerializeProject(test::FilledBuilding()).bytes);
}

TEST(ProjectLoad, BytesAfterTheLastRecordAreIgnored) {
  Building b;
  ASSERT_TRUE(ParseProject(ValidImage() + "trailing", b).ok);
  EXPECT_EQ(b.Point(1, 1, 1).sheathing(Dir::X).KindKey, kKeyMenzai);
}

}  // namespace
}  // namespace tvk
