// The preview's output commands (printing, PDF, printer choice), its warnings and closing,
// and the report command that opens it.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include "editor/document.h"
#include "engine/full_calculation.h"
#include "model/path_parts.h"
#include "report/surface/page_replay.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/preview_window.h"
#include "ui/preview/result_windows.h"

namespace tvk {

namespace {

// The user's desktop folder, or the home folder where there is none.
std::string DesktopFolder() {
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return (QDir(desktop).exists() ? desktop : QDir::homePath()).toStdString();
}

}  // namespace

void PreviewWindow::printAll() {
  if (!PrinterToAskAbout(printerName_, *prompts_) || !prompts_->askOkCancel(PrintAllQuestion(printerName_))) return;
  PrintDocumentPages(report_.document, printerName_, *prompts_);
}

void PreviewWindow::printThisPage() {
  if (!PrinterToAskAbout(printerName_, *prompts_) || !prompts_->askOkCancel(PrintPageQuestion(printerName_))) return;
  PrintDocumentPages(report_.document, printerName_, *prompts_, page(), page());
}

bool PreviewWindow::writePdf() {
  const FileDialogSpec request{kPdfDialogTitle, kPdfFilter, JoinPath(DesktopFolder(), PdfDialogName(building_)), "pdf"};
  const std::optional<std::string> chosen = prompts_->chooseSaveFile(request);
  if (!chosen || chosen->empty()) return false;
  const std::string& path = *chosen;
  const QString file = QString::fromStdString(path);
  // The old file stays until the new one is complete (WritePdf replaces it only then).
  if (QFileInfo::exists(file) && !prompts_->askOkCancelDefaultCancel(PdfOverwriteQuestion(path))) return false;
  QString failure;
  {
    const BusyCursor busy;
    failure = WritePdf(report_.document, file);
  }
  if (!failure.isEmpty()) {
    prompts_->tell(failure.toStdString());
    return false;
  }
  // The file was just written: when it does not open, no viewer could be started.
  if (prompts_->askYesNo(PdfWrittenQuestion(path)) && !prompts_->openDocument(path)) {
    prompts_->tell(NoPdfViewerMessage(path));
  }
  return true;
}

void PreviewWindow::changePrinter() {
  const QString chosen = RunPrinterSelectDialog(printerName_, this, &*prompts_);
  if (!chosen.isEmpty()) printerName_ = chosen;
}

void PreviewWindow::showLoadWarnings() {
  if (warned_) return;
  warned_ = true;
  for (const std::string& warning : report_.Warnings()) prompts_->tell(warning);
}

void PreviewWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!warned_) QTimer::singleShot(0, this, &PreviewWindow::showLoadWarnings);
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  if (!prompts_->askYesNo(kClosePreviewQuestion)) {
    event->ignore();
    return;
  }
  event->accept();
  if (mainWindow_ != nullptr) mainWindow_->show();
}

PreviewWindow* OpenReportPreview(Document& document, const HardwareNames& names, const FigureFonts& fonts,
                                 QWidget* mainWindow, PreviewHooks hooks, WindowPrompts* prompts) {
  {
    const BusyCursor busy;
    CloseResultWindows(mainWindow);
    document.results();
  }
  if (WarnNotTransmitted(document.building(), document.results())) {
    const PromptsRef ask(mainWindow, prompts);
    if (!ask->askYesNo(NotTransmittedQuestion())) return nullptr;
  }
  auto* preview = new PreviewWindow(document, names, fonts, mainWindow, prompts, std::move(hooks));
  preview->show();
  if (mainWindow != nullptr) mainWindow->hide();
  return preview;
}

}  // namespace tvk
