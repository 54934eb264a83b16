// The settings file, the default file, the hardware name file and the settings folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/default_file.h"
#include "model/hardware_names_file.h"
#include "model/path_parts.h"
#include "model/settings_file.h"
#include "model/settings_folder.h"
#include "model/text_codec.h"
#include "model_test_util.h"

namespace tvk {
namespace {

std::string Cp932(const std::string& utf8) { return Utf8ToCp932(utf8).value(); }

ProgramSettings SampleSettings() {
  ProgramSettings s;
  s.DataFolder = "/home/u/物件";
  s.DataName = "新規データ";
  s.Recent = {RecentEntry{"/home/u/物件/a.TVK", "a.TVK", "山田邸, 増築"}, RecentEntry{"/home/u/b.TVK", "b.TVK", ""}};
  return s;
}

TEST(SettingsFile, IsWrittenAsCrlfLinesInCp932) {
  EXPECT_EQ(SerializeSettings(SampleSettings()),
            Cp932("[DataDir]\r\n/home/u/物件\r\n[DataName]\r\n新規データ\r\n[DataHistory]\r\n2\r\n"
                  "/home/u/物件/a.TVK\r\n山田邸, 増築\r\n/home/u/b.TVK\r\n\r\n"));
}

TEST(SettingsFile, CommaInBuildingNameSurvivesWriteAndRead) {
  test::ScratchDir dir;
  ASSERT_TRUE(WriteSettingsFile(dir.path(), SampleSettings()).ok);
  ProgramSettings read;
  ReadSettingsFile(dir.path(), read);
  EXPECT_EQ(read.DataFolder, "/home/u/物件");
  EXPECT_EQ(read.DataName, "新規データ");
  EXPECT_EQ(read.Recent, SampleSettings().Recent);
}

TEST(SettingsFile, MissingFileChangesNothing) {
  test::ScratchDir dir;
  ProgramSettings s = SampleSettings();
  ReadSettingsFile(dir.path(), s);
  EXPECT_EQ(s.Recent.size(), 2u);
  EXPECT_EQ(s.DataFolder, "/home/u/物件");
}

std::string IniWithEntries(const std::string& count, int entries) {
  std::string text = "[DataDir]\r\nD\r\n[DataName]\r\nN\r\n[DataHistory]\r\n" + count + "\r\n";
  for (int k = 1; k <= entries; ++k) text += "/p/" + std::to_string(k) + ".TVK\r\nname" + std::to_string(k) + "\r\n";
  return text;
}

TEST(SettingsFile, EntryCountIsBoundedByTenAndByTheLinesPresent) {
  struct Case {
    std::string count;
    int entries;
    size_t expected;
  };
  for (const Case& c : {Case{"2", 2, 2}, Case{"12", 12, 10}, Case{"5", 2, 2}, Case{"0", 3, 0}, Case{"-3", 3, 0},
                        Case{"abc", 3, 0}, Case{"", 3, 0}, Case{"99999999999999999999", 4, 4}, Case{" 3 ", 3, 3}}) {
    ProgramSettings s;
    ParseSettingsText(IniWithEntries(c.count, c.entries), s);
    ASSERT_EQ(s.Recent.size(), c.expected) << c.count;
    if (c.expected > 0) {
      EXPECT_EQ(s.Recent.front(), (RecentEntry{"/p/1.TVK", "1.TVK", "name1"}));
    }
  }
}

TEST(SettingsFile, ShortOrOddFilesReadWhatIsThere) {
  ProgramSettings s;
  ParseSettingsText("[DataDir]\nD\n[DataName]\nN\n[DataHistory]\n1\nC:\\w\\x.TVK", s);
  EXPECT_EQ(s.DataFolder, "D");
  ASSERT_EQ(s.Recent.size(), 1u);
  EXPECT_EQ(s.Recent[0], (RecentEntry{"C:\\w\\x.TVK", "x.TVK", ""}));
  ParseSettingsText("", s);
  EXPECT_TRUE(s.Recent.empty());
  EXPECT_EQ(s.DataFolder, "");
}

TEST(SettingsFile, EntriesCp932CannotHoldAreLeftOut) {
  ProgramSettings s = SampleSettings();
  s.Recent.insert(s.Recent.begin(), RecentEntry{"/home/u/😀.TVK", "😀.TVK", "x"});
  s.Recent.push_back(RecentEntry{"/home/u/line\nbreak.TVK", "", "x"});
  ProgramSettings read;
  ParseSettingsText(SerializeSettings(s), read);
  EXPECT_EQ(read.Recent, SampleSettings().Recent);
}

std::vector<std::string> Paths(const ProgramSettings& s) {
  std::vector<std::string> paths;
  for (const RecentEntry& e : s.Recent) paths.push_back(e.Path);
  return paths;
}

TEST(RecentFiles, EleventhFileDropsTheOldestAndReopeningMovesToTop) {
  ProgramSettings s;
  for (int k = 1; k <= 11; ++k) AddToRecentFiles(s, "/p/" + std::to_string(k) + ".TVK", "b" + std::to_string(k));
  ASSERT_EQ(s.Recent.size(), 10u);
  EXPECT_EQ(s.Recent.front(), (RecentEntry{"/p/11.TVK", "11.TVK", "b11"}));
  EXPECT_EQ(s.Recent.back().Path, "/p/2.TVK");
  // Entry 5 is /p/7.TVK: it moves to the top, the former entries 1-4 to 2-5.
  AddToRecentFiles(s, "  /p/7.TVK ", "renamed");
  EXPECT_EQ(Paths(s), (std::vector<std::string>{"/p/7.TVK", "/p/11.TVK", "/p/10.TVK", "/p/9.TVK", "/p/8.TVK",
                                                "/p/6.TVK", "/p/5.TVK", "/p/4.TVK", "/p/3.TVK", "/p/2.TVK"}));
  EXPECT_EQ(s.Recent.front().BuildingName, "renamed");
  AddToRecentFiles(s, " 新規データ ", "x");
  EXPECT_EQ(s.Recent.front().Path, "/p/7.TVK");
}

std::string Le32s(std::initializer_list<int32_t> values) {
  std::string s;
  for (int32_t v : values) {
    for (int k = 0; k < 4; ++k) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF);
  }
  return s;
}

TEST(DefaultFile, ShortAndLongBlocksFollowTheDefaultsRules) {
  const DefaultSettings none = ParseDefaultBlock("");
  EXPECT_EQ(none.DefLineStyleX, 1);
  EXPECT_EQ(none.DefLineStartY, 1);
  EXPECT_EQ(none.FigureFontSize, (std::array<int32_t, 4>{7, 7, 7, 7}));

  // Styles 0 and 2 with starts 5 and 6: X falls back to style 1 from 1, Y keeps its start.
  const DefaultSettings shortBlock = ParseDefaultBlock(Le32s({0, 2, 5, 6, 1, 0, 1}) + "\x01\x02");
  EXPECT_EQ(shortBlock.DefLineStyleX, 1);
  EXPECT_EQ(shortBlock.DefLineStartX, 1);
  EXPECT_EQ(shortBlock.DefLineStyleY, 2);
  EXPECT_EQ(shortBlock.DefLineStartY, 6);
  EXPECT_EQ(shortBlock.DefLineReverseX, 1);
  EXPECT_EQ(shortBlock.DefLMethod, 1);
  EXPECT_EQ(shortBlock.DefIgnoreCrossBeam, 0);
  EXPECT_EQ(shortBlock.FigureFontSize[3], 7);

  const std::string full = Le32s({3, 4, 2, 9, 1, 1, 1, 1, 1, 1, 8, 9, 10, 11, 15, 16, 17, 18, 19});
  const DefaultSettings read = ParseDefaultBlock(full + Le32s({99, 98}));
  EXPECT_EQ(read.DefLineStyleX, 3);
  EXPECT_EQ(read.DefNoTransmitMissingColumn, 1);
  EXPECT_EQ(read.FigureFontSize, (std::array<int32_t, 4>{8, 9, 10, 11}));
  EXPECT_EQ(read.Reserved[4], 19);
  EXPECT_EQ(SerializeDefaultBlock(read), full);
}

TEST(DefaultFile, FontSizeOfZeroBecomesSevenInTheBlockAsWell) {
  // The sizes are taken as soon as the block is read; the block written back holds 7.
  const DefaultSettings read = ParseDefaultBlock(Le32s({1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 9, 0, 12}));
  EXPECT_EQ(read.FigureFontSize, (std::array<int32_t, 4>{7, 9, 7, 12}));
  EXPECT_EQ(SerializeDefaultBlock(read).substr(40, 16), Le32s({7, 9, 7, 12}));
  DefaultSettings set;
  set.FigureFontSize[1] = 0;  // however a size of 0 got into the block, the figures use 7
  EXPECT_EQ(set.figureFontSize(kPlanMultiplierFont), 7);
}

TEST(DefaultFile, WritesAndReadsTheFile) {
  test::ScratchDir dir;
  EXPECT_EQ(ReadDefaultFile(dir.path()).FigureFontSize[0], 7);  // no file yet
  DefaultSettings d;
  d.DefLineStyleY = 4;
  d.DefLineStartY = 5;
  d.FigureFontSize[1] = 11;
  ASSERT_TRUE(WriteDefaultFile(dir.path(), d).ok);
  EXPECT_EQ(test::ReadBytes(dir.file("VolnTVK.Def")).size(), 76u);
  const DefaultSettings read = ReadDefaultFile(dir.path());
  EXPECT_EQ(read.DefLineStyleY, 4);
  EXPECT_EQ(read.DefLineStartY, 5);
  EXPECT_EQ(read.FigureFontSize[1], 11);
  EXPECT_FALSE(WriteDefaultFile(dir.file("missing"), d).ok);
}

TEST(HardwareNamesFile, TokenizerSplitsAtBlanksCommasAndQuotes) {
  struct Case {
    const char* line;
    const char* name;
    const char* value;
  };
  for (const Case& c :
       {Case{"短ほぞ差し 0.00", "短ほぞ差し", "0.00"}, Case{"a    b", "a", "b"},
        Case{"\"金物\",\"5.07\"", "金物", "5.07"}, Case{"'x','y' z", "x", "y"}, Case{"--- 3.38", "", "3.38"},
        Case{" 1.62", "1.62", ""}, Case{"only", "only", ""}, Case{"", "", ""}, Case{"名　称 ---", "名　称", ""}}) {
    const HardwareNames names = ParseHardwareNames(Cp932(std::string(c.line) + "\r\nsecond 2\r\n"));
    EXPECT_EQ(names[0].Name1, c.name) << c.line;
    EXPECT_EQ(names[0].Value1, c.value) << c.line;
    EXPECT_EQ(names[0].Name2, "second");
    EXPECT_EQ(names[1], HardwareRow{});
  }
}

TEST(HardwareNamesFile, BuiltInTableReadsBackWithoutTrailingBlanks) {
  const HardwareNames builtIn = LoadBuiltInHardwareNames();
  EXPECT_EQ(builtIn[0].Value1, "0.00 ");
  EXPECT_EQ(builtIn[10].Value1, "(40.00)");
  const HardwareNamesBytes image = SerializeHardwareNames(builtIn);
  ASSERT_TRUE(image.result.ok);
  EXPECT_EQ(image.bytes.substr(0, 17), Cp932("短ほぞ差し 0.00\r\n"));
  EXPECT_NE(image.bytes.find(Cp932("\r\n羽子板ボルト(SB)または短ざく金物(S) 7.50\r\n--- ---\r\n")), std::string::npos);
  const HardwareNames read = ParseHardwareNames(image.bytes);
  for (size_t r = 0; r < read.size(); ++r) {
    EXPECT_EQ(read[r].Name1, builtIn[r].Name1);
    EXPECT_EQ(read[r].Value1, TrimBlanks(builtIn[r].Value1));
    EXPECT_EQ(read[r].Name2, builtIn[r].Name2);
    EXPECT_EQ(read[r].Value2, TrimBlanks(builtIn[r].Value2));
  }
}

TEST(HardwareNamesFile, SeparatorsInsideATextBecomeFullWidthAndReadBack) {
  HardwareNames names{};
  names[0] = HardwareRow{"かど金物 CP,'L' \"T\"", " 5.07 ", "", "(1.62)"};
  const HardwareNamesBytes image = SerializeHardwareNames(names);
  ASSERT_TRUE(image.result.ok);
  const HardwareNames read = ParseHardwareNames(image.bytes);
  EXPECT_EQ(read[0], (HardwareRow{"かど金物　CP，＇L＇　＂T＂", "5.07", "", "(1.62)"}));
  EXPECT_EQ(read[1], HardwareRow{});
  // Written again, the table is the same file.
  EXPECT_EQ(SerializeHardwareNames(read).bytes, image.bytes);
}

TEST(HardwareNamesFile, MissingFileGivesTheBuiltInTableAndRefusedTextWritesNothing) {
  test::ScratchDir dir;
  EXPECT_EQ(ReadHardwareNames(dir.path()), LoadBuiltInHardwareNames());
  HardwareNames names = LoadBuiltInHardwareNames();
  ASSERT_TRUE(WriteHardwareNames(dir.path(), names).ok);
  EXPECT_EQ(ReadHardwareNames(dir.path())[5].Value1, "10.00");
  const std::string before = test::ReadBytes(dir.file("_Kanamono.Def"));
  names[1].Name2 = "金物🔩";
  const FileResult refused = WriteHardwareNames(dir.path(), names);
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.message.find("金物の名称（2 行目）"), std::string::npos) << refused.message;
  EXPECT_EQ(test::ReadBytes(dir.file("_Kanamono.Def")), before);
}

