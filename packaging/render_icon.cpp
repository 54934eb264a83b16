// Writes the program icon as PNG files in the hicolor theme's layout:
//   render_icon DIR  ->  DIR/<n>x<n>/apps/voln-tvk.png for every icon size
// The icon is drawn in code, so the installed icons are drawn by the same routine.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "report/surface/report_fonts.h"
#include "ui/windows/key_pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_icon DIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tvk::RegisterReportFonts();  // the mark is drawn in "ＭＳ ゴシック"
  for (int size : tvk::kProgramIconSizes) {
    const QString folder = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    const QString file = folder + "/voln-tvk.png";
    if (!QDir().mkpath(folder) || !tvk::ProgramIconPicture(size).save(file)) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
