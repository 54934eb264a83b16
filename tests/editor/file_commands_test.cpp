// The File commands: captions, questions, the dialogs' start folder, recent files and
// what a refused or failed file does to the open building.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "editor/file_commands.h"
#include "model/safe_file.h"
#include "model/settings_file.h"
#include "support/session_setup.h"

namespace tvk::test {
namespace {

namespace fs = std::filesystem;

using FileCommands = SessionFixtureOf<ScriptedAnswers<UserPrompts>>;

TEST_F(FileCommands, CaptionShowsTheFileNameOrNewData) {
  EXPECT_EQ(WindowCaption(session.document), "VOLN-TVK /軸組Ｎ値算定   新規データ");
  saveAs("house.TVK");
  EXPECT_EQ(WindowCaption(session.document), "VOLN-TVK /軸組Ｎ値算定   house.TVK");
}

TEST_F(FileCommands, CloseAsksTheShortOrTheLongQuestion) {
  struct Case {
    int modified;
    bool quitChosen;
    std::vector<std::string> asked;
  };
  const std::string path = saveAs("a.TVK");
  const Case cases[] = {
      {0, false, {"『 VOLN-TVK /軸組Ｎ値算定 』 を終了します"}},
      {0, true, {}},
      {1, false, {"データは変更されています。\n\n(" + path + ")\n\nこのまま保存せず、終了しますか？"}},
      {1, true, {"データは変更されています。\n\n(" + path + ")\n\nこのまま保存せず、終了しますか？"}},
  };
  for (const Case& c : cases) {
    prompts.asked.clear();
    prompts.answers = {false};
    if (c.modified != 0) Touch(session.document);
    const bool closes = MayClose(session.document, prompts, c.quitChosen);
    EXPECT_EQ(prompts.asked, c.asked) << c.modified << c.quitChosen;
    EXPECT_EQ(closes, c.asked.empty());
  }
}

TEST_F(FileCommands, DialogsStartInTheProgramFolderWhenNoDataFolderIsKnown) {
  EXPECT_EQ(OpenDialogSpec(session).initialPath, session.programFolder + "/新規データ");
  EXPECT_EQ(session.settings.DataFolder, session.programFolder);
  const FileDialogSpec open = OpenDialogSpec(session);
  EXPECT_EQ(open.title, "『 VOLN-TVK ﾃﾞｰﾀ読込み 』");
  EXPECT_EQ(open.filter, "VOLN-TVK ﾃﾞｰﾀﾌｧｲﾙ(*.TVK);;すべてのﾌｧｲﾙ(*.*)");
  EXPECT_EQ(SaveDialogSpec(session).title, "『 VOLN-TVK ﾃﾞｰﾀ保存 』");
  EXPECT_EQ(SaveDialogSpec(session).filter, "VOLN-TVK ﾃﾞｰﾀﾌｧｲﾙ(*.TVK)");
}

TEST_F(FileCommands, InstalledProgramStartsItsDialogsInTheHomeFolder) {
  session.programFolder = path("usr/bin");
  ASSERT_TRUE(fs::create_directories(path("usr/share/voln-tvk")));
  EXPECT_EQ(OpenDialogSpec(session).initialPath, session.homeFolder + "/新規データ");
  EXPECT_EQ(session.settings.DataFolder, session.homeFolder);
}

TEST_F(FileCommands, AfterSaveAsBothDialogsStartInTheNewFolder) {
  ASSERT_TRUE(fs::create_directories(path("other")));
  const std::string target = path("other/new house.TVK");
  prompts.files = {target};
  Touch(session.document);
  ASSERT_EQ(SaveAsCommand(session, prompts), FileOutcome::Done);
  EXPECT_EQ(session.document.path(), target);
  EXPECT_FALSE(session.document.modified());
  EXPECT_EQ(session.settings.DataFolder, path("other"));
  EXPECT_EQ(OpenDialogSpec(session).initialPath, target);
  EXPECT_EQ(SaveDialogSpec(session).initialPath, target);
  // The recent list and the settings file know the file.
  ASSERT_EQ(session.settings.Recent.size(), 1u);
  EXPECT_EQ(session.settings.Recent[0].Path, target);
  ProgramSettings written;
  ReadSettingsFile(session.settingsFolder, written);
  EXPECT_EQ(written.DataFolder, path("other"));
  ASSERT_EQ(written.Recent.size(), 1u);
}

TEST_F(FileCommands, SaveAsOverAnExistingFileAsksAndCancelChangesNothing) {
  const std::string existing = saveAs("old.TVK");
  startModified();
  prompts.files = {existing};
  prompts.answers = {false};
  EXPECT_EQ(SaveAsCommand(session, prompts), FileOutcome::Cancelled);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0], existing + "\n\nはすでに存在します。\n\n上書きしてもよろしいですか。");
  EXPECT_EQ(session.document.path(), kNewDataPath);
  EXPECT_TRUE(session.document.modified());
}

