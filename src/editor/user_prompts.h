#pragma once
// The questions the File commands and the settings dialogs put to the user. The main
// window answers them with message boxes titled "確認メッセージ" and the file dialogs;
// tests answer them from a script.

#include <optional>
#include <string>

namespace tvk {

// A file dialog: title, Qt name filters (";;"-separated), the file it starts with and
// the suffix added to a name typed without one.
struct FileDialogSpec {
  std::string title;
  std::string filter;
  std::string initialPath;
  std::string defaultSuffix;

  bool operator==(const FileDialogSpec&) const = default;
};

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // Texts use "\n" for line breaks.
  virtual bool askYesNo(const std::string& text) = 0;
  virtual bool askOkCancel(const std::string& text) = 0;
  // The same questions where yes or OK gives up unsaved changes or overwrites a file: the
  // default button, the answer of Enter, is the one that keeps the work (いいえ, ｷｬﾝｾﾙ).
  virtual bool askYesNoDefaultNo(const std::string& text) = 0;
  virtual bool askOkCancelDefaultCancel(const std::string& text) = 0;
  virtual void tell(const std::string& text) = 0;
  // The chosen path, or nullopt when the dialog was cancelled. The save dialog leaves the
  // overwrite question to its caller.
  virtual std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) = 0;
  virtual std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) = 0;
};

}  // namespace tvk
