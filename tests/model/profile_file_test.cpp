// The building profile in the project file: where each field is kept, exact round trips,
// files without a profile staying byte for byte the same, and hostile values refused.

#include <gtest/gtest.h>

#include <limits>

#include "model/profile_store.h"
#include "model/profile_text.h"
#include "model/project_file.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

// A profile with every field given, as the dialog or the batch command would leave it.
BuildingProfile FullProfile() {
  BuildingProfile p;
  const char* const assignments[][2] = {{"h1", "3300"},
                                        {"h2", "2950"},
                                        {"rise", "1850"},
                                        {"eaves", "455"},
                                        {"pitch", "4.5"},
                                        {"roof", "820"},
                                        {"pv", "350"},
                                        {"ceiling_insulation", "0"},
                                        {"wall", "mortar"},
                                        {"wall_insulation", "70"},
                                        {"use", "office"},
                                        {"c0", "0.3"},
                                        {"wind", "62.5"},
                                        {"lw1", "44"},
                                        {"lw2", "25.5"},
                                        {"lw_one", "29"},
                                        {"wind_area_x1", "0"},
                                        {"wind_area_y1", "18.75"},
                                        {"wind_area_x2", "12.3"},
                                        {"wind_area_y2", "9"},
                                        {"wood", "20.4"},
                                        {"column1", "120x105"},
                                        {"column2", "105"},
                                        {"clear1", "3000"},
                                        {"clear2", "2680"}};
  for (const auto& a : assignments) {
    const auto refused = SetFieldText(p, FindProfileField(a[0])->id, a[1]);
    EXPECT_FALSE(refused.has_value()) << a[0] << ": " << *refused;
  }
  return p;
}

Building TwoStorey() {
  Building b = test::MakeBuilding(2, 2, 2, 1);
  b.Header = FileHeader{"Ver.1.0.0", kProductCode, 0};
  return b;
}

TEST(ProfileFile, EveryFieldIsKeptWhereTheFormatNoteSays) {
  Building b = TwoStorey();
  ASSERT_FALSE(WriteProfile(b, FullProfile()).has_value());
  EXPECT_EQ(b.Info.LevelHeight, (std::array<int32_t, 4>{0, 3300, 6250, 0}));
  const auto& r = b.Info.ReservedLongs;
  EXPECT_EQ(r[0], ((1 << 21) - 1) | (1 << 29) | (1 << 30));
  const int32_t expected[28] = {0,   1850, 455, 450, 3, 820,  2,    350, 0, 1,   0,   70,  1,   1,
                                625, 440,  255, 290, 0, 1875, 1230, 900, 3, 204, 120, 105, 105, 105};
  for (size_t k = 1; k < 28; ++k) EXPECT_EQ(r[k], expected[k]) << "slot " << k;
  EXPECT_EQ(r[36], 3000);
  EXPECT_EQ(r[37], 2680);
  for (size_t k = 28; k < r.size(); ++k) {
    if (k != 36 && k != 37) {
      EXPECT_EQ(r[k], 0) << "slot " << k;
    }
  }
  // The points of each level stand at its elevation.
  EXPECT_EQ(b.Coord(3, 3, 1).z, 0.0f);
  EXPECT_EQ(b.Coord(1, 2, 2).z, 3.3f);
  EXPECT_EQ(b.Coord(2, 1, 3).z, 6.25f);
}

TEST(ProfileFile, ProfileRoundTripsExactlyThroughTheFile) {
  for (int storeys : {1, 2}) {
    SCOPED_TRACE(storeys);
    Building b = test::MakeBuilding(storeys, 2, 2, 1);
    b.Header = FileHeader{"Ver.1.0.0", kProductCode, 0};
    const BuildingProfile profile = storeys == 2 ? FullProfile() : WithoutUpperStorey(FullProfile());
    ASSERT_FALSE(WriteProfile(b, profile).has_value());
    EXPECT_EQ(ReadProfile(b), profile);
    const ProjectBytes first = SerializeProject(b);
    ASSERT_TRUE(first.result.ok) << first.result.message;
    Building read;
    ASSERT_TRUE(ParseProject(first.bytes, read).ok);
    EXPECT_EQ(ReadProfile(read), profile);
    test::ExpectSameModel(read, b);
    EXPECT_TRUE(SerializeProject(read).bytes == first.bytes);
  }
}