TEST_F(FileCommands, SaveOfANeverSavedBuildingIsSaveAs) {
  prompts.files = {std::nullopt};
  EXPECT_EQ(SaveCommand(session, prompts), FileOutcome::Cancelled);
  EXPECT_EQ(prompts.dialogs.size(), 1u);
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(FileCommands, SaveAsksBeforeOverwriting) {
  const std::string file = saveAs("house.TVK");
  Touch(session.document);
  prompts.answers = {false};
  EXPECT_EQ(SaveCommand(session, prompts), FileOutcome::Cancelled);
  EXPECT_EQ(prompts.asked.back(), "入力データを上書き保存します｡\n\n( " + file + " )\n\nよろしいですか｡");
  EXPECT_TRUE(session.document.modified());
  prompts.answers = {true};
  EXPECT_EQ(SaveCommand(session, prompts), FileOutcome::Done);
  EXPECT_FALSE(session.document.modified());
}

TEST_F(FileCommands, AFailedSaveIsToldAndTheBuildingStaysModified) {
  ASSERT_TRUE(fs::create_directories(path("gone")));
  saveAs("gone/house.TVK");
  ASSERT_GT(fs::remove_all(path("gone")), 0u);
  Touch(session.document);
  EXPECT_EQ(SaveCommand(session, prompts), FileOutcome::Refused);
  EXPECT_TRUE(session.document.modified());
  EXPECT_EQ(prompts.asked.size(), 2u);  // the question, then the failure
  EXPECT_TRUE(session.settings.Recent.empty());
}

TEST_F(FileCommands, SaveOverAReadOnlyFileIsRefusedAndTheFileKept) {
  const std::string file = saveAs("house.TVK");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  const std::string before = ReadBytes(file);
  rename("changed");
  prompts.answers = {true};
  EXPECT_EQ(SaveCommand(session, prompts), FileOutcome::Refused);
  EXPECT_EQ(prompts.asked.back(), ReadOnlyMessage(file));
  EXPECT_TRUE(session.document.modified());
  EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(FileCommands, AFailedSaveAsKeepsTheFormerName) {
  const std::string file = saveAs("house.TVK");
  Touch(session.document);
  prompts.files = {path("missing-folder/copy.TVK")};
  EXPECT_EQ(SaveAsCommand(session, prompts), FileOutcome::Refused);
  EXPECT_EQ(session.document.path(), file);
  EXPECT_TRUE(session.document.modified());
}

TEST_F(FileCommands, OpenRefusesAFileOfAnotherProgram) {
  const std::string other = path("notes.TVK");
  std::ofstream(other) << "not a project";
  startWithName("kept");
  prompts.files = {other};
  EXPECT_EQ(OpenCommand(session, prompts), FileOutcome::Refused);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0],
            "このファイルは、[ VOLN-TVK /軸組Ｎ値算定 ] のデータではありません。\n\nFile Name: notes.TVK");
  EXPECT_EQ(building().Info.BuildingName, "kept");
  EXPECT_EQ(session.document.path(), kNewDataPath);
}

