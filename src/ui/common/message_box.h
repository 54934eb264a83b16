#pragma once
// Message boxes titled "確認メッセージ", and the prompts of the result windows (preview,
// frame elevation window, check view, hardware and font dialogs). Texts come from the
// layers below as UTF-8 with CR, LF or CR LF line breaks; every one of them shows as a new
// line.

#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "editor/user_prompts.h"

class QWidget;

namespace tvk {

inline constexpr const char* kMessageTitle = "確認メッセージ";

// The buttons of a box; the default button (Enter) is the first, OK or Yes, except in the
// "DefaultNo" and "DefaultCancel" questions that would drop or overwrite work.
enum class MessageButtons { Ok, OkCancel, YesNo, OkCancelDefaultCancel, YesNoDefaultNo };

// The text as a box shows it: CR LF and lone CR become LF.
QString DisplayText(std::string_view text);

// A modal box with the given buttons; true on OK or Yes (always true for Ok alone).
bool ShowMessageBox(QWidget* parent, std::string_view text, MessageButtons buttons,
                    const QString& title = QString::fromUtf8(kMessageTitle));

// What the result windows need besides the questions and file dialogs of UserPrompts.
class WindowPrompts : public UserPrompts {
 public:
  virtual void beep() = 0;
  // Opens a document with the desktop's default application; false when that fails.
  virtual bool openDocument(const std::string& path) = 0;
};

// The real prompts: ShowMessageBox, QFileDialog (which leaves the overwrite question to
// the caller), QApplication::beep and QDesktopServices::openUrl. The main window can use
// it as its UserPrompts too.
class MessageBoxPrompts final : public WindowPrompts {
 public:
  explicit MessageBoxPrompts(QWidget* parent) : parent_(parent) {}

  bool askYesNo(const std::string& text) override;
  bool askOkCancel(const std::string& text) override;
  bool askYesNoDefaultNo(const std::string& text) override;
  bool askOkCancelDefaultCancel(const std::string& text) override;
  void tell(const std::string& text) override;
  std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override;
  std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override;
  void beep() override;
  bool openDocument(const std::string& path) override;

 private:
  QWidget* parent_;
};

// The prompts a window uses: those it was given (tests script them), else its own
// message boxes.
class PromptsRef {
 public:
  PromptsRef(QWidget* window, WindowPrompts* given);
  WindowPrompts& operator*() const { return *prompts_; }
  WindowPrompts* operator->() const { return prompts_; }

 private:
  std::unique_ptr<MessageBoxPrompts> own_;
  WindowPrompts* prompts_;
};

// The hourglass pointer while it lives.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace tvk
