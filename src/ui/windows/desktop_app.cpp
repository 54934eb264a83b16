#include "ui/windows/desktop_app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "editor/session.h"
#include "model/settings_folder.h"
#include "report/surface/report_fonts.h"
#include "ui/windows/main_window.h"

namespace tvk {

namespace {

constexpr int kScreenshotDelayMs = 2000;

void ScheduleScreenshot() {
  const QString path = qEnvironmentVariable("VOLNTVK_SCREENSHOT");
  if (path.isEmpty()) return;
  bool given = false;
  const int delay = qEnvironmentVariableIntValue("VOLNTVK_SCREENSHOT_DELAY", &given);
  QTimer::singleShot(given && delay > 0 ? delay : kScreenshotDelayMs, [path] {
    if (QScreen* screen = QGuiApplication::primaryScreen()) screen->grabWindow(0).save(path);
    // Every event loop ends, the modal ones too.
    QCoreApplication::exit(0);
  });
}

// Qt's own dialogs and menus (file dialogs, context menus) in Japanese, like the program's.
void InstallQtTranslation(QApplication& app, QTranslator& translator) {
  if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&translator);
  }
}

}  // namespace

int RunDesktopProgram(int argc, char** argv, const std::optional<std::string>& file) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VOLN-TVK");
  // Ties the windows to the installed desktop entry (its icon and name in docks and task lists).
  QApplication::setDesktopFileName("voln-tvk");
  QTranslator qtTranslation;
  InstallQtTranslation(app, qtTranslation);
  QApplication::setQuitOnLastWindowClosed(false);
  RegisterReportFonts();
  QApplication::setFont(QFont("ＭＳ Ｐゴシック", 10));
  QApplication::setWindowIcon(ProgramIcon());

  QApplication::setOverrideCursor(Qt::WaitCursor);
  Session session;
  session.programFolder = QCoreApplication::applicationDirPath().toStdString();
  session.settingsFolder = SettingsFolder(session.programFolder);
  session.homeFolder = QDir::homePath().toStdString();
  StartSession(session);
  MainWindow window(session);
  window.show();
  QApplication::restoreOverrideCursor();

  ScheduleScreenshot();
  // The start continues inside the event loop, so that the windows are on the screen.
  // The recent list keeps whole paths.
  const std::optional<std::string> path =
      file ? std::optional(QFileInfo(QString::fromStdString(*file)).absoluteFilePath().toStdString()) : std::nullopt;
  QTimer::singleShot(0, &window, [&window, path] {
    if (path && window.openFromCommandLine(*path)) return;
    window.runDataSelection(true);
  });
  return QApplication::exec();
}

}  // namespace tvk
