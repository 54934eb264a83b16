#pragma once
// The modeless result windows (frame elevation window, check view) belong to a window
// (the main window): one of each at a time, closed together before the report is made.

#include <QStyle>
#include <QWidget>

class QAction;
class QToolBar;

namespace tvk {

// The open window of type W that owner holds, or nullptr.
template <typename W>
W* OpenResultWindow(QWidget* owner) {
  if (owner == nullptr) return nullptr;
  for (W* window : owner->findChildren<W*>(QString(), Qt::FindDirectChildrenOnly)) {
    // A closed one is only waiting to be deleted.
    if (window->isVisible()) return window;
  }
  return nullptr;
}

template <typename W>
void CloseResultWindows(QWidget* owner) {
  if (owner == nullptr) return;
  for (W* window : owner->findChildren<W*>(QString(), Qt::FindDirectChildrenOnly)) window->close();
}

// Closes owner's frame elevation window and check view.
void CloseResultWindows(QWidget* owner);

// Shows the window in front of the others.
void PresentWindow(QWidget* window);

// Sizes the window to shares of the screen's available area and centres it there.
void SizeToScreen(QWidget* window, double widthShare, double heightShare);

// A toolbar key: an action named by its key ("Print", "NextPage", ...) with its text as the
// tooltip and a standard icon.
QAction* AddToolKey(QToolBar* bar, const char* key, const QString& text, QStyle::StandardPixmap icon);
// The print key: the desktop's printer icon where its theme has one.
QAction* AddPrintKey(QToolBar* bar);

}  // namespace tvk
