#include "editor/file_commands.h"

#include <filesystem>

#include "editor/document.h"
#include "editor/session.h"
#include "model/path_parts.h"
#include "model/project_file.h"

namespace tvk {

namespace {

// After a building was read or written under its path.
void RecordCurrentFile(Session& session) {
  const Document& d = session.document;
  session.settings.DataFolder = FolderPart(d.path());
  AddToRecentFiles(session.settings, d.path(), d.building().Info.BuildingName);
  WriteSettings(session);
}

FileOutcome Load(Session& session, UserPrompts& prompts, const std::string& path) {
  if (const FileResult read = session.document.load(path); !read.ok) {
    prompts.tell(read.message);
    return FileOutcome::Refused;
  }
  RecordCurrentFile(session);
  return FileOutcome::Done;
}

// Saves under the document's path, or under another; a failure is shown and the document
// stays modified (under its old path).
FileOutcome Save(Session& session, UserPrompts& prompts, const std::optional<std::string>& newPath = std::nullopt) {
  const FileResult written = newPath ? session.document.saveAs(*newPath) : session.document.save();
  if (!written.ok) {
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

std::string WindowCaption(const Document& document) {
  return std::string(kProgramTitle) + "   " + FileNamePart(document.path());
}

FileDialogSpec OpenDialogSpec(Session& session) {
  return {"『 VOLN-TVK ﾃﾞｰﾀ読込み 』", "VOLN-TVK ﾃﾞｰﾀﾌｧｲﾙ(*.TVK);;すべてのﾌｧｲﾙ(*.*)", DialogInitialPath(session),
          "TVK"};
}

FileDialogSpec SaveDialogSpec(Session& session) {
  return {"『 VOLN-TVK ﾃﾞｰﾀ保存 』", "VOLN-TVK ﾃﾞｰﾀﾌｧｲﾙ(*.TVK)", DialogInitialPath(session), "TVK"};
}

std::string NewWhileModifiedQuestion(const Document& document) {
  return "現在、入力中のデータは、変更されています。\n\n(" + document.path() +
         ")\n\nこのまま、新規データを作成しますか？";
}

std::string RecentWhileModifiedQuestion() {
  return "現在、入力中のデータは、変更されています。\n\nこのまま、他データを読込みますか？";
}

std::string OverwriteSaveQuestion(const Document& document) {
  return "入力データを上書き保存します｡\n\n( " + TrimBlanks(document.path()) + " )\n\nよろしいですか｡";
}

std::string ExistingFileQuestion(const std::string& path) {
  return TrimBlanks(path) + "\n\nはすでに存在します。\n\n上書きしてもよろしいですか。";
}

std::string CloseQuestion(const Document& document) {
  if (document.modified()) {
    return "データは変更されています。\n\n(" + document.path() + ")\n\nこのまま保存せず、終了しますか？";
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
  if (session.document.modified() && !prompts.askYesNoDefaultNo(RecentWhileModifiedQuestion())) {
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
  if (session.document.modified() && !prompts.askYesNoDefaultNo(RecentWhileModifiedQuestion())) {
    return FileOutcome::Cancelled;
  }
  // The entry may be rewritten by the load; keep its path.
  const std::string path = TrimBlanks(session.settings.Recent[index].Path);
  if (!fromSelection && path == session.document.path()) return FileOutcome::Unchanged;
  return Load(session, prompts, path);
}

FileOutcome SaveCommand(Session& session, UserPrompts& prompts) {
  if (session.document.neverSaved()) return SaveAsCommand(session, prompts);
  if (!prompts.askYesNo(OverwriteSaveQuestion(session.document))) return FileOutcome::Cancelled;
  return Save(session, prompts);
}

FileOutcome SaveAsCommand(Session& session, UserPrompts& prompts) {
  const std::optional<std::string> path = ChooseFileToSave(session, prompts);
  if (!path) return FileOutcome::Cancelled;
  // A building that could not be written under the new name keeps its old one.
  return Save(session, prompts, *path);
}

bool MayReplaceForNew(const Document& document, UserPrompts& prompts) {
  return !document.modified() || prompts.askYesNoDefaultNo(NewWhileModifiedQuestion(document));
}

bool MayClose(const Document& document, UserPrompts& prompts, bool quitChosen) {
  if (!document.modified()) return quitChosen || prompts.askYesNo(CloseQuestion(document));
  return prompts.askYesNoDefaultNo(CloseQuestion(document));
}

}  // namespace tvk
