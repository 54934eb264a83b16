// End-to-end: the preview's print command on a real CUPS queue that writes PDF files
// (cups-pdf). The CUPS scheduler is started when it is not running; the test is skipped
// only where it cannot be started.
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <functional>
#include <set>

#include "editor/document.h"
#include "model/hardware_names.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/preview_window.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

const QString kQueue = QStringLiteral("VOLNTVK-TEST-PDF");
constexpr int kToolMs = 15000;
constexpr int kStartMs = 20000;
constexpr int kPrintMs = 120000;

struct ToolRun {
  bool finished = false;
  int exitCode = -1;
  QString output;  // standard output and error
};

ToolRun RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  ToolRun run;
  run.finished = process.waitForStarted(kToolMs) && process.waitForFinished(kToolMs);
  if (!run.finished) {
    process.kill();
    process.waitForFinished();
  }
  run.exitCode = process.exitCode();
  run.output = QString::fromUtf8(process.readAll());
  return run;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QThread::msleep(200);
  }
  return true;
}

bool SchedulerRuns() { return RunTool("lpstat", {"-r"}).output.startsWith("scheduler is running"); }

// A queue of the system that writes PDF files through cups-pdf, or an empty text.
QString ExistingPdfQueue() {
  const QRegularExpressionMatch queue =
      QRegularExpression(QStringLiteral("^device for (\\S+): cups-pdf:"), QRegularExpression::MultilineOption)
          .match(RunTool("lpstat", {"-v"}).output);
  return queue.hasMatch() ? queue.captured(1) : QString();
}

// The folders cups-pdf writes into for this user: its "Out" folder and the one for
// anonymous jobs.
QStringList CupsPdfFolders() {
  const passwd* user = getpwuid(geteuid());
  QString out = QStringLiteral("${HOME}/PDF");
  QString anonymous = QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
  QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
  if (conf.open(QIODevice::ReadOnly)) {
    for (const QString& line : QString::fromUtf8(conf.readAll()).split('\n')) {
      const QStringList words = line.trimmed().split(QRegularExpression(QStringLiteral("\\s+")));
      if (words.size() == 2 && words[0] == QStringLiteral("Out")) out = words[1];
      if (words.size() == 2 && words[0] == QStringLiteral("AnonDirName")) anonymous = words[1];
    }
  }
  if (user != nullptr) {
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
  }
  return {out, anonymous};
}

std::set<QString> PdfFiles(const QStringList& folders) {
  std::set<QString> files;
  for (const QString& folder : folders) {
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
      files.insert(QDir(folder).filePath(name));
    }
  }
  return files;
}

int PdfPageCount(const QString& pdf) {
  const QRegularExpressionMatch pages =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(RunTool("pdfinfo", {pdf}).output);
  return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

class PrintQueue : public testing::Test {
 protected:
  void SetUp() override {
    test::EnsureResultWindowApp();
    const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    if (cupsd.isEmpty()) GTEST_SKIP() << "cupsd is not installed (scripts/setup.sh installs it)";
    if (!SchedulerRuns()) {
      scheduler_.setStandardOutputFile(QProcess::nullDevice());
      scheduler_.setStandardErrorFile(QProcess::nullDevice());
      scheduler_.start(cupsd, {"-f"});
      if (!scheduler_.waitForStarted(kToolMs) || !WaitFor(SchedulerRuns, kStartMs)) {
        GTEST_SKIP() << "cupsd cannot be started here";
      }
    }
    queue_ = ExistingPdfQueue();
    if (queue_.isEmpty()) {
      const ToolRun added =
          RunTool("lpadmin", {"-p", kQueue, "-E", "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"});
      ASSERT_TRUE(added.finished && added.exitCode == 0)
          << "no PDF queue (scripts/setup.sh installs printer-driver-cups-pdf): " << added.output.toStdString();
      queue_ = kQueue;
      queueAdded_ = true;
    }
  }

  void TearDown() override {
    for (const QString& file : printed_) QFile::remove(file);
    if (queueAdded_) RunTool("lpadmin", {"-x", kQueue});
    if (scheduler_.state() != QProcess::NotRunning) {
      scheduler_.terminate();
      if (!scheduler_.waitForFinished(kToolMs)) {
        scheduler_.kill();
        scheduler_.waitForFinished();
      }
    }
  }

  QProcess scheduler_;
  QString queue_;
  bool queueAdded_ = false;
  std::set<QString> printed_;
};

TEST_F(PrintQueue, PreviewPrintsTheWholeReportOnTheQueue) {
  Document doc(test::LoadSampleHouse());
  test::ScriptedWindowPrompts prompts;
  QWidget mainWindow;
  auto* preview = new PreviewWindow(doc, LoadBuiltInHardwareNames(), FigureFonts{}, &mainWindow, &prompts);
  preview->setPrinterName(queue_);
  const QStringList folders = CupsPdfFolders();
  const std::set<QString> before = PdfFiles(folders);

  prompts.answers = {true};
  preview->printAll();
  EXPECT_EQ(prompts.asked, std::vector<std::string>{PrintAllQuestion(queue_)});
  const int pages = preview->pageCount();
  delete preview;

  const bool done = WaitFor(
      [&] {
        for (const QString& file : PdfFiles(folders)) {
          if (before.count(file) == 0) printed_.insert(file);
        }
        return !printed_.empty() && RunTool("lpstat", {"-o", queue_}).output.trimmed().isEmpty();
      },
      kPrintMs);
  ASSERT_TRUE(done) << "no PDF from the queue in " << folders.join(", ").toStdString();
  ASSERT_EQ(printed_.size(), 1u);
  EXPECT_EQ(PdfPageCount(*printed_.begin()), pages);
}

}  // namespace
}  // namespace tvk