TEST(HardwareNamesFile, FileThatCannotBeReadGivesTheBuiltInTable) {
  test::ScratchDir dir;
  // Far beyond any real table: it is not read, and the table is not left empty.
  test::WriteBytes(dir.file("_Kanamono.Def"), std::string(2 * 1024 * 1024, 'x'));
  EXPECT_EQ(ReadHardwareNames(dir.path()), LoadBuiltInHardwareNames());
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsFolderRule, HomeVariableThenProgramFolderThenConfigFolder) {
  test::ScratchDir dir;
  {
    ScopedEnv home("VOLNTVK_HOME", dir.file("home").c_str());
    EXPECT_EQ(SettingsFolder(dir.path()), dir.file("home"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("home")));
  }
  ScopedEnv noHome("VOLNTVK_HOME", nullptr);
  EXPECT_EQ(SettingsFolder(dir.path()), dir.path());
  ScopedEnv config("XDG_CONFIG_HOME", dir.file("config").c_str());
  EXPECT_EQ(SettingsFolder(dir.file("no-such-folder")), dir.file("config") + "/voln-tvk");
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("config") + "/voln-tvk"));
}

// An installed program (PREFIX/bin beside PREFIX/share/voln-tvk) keeps its settings in the
// user's config folder even when an administrator could write to its bin folder.
TEST(SettingsFolderRule, InstalledProgramUsesTheConfigFolder) {
  test::ScratchDir dir;
  ScopedEnv noHome("VOLNTVK_HOME", nullptr);
  ScopedEnv config("XDG_CONFIG_HOME", dir.file("config").c_str());
  std::filesystem::create_directories(dir.file("usr/bin"));
  std::filesystem::create_directories(dir.file("build/src"));
  EXPECT_EQ(SettingsFolder(dir.file("usr/bin")), dir.file("usr/bin")) << "bin without its data: portable";
  std::filesystem::create_directories(dir.file("usr/share/voln-tvk"));
  EXPECT_EQ(SettingsFolder(dir.file("usr/bin")), dir.file("config") + "/voln-tvk");
  EXPECT_EQ(SettingsFolder(dir.file("build/src")), dir.file("build/src"));
}

TEST(SettingsFolderRule, InstalledDataFolderIsShareBesideBin) {
  test::ScratchDir dir;
  std::filesystem::create_directories(dir.file("usr/share/voln-tvk"));
  std::filesystem::create_directories(dir.file("usr/lib/voln-tvk"));
  const struct {
    std::string executableFolder;
    std::string data;
  } cases[] = {
      {dir.file("usr/bin"), dir.file("usr/share/voln-tvk")},
      {dir.file("usr/bin/"), dir.file("usr/share/voln-tvk")},
      {dir.file("usr/lib/voln-tvk"), ""},
      {dir.file("opt/bin"), ""},  // no share/voln-tvk beside it
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(InstalledDataFolder(c.executableFolder), c.data) << c.executableFolder;
}

}  // namespace
}  // namespace tvk