TEST(ProfileFile, BuildingWithoutProfileKeepsTheOriginalLayout) {
  Building b = test::FilledBuilding();
  EXPECT_EQ(ReadProfile(b), BuildingProfile{});
  const std::string before = SerializeProject(b).bytes;
  ASSERT_FALSE(WriteProfile(b, BuildingProfile{}).has_value());
  EXPECT_TRUE(SerializeProject(b).bytes == before);
  // Clearing a profile brings every field it used back to 0.
  ASSERT_FALSE(WriteProfile(b, FullProfile()).has_value());
  ASSERT_FALSE(WriteProfile(b, BuildingProfile{}).has_value());
  b.Coord(5, 4, 3).z = 2.5f;  // the odd elevation of the sample point went with the heights
  EXPECT_TRUE(SerializeProject(b).bytes == before);
}

TEST(ProfileFile, RefusedProfileChangesNothing) {
  Building b = TwoStorey();
  ASSERT_FALSE(WriteProfile(b, FullProfile()).has_value());
  const Building before = b;
  BuildingProfile bad = FullProfile();
  bad.h1.reset();  // h2 without h1
  EXPECT_EQ(WriteProfile(b, bad), "２階の階高を入力するときは、１階の階高も入力してください。");
  bad = FullProfile();
  bad.column[1] = ColumnSection{105, 1000};
  EXPECT_TRUE(WriteProfile(b, bad).has_value());
  test::ExpectSameModel(b, before);
  Building one = test::MakeBuilding(1, 2, 2, 1);
  EXPECT_TRUE(WriteProfile(one, FullProfile()).has_value());
  EXPECT_EQ(one.Info.LevelHeight, (std::array<int32_t, 4>{}));
}

// A field set behind the profile's back is not saved where the reader would refuse it.
TEST(ProfileFile, WriterRefusesAStoredProfileTheReaderWouldRefuse) {
  Building b = TwoStorey();
  b.Info.ReservedLongs[3] = 450;  // pitch without its presence bit
  const ProjectBytes image = SerializeProject(b);
  EXPECT_FALSE(image.result.ok);
  EXPECT_NE(image.result.message.find("屋根勾配の記録が正しくありません。"), std::string::npos) << image.result.message;
  EXPECT_TRUE(image.bytes.empty());
}

struct Hostile {
  const char* what;
  int storeys;
  int slot;  // -1..-4: LevelHeight 1..4; 0..39: reserved Long
  int32_t value;
  const char* detail;
  int slot2 = -100;  // a second value set, when the damage needs two
  int32_t value2 = 0;
};

class HostileProfile : public testing::TestWithParam<Hostile> {};

// Bytes of a building whose profile fields hold what a hostile file could hold; written
// without the writer's check by patching a clean image.
std::string ImageWith(const Hostile& h) {
  Building b = test::MakeBuilding(h.storeys, 2, 2, 1);
  b.Header = FileHeader{"Ver.1.0.0", kProductCode, 0};
  std::string bytes = SerializeProject(b).bytes;
  // Header 25 bytes, three empty names 6, three Longs 12: LevelHeight, then 3 Longs and
  // the pitch, then the reserved Longs.
  constexpr size_t kLevelHeightAt = 25 + 6 + 12;
  constexpr size_t kReservedAt = kLevelHeightAt + 16 + 16;
  auto put = [&](int slot, int32_t value) {
    const size_t at =
        slot < 0 ? kLevelHeightAt + 4 * static_cast<size_t>(-slot - 1) : kReservedAt + 4 * static_cast<size_t>(slot);
    for (size_t k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * k)) & 0xFF);
  };
  put(h.slot, h.value);
  if (h.slot2 != -100) put(h.slot2, h.value2);
  return bytes;
}

