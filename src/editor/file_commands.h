#pragma once
// The File commands on the session: open, recent file, save, save as, and the questions
// that guard unsaved changes and the end of the program. What the window shows afterwards
// (caption, plan, frame figure lists) is the window's business.

#include <cstddef>
#include <optional>
#include <string>

#include "editor/user_prompts.h"

namespace tvk {

class Document;
struct Session;

enum class FileOutcome {
  Done,       // the building was opened or saved
  Unchanged,  // nothing to do (the recent entry of the building already open)
  Cancelled,  // the user said no or cancelled a dialog
  Refused,    // the file was refused or could not be read or written (the user was told)
};

// "VOLN-TVK /軸組Ｎ値算定" + three spaces + the file name of the building (or "新規データ").
std::string WindowCaption(const Document& document);

FileDialogSpec OpenDialogSpec(Session& session);
FileDialogSpec SaveDialogSpec(Session& session);

// Questions, "\n" for line breaks.
std::string NewWhileModifiedQuestion(const Document& document);
std::string RecentWhileModifiedQuestion();
std::string OverwriteSaveQuestion(const Document& document);
std::string ExistingFileQuestion(const std::string& path);
std::string CloseQuestion(const Document& document);

// The open dialog with the identification check; the chosen path, or nullopt when the
// dialog was cancelled (outcome Cancelled) or the file refused (outcome Refused).
std::optional<std::string> ChooseFileToOpen(Session& session, UserPrompts& prompts, FileOutcome& outcome);
// The save dialog with the overwrite question; the chosen path or nullopt.
std::optional<std::string> ChooseFileToSave(Session& session, UserPrompts& prompts);

// "開く(&O)". A modified building is not given up without the question the recent-file
// entries ask ("このまま、他データを読込みますか？").
FileOutcome OpenCommand(Session& session, UserPrompts& prompts);
// Reads a file chosen outside the open dialog (the command line) with the open dialog's
// identification check.
FileOutcome OpenPathCommand(Session& session, UserPrompts& prompts, const std::string& path);
// A recent-file entry (0-based). From the menu the entry of the open building is not
// read again; the data selection dialog always reads the chosen file (fromSelection).
FileOutcome OpenRecentCommand(Session& session, UserPrompts& prompts, size_t index, bool fromSelection);
// "上書き保存(&S)"; a building never saved goes to "名前を付けて保存".
FileOutcome SaveCommand(Session& session, UserPrompts& prompts);
// "名前を付けて保存(&A)...".
FileOutcome SaveAsCommand(Session& session, UserPrompts& prompts);
// "新規作成(&N)" before its dialog: false when the user keeps the modified building.
bool MayReplaceForNew(const Document& document, UserPrompts& prompts);

// The close check; quitChosen skips the short question (the data selection dialog's exit
// button already asked it).
bool MayClose(const Document& document, UserPrompts& prompts, bool quitChosen);

}  // namespace tvk
