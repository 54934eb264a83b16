// The main window's answers to the plan editor's questions: pop-up menus at the press
// point, message boxes and the hourglass.
#include <QApplication>
#include <QMenu>

#include "editor/canvas_geometry.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/common/widget_helpers.h"
#include "ui/windows/main_window.h"

namespace tvk {

PopupChoice MainWindow::askPopup(PopupKind kind, CanvasPos at) {
  QMenu menu(this);
  for (const PopupEntry& entry : PopupEntries(kind)) {
    if (entry.heading) {
      menu.addSection(Q(entry.text));
      continue;
    }
    QAction* action = menu.addAction(Q(entry.text));
    action->setData(static_cast<int>(entry.choice));
  }
  const QPoint where = canvas_->viewport()->mapToGlobal(canvas_->toViewport(at).toPoint());
  const QAction* chosen = menu.exec(where);
  return chosen != nullptr ? static_cast<PopupChoice>(chosen->data().toInt()) : PopupChoice::Cancel;
}

// The editor's one question is the group deletion's: Enter keeps the members.
bool MainWindow::confirm(const std::string& text) { return prompts_->askOkCancelDefaultCancel(text); }

void MainWindow::showMessage(const std::string& text) { prompts_->tell(text); }

void MainWindow::beep() { prompts_->beep(); }

void MainWindow::setBusy(bool busy) {
  // Nested commands share one hourglass.
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace tvk
