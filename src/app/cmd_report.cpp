// voln-tvk report FILE.TVK -o OUT.pdf: calculates the project as the desktop program's
// report command does, composes the whole report and writes it as one PDF.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "app/batch_project.h"
#include "app/cli.h"
#include "editor/document.h"
#include "engine/full_calculation.h"
#include "model/default_file.h"
#include "model/hardware_names_file.h"
#include "model/settings_folder.h"
#include "report/chapters/report_composer.h"
#include "report/chapters/report_figures.h"
#include "report/surface/page_replay.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

const char* const kReportUsage = "usage: voln-tvk report FILE.TVK -o OUT.pdf\n";

struct ReportArgs {
  std::string input;
  std::string output;
};

std::optional<ReportArgs> ParseReportArgs(const std::vector<std::string>& args) {
  ReportArgs parsed;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "-o" || a == "--output") {
      if (k + 1 >= args.size() || !parsed.output.empty()) return std::nullopt;
      parsed.output = args[++k];
    } else if (a.size() > 1 && a[0] == '-') {
      return std::nullopt;
    } else if (parsed.input.empty()) {
      parsed.input = a;
    } else {
      return std::nullopt;
    }
  }
  if (parsed.input.empty() || parsed.output.empty()) return std::nullopt;
  return parsed;
}

// Qt's own notes (such as a missing runtime folder on a server) are no concern of the
// report's reader; only its errors reach standard error.
void KeepQtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Text layout needs a Gui application; without a display it runs on the offscreen platform.
std::unique_ptr<QGuiApplication> EnsureGuiApplication(int& argc, char** argv) {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(KeepQtErrorsOnly);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunReportCommand(int argc, char** argv, const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const std::optional<ReportArgs> parsed = ParseReportArgs(args);
  if (!parsed) {
    err << kReportUsage;
    return kExitUsage;
  }
  std::error_code ignored;
  if (std::filesystem::equivalent(parsed->input, parsed->output, ignored)) {
    err << "voln-tvk report: " << parsed->output << ": the PDF would replace the project file\n";
    return kExitUsage;
  }
  Document document;
  if (!LoadBatchProject(parsed->input, document, err, "report")) return kExitRefused;
  const CalcResults& results = document.results();
  const Building& building = document.building();

  const auto app = EnsureGuiApplication(argc, argv);
  const std::string settingsFolder = SettingsFolder(QCoreApplication::applicationDirPath().toStdString());
  const HardwareNames names = ReadHardwareNames(settingsFolder);
  const FigureFonts fonts = FigureFonts::FromDefaults(ReadDefaultFile(settingsFolder));
  PageSurface surface;
  const ComposedReport report = ComposeReport(
      surface, ReportRequest{building, results, names, ReportFigureChapters(fonts), QDate::currentDate(), {}});
  const QString failure = WritePdf(report.document, QString::fromStdString(parsed->output));
  if (!failure.isEmpty()) {
    err << "voln-tvk report: " << parsed->output << ": " << failure.toStdString() << "\n";
    return kExitRefused;
  }
  if (WarnNotTransmitted(building, results)) err << "voln-tvk report: " << kNotTransmittedWarning << "\n";
  for (const std::string& warning : report.Warnings()) err << "voln-tvk report: " << warning << "\n";
  return kExitOk;
}

}  // namespace tvk
