#include "ui/preview/result_windows.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QToolBar>

#include "ui/preview/check_view_window.h"
#include "ui/preview/elevation_window.h"

namespace tvk {

void CloseResultWindows(QWidget* owner) {
  CloseResultWindows<ElevationWindow>(owner);
  CloseResultWindows<CheckViewWindow>(owner);
}

void PresentWindow(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void SizeToScreen(QWidget* window, double widthShare, double heightShare) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  window->resize(int(area.width() * widthShare), int(area.height() * heightShare));
  window->move(area.center() - window->rect().center());
}

QAction* AddToolKey(QToolBar* bar, const char* key, const QString& text, QStyle::StandardPixmap icon) {
  QAction* action = bar->addAction(bar->style()->standardIcon(icon), text);
  action->setObjectName(QString::fromLatin1(key));
  action->setToolTip(text);
  return action;
}

QAction* AddPrintKey(QToolBar* bar) {
  QAction* action = bar->addAction(QIcon::fromTheme(QStringLiteral("document-print")), QStringLiteral("印刷"));
  action->setObjectName(QStringLiteral("Print"));
  action->setToolTip(QStringLiteral("印刷"));
  return action;
}

}  // namespace tvk
