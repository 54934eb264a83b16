// Saving and loading through files: atomic replacement, refusals that write nothing, and
// the open dialog's identification check. What the document's file state does around
// them: tests/editor/document_files_test.cpp.

#include <gtest/gtest.h>

#include <filesystem>

#include "model/project_file.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

TEST(ProjectSave, SavedFileLoadsBackAsTheSameBuilding) {
  test::ScratchDir dir;
  Building b = test::FilledBuilding();
  const std::string path = dir.file("house.TVK");
  b.Header = FileHeader{};
  ASSERT_TRUE(SaveProject(b, path).ok);
  EXPECT_EQ(b.Header.ProductCode, "VOLN-TVK");
  EXPECT_EQ(b.Header.VersionText.rfind("Ver.", 0), 0u);
  EXPECT_EQ(test::ReadBytes(path), SerializeProject(b).bytes);
  Building loaded;
  ASSERT_TRUE(LoadProject(loaded, path).ok);
  test::ExpectSameModel(loaded, b);
  // Nothing but the target is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(ProjectSave, RefreshesFloorOutlinesBeforeWriting) {
  test::ScratchDir dir;
  Building b = test::MakeBuilding(1, 3, 3);
  b.Point(1, 1, 1).FloorKind = FloorCell::Slab;
  ASSERT_TRUE(SaveProject(b, dir.file("floor.TVK")).ok);
  EXPECT_EQ(b.Point(1, 2, 1).FloorEdge[Dir::X], 1);
  EXPECT_EQ(b.Point(2, 1, 1).FloorEdge[Dir::Y], 1);
}

struct BadText {
  const char* field;
  void (*spoil)(Building&);
};

class UnsavableText : public testing::TestWithParam<BadText> {};

TEST_P(UnsavableText, RefusesTheSaveAndLeavesTheFileAlone) {
  test::ScratchDir dir;
  const std::string path = dir.file("keep.TVK");
  test::WriteBytes(path, "previous content");
  Building b = test::FilledBuilding();
  GetParam().spoil(b);
  const FileResult result = SaveProject(b, path);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.message.find(GetParam().field), std::string::npos) << result.message;
  EXPECT_EQ(test::ReadBytes(path), "previous content");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnsavableText,
    testing::Values(BadText{"建物名称に、ファイルに保存できない文字", [](Building& b) { b.Info.BuildingName = "家😀"; }},
                    BadText{"「家😀」", [](Building& b) { b.Info.BuildingName = "家😀"; }},
                    BadText{"担当者名", [](Building& b) { b.Info.PersonName = "김"; }},
                    BadText{"Ｙ通り名（2 番目）", [](Building& b) { b.Settings.LineNamesY[1] = "🏠"; }},
                    BadText{"柱頭金物（2階 X2 - い3）",
                            [](Building& b) { b.Point(2, 3, 2).Column.TopHardware = "\xF0\x9F\x94\xA9"; }},
                    BadText{"建物名称が長すぎます", [](Building& b) { b.Info.BuildingName.assign(65536, 'a'); }},
                    BadText{"事務所名が長すぎます（65535 バイトまで）。\n\n「ああ",
                            [](Building& b) {
                              b.Info.OfficeName.clear();
                              for (int k = 0; k < 40000; ++k) b.Info.OfficeName += "あ";
                            }},
                    BadText{"あ…」", [](Building& b) {
                              b.Info.OfficeName.clear();
                              for (int k = 0; k < 40000; ++k) b.Info.OfficeName += "あ";
                            }}));

TEST(ProjectSave, LongestTextIsAccepted) {
  Building b = test::FilledBuilding();
  b.Info.BuildingName.assign(65535, 'a');
  EXPECT_TRUE(SerializeProject(b).result.ok);
}

TEST(ProjectSave, FailedWriteReportsThePath) {
  test::ScratchDir dir;
  test::WriteBytes(dir.file("plain"), "x");
  for (const std::string& path : {dir.file("missing/house.TVK"), dir.file("plain/house.TVK")}) {
    Building b = test::FilledBuilding();
    const FileResult result = SaveProject(b, path);
    EXPECT_FALSE(result.ok) << path;
    EXPECT_NE(result.message.find(path), std::string::npos);
  }
}

TEST(ProjectSave, ReplacingAFileKeepsItsPermissions) {
  test::ScratchDir dir;
  const std::string path = dir.file("mode.TVK");
  test::WriteBytes(path, "old");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  Building b = test::FilledBuilding();
  ASSERT_TRUE(SaveProject(b, path).ok);
  EXPECT_EQ(
      std::filesystem::status(path).permissions() & std::filesystem::perms::all,
      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
}

TEST(ProjectSave, SavingThroughALinkReplacesTheLinkedFile) {
  test::ScratchDir dir;
  test::WriteBytes(dir.file("real.TVK"), "old");
  std::filesystem::create_symlink(dir.file("real.TVK"), dir.file("link.TVK"));
  Building b = test::FilledBuilding();
  ASSERT_TRUE(SaveProject(b, dir.file("link.TVK")).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.TVK")));
  EXPECT_EQ(test::ReadBytes(dir.file("real.TVK")), SerializeProject(b).bytes);
}

TEST(ProjectLoad, MissingOrRefusedFileLeavesTheBuilding) {
  test::ScratchDir dir;
  test::WriteBytes(dir.file("zero.TVK"), std::string(300, '\0'));
  for (const std::string& path : {dir.file("none.TVK"), dir.path(), dir.file("zero.TVK")}) {
    Building b = test::FilledBuilding();
    const FileResult result = LoadProject(b, path);
    EXPECT_FALSE(result.ok) << path;
    EXPECT_FALSE(result.message.empty());
    test::ExpectSameModel(b, test::FilledBuilding());
  }
}

TEST(ProjectLoad, StoredZeroMaximumMultiplierReadsAsFive) {
  Building b = test::FilledBuilding();
  b.Settings.MaxWallMultiplier = 0.0f;
  Building read;
  ASSERT_TRUE(ParseProject(SerializeProject(b).bytes, read).ok);
  EXPECT_EQ(read.Settings.MaxWallMultiplier, 5.0f);
}

TEST(ProductCode, OnlyVolnTvkFilesPass) {
  test::ScratchDir dir;
  Building b = test::FilledBuilding();
  ASSERT_TRUE(SaveProject(b, dir.file("ok.TVK")).ok);
  EXPECT_EQ(CheckProductCode(dir.file("ok.TVK")), std::nullopt);

  b.Header.ProductCode = "VOLN-TVX";
  test::WriteBytes(dir.file("other.TVK"), SerializeProject(b).bytes);
  test::WriteBytes(dir.file("text.txt"), "hello, world");
  test::WriteBytes(dir.file("empty.TVK"), "");
  for (const char* name : {"other.TVK", "text.txt", "empty.TVK"}) {
    EXPECT_EQ(CheckProductCode(dir.file(name)),
              std::string("このファイルは、[ VOLN-TVK /軸組Ｎ値算定 ] のデータではありません。\n\nFile Name: ") + name);
  }
  const auto missing = CheckProductCode(dir.file("gone.TVK"));
  ASSERT_TRUE(missing.has_value());
  EXPECT_NE(missing->find("gone.TVK"), std::string::npos);
}

}  // namespace
}  // namespace tvk