TEST_P(HostileProfile, IsRefusedAsABadFileAndTheOpenBuildingStays) {
  const Hostile& h = GetParam();
  Building open = test::FilledBuilding();
  const Building before = open;
  const FileResult result = ParseProject(ImageWith(h), open);
  ASSERT_FALSE(result.ok);
  EXPECT_EQ(result.message.rfind(kBadDataMessage, 0), 0u) << result.message;
  EXPECT_NE(result.message.find(h.detail), std::string::npos) << result.message;
  test::ExpectSameModel(open, before);
}

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Fields, HostileProfile,
    testing::Values(Hostile{"level 1 not at 0", 2, -1, 5, "階高の記録が正しくありません。"},
                    Hostile{"level 4 set", 2, -4, 9000, "階高の記録が正しくありません。"},
                    Hostile{"level 3 of one storey", 1, -3, 5000, "階高の記録が正しくありません。"},
                    Hostile{"low storey 1", 2, -2, 1000, "１階の階高は、1500 ～ 6000 mm"},
                    Hostile{"negative storey 2", 2, -2, 3000, "２階の階高は、1500 ～ 6000 mm", -3, 2000},
                    Hostile{"storey 2 without storey 1", 2, -3, 3000, "１階の階高も入力してください"},
                    Hostile{"storey 2 beyond 32 bits", 2, -2, kMin, "階高は、1500", -3, kMax},
                    Hostile{"undefined mask bit", 2, 0, 1 << 21, "未定義の項目"},
                    Hostile{"sign bit of the mask", 2, 0, kMin, "未定義の項目"},
                    Hostile{"value without its bit", 2, 1, 1200, "小屋の高さの記録が正しくありません。"},
                    Hostile{"unknown roof code", 2, 0, 1 << 3, "屋根仕上げの値が正しくありません", 4, 7},
                    Hostile{"named roof with a weight", 2, 0, 1 << 3, "屋根仕上げの値が正しくありません", 5, 990},
                    Hostile{"roof weight 0", 2, 0, 1 << 3, "屋根仕上げの数値は", 4, 3},
                    Hostile{"unknown C0", 2, 0, 1 << 9, "標準せん断力係数Ｃ0の値が正しくありません", 13, 2},
                    Hostile{"negative use", 2, 0, 1 << 8, "用途の値が正しくありません", 12, -1},
                    Hostile{"wind below 50", 2, 0, 1 << 10, "風圧力の係数は、50 ～ 75", 14, 499},
                    Hostile{"thin column", 2, 0, 1 << 19, "柱の断面 (１階)の各辺", 24, 20},
                    Hostile{"storey-2 Lw in one storey", 1, 0, 1 << 12, "２階建ての場合にだけ", 16, 300},
                    Hostile{"clear height below 1000", 2, 0, 1 << 29, "１階の横架材間内法寸法 H0は、1000", 36, 999},
                    Hostile{"clear height without its bit", 2, 37, 2700, "２階の横架材間内法寸法 H0の記録が"},
                    Hostile{"clear height of a missing storey", 1, 0, 1 << 30, "２階建ての場合にだけ", 37, 2700}));

TEST(ProfileFile, ClearHeightStaysBelowItsStoreyHeight) {
  Building b = TwoStorey();
  BuildingProfile p = FullProfile();
  p.clearHeight[1] = 2950;  // h2
  EXPECT_EQ(WriteProfile(b, p), "２階の横架材間内法寸法 H0は、階高より小さく入力してください。");
  p.clearHeight[1] = 2949;
  p.h1.reset();
  p.h2.reset();  // without the storey heights nothing bounds it but its range
  p.clearHeight[0] = 6000;
  EXPECT_EQ(WriteProfile(b, p), std::nullopt);
}

TEST(ProfileFile, UnusedReservedValuesAreKeptAsRead) {
  Building b = TwoStorey();
  b.Info.ReservedLongs[39] = -5;
  b.Info.ReservedTexts[0] = "予備";
  ASSERT_FALSE(WriteProfile(b, FullProfile()).has_value());
  Building read;
  ASSERT_TRUE(ParseProject(SerializeProject(b).bytes, read).ok);
  EXPECT_EQ(read.Info.ReservedLongs[39], -5);
  EXPECT_EQ(read.Info.ReservedTexts[0], "予備");
}

TEST(ProfileFile, StoreyHeightsComeFromTheLevelElevations) {
  Building b = TwoStorey();
  EXPECT_EQ(StoreyHeightMm(b.Info, 1), std::nullopt);
  EXPECT_EQ(StoreyHeightMm(b.Info, 2), std::nullopt);
  BuildingProfile p;
  p.h1 = 3300;
  ASSERT_FALSE(WriteProfile(b, p).has_value());
  EXPECT_EQ(StoreyHeightMm(b.Info, 1), 3300);
  EXPECT_EQ(StoreyHeightMm(b.Info, 2), std::nullopt);
  EXPECT_EQ(b.Info.LevelHeight, (std::array<int32_t, 4>{0, 3300, 0, 0}));
  EXPECT_EQ(b.Coord(1, 1, 3).z, 0.0f);
  p.h2 = 2800;
  ASSERT_FALSE(WriteProfile(b, p).has_value());
  EXPECT_EQ(StoreyHeightMm(b.Info, 2), 2800);
  EXPECT_EQ(b.Coord(1, 1, 3).z, 6.1f);
}

}  // namespace
}  // namespace tvk
