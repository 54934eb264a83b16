#include "ui/windows/file_commands.h"

#include <filesystem>

#include "model/building.h"
#include "model/path_parts.h"
#include "model/project_file.h"
#include "ui/windows/session.h"

namespace tvk {

namespace {

// After a building was read or written under its path.
void RecordCurrentFile(Session& session) {
  Building& b = session.building;
  session.settings.DataFolder = FolderPart(b.CurrentPath);
  AddToRecentFiles(session.settings, b.CurrentPath, b.Info.BuildingName);
  WriteSettings(session);
}

FileOutcome Load(Session& session, UserPrompts& prompts, const std::string& path) {
  if (const FileResult read = LoadProject(session.building, path); !read.ok) {
    prompts.tell(read.message);
    return FileOutcome::Refused;
  }
  RecordCurrentFile(session);
  return FileOutcome::Done;
}

// Saves under the current path; a failure is shown and the building stays modified.
FileOutcome Save(Session& session, UserPrompts& prompts) {
  if (const FileResult written = SaveProject(session.building); !written.ok) {
    prompts.tell(written.message);
    return FileOutcome::Refused;
  }
  RecordCurrentFile(session);
  return FileOutcome::Done;
}

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

std::string WindowCaption(const Building& building) {
  return std::string(kProgramTitle) + "   " + FileNamePart(building.CurrentPath);
}

FileDialogSpec OpenDialogSpec(Session& session) {
  return {"『 VOLN-TVK ﾃﾞｰﾀ読込み 』", "VOLN-TVK ﾃﾞｰﾀﾌｧｲﾙ(*.TVK);;すべてのﾌｧｲﾙ(*.*)", DialogInitialPath(session),
          "TVK"};
}

FileDialogSpec SaveDialogSpec(Session& session) {
  return {"『 VOLN-TVK ﾃﾞｰﾀ保存 』", "VOLN-TVK ﾃﾞｰﾀﾌｧｲﾙ(*.TVK)", DialogInitialPath(session), "TVK"};
}

std::string NewWhileModifiedQuestion(const Building& building) {
  return "現在、入力中のデータは、変更されています。\n\n(" + building.CurrentPath +
         ")\n\nこのまま、新規データを作成しますか？";
}

std::string RecentWhileModifiedQuestion() {
  return "現在、入力中のデータは、変更されています。\n\nこのまま、他データを読込みますか？";
}

std::string OverwriteSaveQuestion(const Building& building) {
  return "入力データを上書き保存します｡\n\n( " + TrimBlanks(building.CurrentPath) + " )\n\nよろしいですか｡";
}

std::string ExistingFileQuestion(const std::string& path) {
  return TrimBlanks(path) + "\n\nはすでに存在します。\n\n上書きしてもよろしいですか。";
}

std::string CloseQuestion(const Building& building) {
  if (building.Modified != 0) {
    return "データは変更されています。\n\n(" + building.CurrentPath + ")\n\nこのまま保存せず、終了しますか？";
  }
  return std::string("『 ") + kProgramTitle + " 』 を終了します";
}

std::optional<std::string> ChooseFileToOpen(Session& session, UserPrompts& prompts, FileOutcome& outcome) {
  outcome = FileOutcome::Cancelled;
  std::optional<std::string> path = prompts.chooseOpenFile(OpenDialogSpec(session));
  if (!path) return std::nullopt;
  if (const auto refusal = CheckProductCode(*path)) {
    prompts.tell(*refusal);
    outcome = FileOutcome::Refused;
    return std::nullopt;
  }
  outcome = FileOutcome::Done;
  return path;
}

std::optional<std::string> ChooseFileToSave(Session& session, UserPrompts& prompts) {
  std::optional<std::string> path = prompts.chooseSaveFile(SaveDialogSpec(session));
  if (!path) return std::nullopt;
  if (Exists(*path) && !prompts.askOkCancelDefaultCancel(ExistingFileQuestion(*path))) return std::nullopt;
  return path;
}

FileOutcome OpenCommand(Session& session, UserPrompts& prompts) {
  if (session.building.Modified != 0 && !prompts.askYesNoDefaultNo(RecentWhileModifiedQuestion())) {
    return FileOutcome::Cancelled;
  }
  FileOutcome outcome;
  const std::optional<std::string> path = ChooseFileToOpen(session, prompts, outcome);
  if (!path) return outcome;
  return Load(session, prompts, *path);
}

FileOutcome OpenPathCommand(Session& session, UserPrompts& prompts, const std::string& path) {
  if (const auto refusal = CheckProductCode(path)) {
    prompts.tell(*refusal);
    return FileOutcome::Refused;
  }
  return Load(session, prompts, path);
}

FileOutcome OpenRecentCommand(Session& session, UserPrompts& prompts, size_t index, bool fromSelection) {
  if (index >= session.settings.Recent.size()) return FileOutcome::Unchanged;
  if (session.building.Modified != 0 && !prompts.askYesNoDefaultNo(RecentWhileModifiedQuestion())) {
    return FileOutcome::Cancelled;
  }
  // The entry may be rewritten by the load; keep its path.
  const std::string path = TrimBlanks(session.settings.Recent[index].Path);
  if (!fromSelection && path == session.building.CurrentPath) return FileOutcome::Unchanged;
  return Load(session, prompts, path);
}

FileOutcome SaveCommand(Session& session, UserPrompts& prompts) {
  if (session.building.CurrentPath == kNewDataPath) return SaveAsCommand(session, prompts);
  if (!prompts.askYesNo(OverwriteSaveQuestion(session.building))) return FileOutcome::Cancelled;
  return Save(session, prompts);
}

FileOutcome SaveAsCommand(Session& session, UserPrompts& prompts) {
  const std::optional<std::string> path = ChooseFileToSave(session, prompts);
  if (!path) return FileOutcome::Cancelled;
  Building& b = session.building;
  const std::string previous = b.CurrentPath;
  b.CurrentPath = *path;
  const FileOutcome outcome = Save(session, prompts);
  // A building that could not be written under the new name keeps its old one.
  if (outcome != FileOutcome::Done) b.CurrentPath = previous;
  return outcome;
}

bool MayReplaceForNew(const Building& building, UserPrompts& prompts) {
  return building.Modified == 0 || prompts.askYesNoDefaultNo(NewWhileModifiedQuestion(building));
}

bool MayClose(const Building& building, UserPrompts& prompts, bool quitChosen) {
  if (building.Modified == 0) return quitChosen || prompts.askYesNo(CloseQuestion(building));
  return prompts.askYesNoDefaultNo(CloseQuestion(building));
}

}  // namespace tvk