TEST_F(FileCommands, OpenReadsTheFileAndRecordsIt) {
  startWithName("木造の家");
  const std::string file = saveAs("house.TVK");
  startWithName("");
  prompts.files = {file};
  EXPECT_EQ(OpenCommand(session, prompts), FileOutcome::Done);
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(building().Info.BuildingName, "木造の家");
  EXPECT_EQ(session.document.path(), file);
  EXPECT_FALSE(session.document.modified());
  ASSERT_EQ(session.settings.Recent.size(), 1u);
  EXPECT_EQ(session.settings.Recent[0].BuildingName, "木造の家");
}

TEST_F(FileCommands, OpenAsksBeforeGivingUpAModifiedBuilding) {
  const std::string file = saveAs("house.TVK");
  startModified();
  prompts.answers = {false};
  prompts.files = {file};
  EXPECT_EQ(OpenCommand(session, prompts), FileOutcome::Cancelled);
  EXPECT_EQ(prompts.asked, std::vector<std::string>{
                               "現在、入力中のデータは、変更されています。\n\nこのまま、他データを読込みますか？"});
  EXPECT_TRUE(prompts.dialogs.empty());
  EXPECT_TRUE(session.document.modified());
  prompts.answers = {true};
  EXPECT_EQ(OpenCommand(session, prompts), FileOutcome::Done);
  EXPECT_EQ(session.document.path(), file);
}

TEST_F(FileCommands, TheRecentEntryOfTheOpenBuildingIsNotReadAgain) {
  startWithName("on disk");
  const std::string file = saveAs("house.TVK");
  AddToRecentFiles(session.settings, file, "on disk");
  rename("in memory");
  EXPECT_EQ(OpenRecentCommand(session, prompts, 0, false), FileOutcome::Unchanged);
  EXPECT_EQ(building().Info.BuildingName, "in memory");
  // The data selection dialog always reads the chosen file.
  EXPECT_EQ(OpenRecentCommand(session, prompts, 0, true), FileOutcome::Done);
  EXPECT_EQ(building().Info.BuildingName, "on disk");
}

TEST_F(FileCommands, ARecentEntryAsksWhileModifiedAndNoKeepsTheBuilding) {
  const std::string file = saveAs("house.TVK");
  AddToRecentFiles(session.settings, file, "");
  startModified();
  prompts.answers = {false};
  EXPECT_EQ(OpenRecentCommand(session, prompts, 0, false), FileOutcome::Cancelled);
  EXPECT_EQ(prompts.asked, std::vector<std::string>{
                               "現在、入力中のデータは、変更されています。\n\nこのまま、他データを読込みますか？"});
  EXPECT_EQ(session.document.path(), kNewDataPath);
}

TEST_F(FileCommands, ARecentEntryWhoseFileHasGoneIsToldAndTheBuildingStays) {
  AddToRecentFiles(session.settings, path("gone.TVK"), "");
  startWithName("kept");
  EXPECT_EQ(OpenRecentCommand(session, prompts, 0, false), FileOutcome::Refused);
  EXPECT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(building().Info.BuildingName, "kept");
  EXPECT_EQ(session.document.path(), kNewDataPath);
}

TEST_F(FileCommands, NewAsksOnlyWhileModified) {
  EXPECT_TRUE(MayReplaceForNew(session.document, prompts));
  EXPECT_TRUE(prompts.asked.empty());
  Touch(session.document);
  prompts.answers = {false};
  EXPECT_FALSE(MayReplaceForNew(session.document, prompts));
  EXPECT_EQ(prompts.asked,
            std::vector<std::string>{
                "現在、入力中のデータは、変更されています。\n\n(新規データ)\n\nこのまま、新規データを作成しますか？"});
}

TEST_F(FileCommands, TheEndWritesNewDataAsTheLastDataName) {
  saveAs("house.TVK");
  EndSession(session);
  ProgramSettings written;
  ReadSettingsFile(session.settingsFolder, written);
  EXPECT_EQ(written.DataName, kNewDataPath);
  EXPECT_TRUE(fs::exists(path("VolnTVK.Def")));
}

}  // namespace
}  // namespace tvk::test
