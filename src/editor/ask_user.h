#pragma once
// The plan editor's questions to the user in the middle of an operation, and the hourglass
// while one runs. The main window answers them with pop-up menus and message boxes; tests
// answer them from a script.

#include <string>

#include "editor/canvas_geometry.h"
#include "editor/popup_menus.h"

namespace tvk {

class AskUser {
 public:
  virtual ~AskUser() = default;
  // A pop-up menu at the press point; returns the entry chosen (Cancel when dismissed).
  virtual PopupChoice askPopup(PopupKind kind, CanvasPos at) = 0;
  // OK / Cancel question titled "確認メッセージ" before members are deleted; true on OK.
  // Its default button (Enter) is Cancel, which keeps them.
  virtual bool confirm(const std::string& text) = 0;
  // Message titled "確認メッセージ" with an OK button. Line breaks are "\n".
  virtual void showMessage(const std::string& text) = 0;
  virtual void beep() = 0;
  virtual void setBusy(bool busy) = 0;  // hourglass pointer
};

}  // namespace tvk
