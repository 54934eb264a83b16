// The main window's File commands and the data selection at start.
#include <QApplication>

#include "editor/document.h"
#include "editor/session.h"
#include "model/building.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/dialogs/data_select_dialog.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/preview_window.h"
#include "ui/preview/result_windows.h"
#include "ui/windows/dxf_output.h"
#include "ui/windows/main_window.h"

namespace tvk {

void MainWindow::runDataSelection(bool startup) {
  for (;;) {
    DataSelectDialog dialog(session_, *prompts_, startup, this);
    dialog.exec();
    // The dialog may have emptied the history.
    refreshRecentMenu();
    const int result = dialog.selectionResult();
    if (result == kSelectQuit) {
      quitChosen_ = true;
      close();
      return;
    }
    if (result == kSelectNew && !newBuilding()) continue;
    if (result == kSelectOther) {
      const FileOutcome outcome = openFile();
      if (outcome == FileOutcome::Cancelled || outcome == FileOutcome::Refused) continue;
    }
    // A chosen file that cannot be read brings the list back.
    if (result >= 1 && openRecent(static_cast<size_t>(result - 1), true) == FileOutcome::Refused) continue;
    refreshCaption();
    return;
  }
}

bool MainWindow::openFromCommandLine(const std::string& path) {
  setBusy(true);
  const FileOutcome outcome = OpenPathCommand(session_, *prompts_, path);
  setBusy(false);
  if (outcome != FileOutcome::Done) return false;
  refreshRecentMenu();
  return true;
}

bool MainWindow::newBuilding() {
  if (!MayReplaceForNew(session_.document, *prompts_)) return false;
  NewDataDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) return false;
  CloseResultWindows(this);
  session_.document.replace(CreateNewBuilding(session_.document.building(), session_.defaults, dialog.choice()));
  resetView();
  return true;
}

FileOutcome MainWindow::openFile() {
  const FileOutcome outcome = OpenCommand(session_, *prompts_);
  if (outcome == FileOutcome::Done) {
    CloseResultWindows(this);
    refreshRecentMenu();
  }
  return outcome;
}

FileOutcome MainWindow::openRecent(size_t index, bool fromSelection) {
  setBusy(true);
  const FileOutcome outcome = OpenRecentCommand(session_, *prompts_, index, fromSelection);
  setBusy(false);
  if (outcome == FileOutcome::Done) {
    CloseResultWindows(this);
    refreshRecentMenu();
  }
  return outcome;
}

FileOutcome MainWindow::save() {
  setBusy(true);
  const FileOutcome outcome = SaveCommand(session_, *prompts_);
  setBusy(false);
  if (outcome == FileOutcome::Done) {
    refreshCaption();
    refreshRecentMenu();
  }
  return outcome;
}

FileOutcome MainWindow::saveAs() {
  const FileOutcome outcome = SaveAsCommand(session_, *prompts_);
  if (outcome == FileOutcome::Done) {
    refreshCaption();
    refreshRecentMenu();
  }
  return outcome;
}

void MainWindow::newCommand() { newBuilding(); }

void MainWindow::openCommand() { openFile(); }

void MainWindow::saveCommand() { save(); }

void MainWindow::saveAsCommand() { saveAs(); }

// The centre marks follow the plan's display option; the quarter strips are drawn wherever
// the building profile lets the check judge them.
void MainWindow::dxfCommand() {
  DxfOutputCommand(session_, *prompts_, {.storey = 0, .quarters = true, .centres = !canvas_->hideCentres()});
}

void MainWindow::dataSelectionCommand() { runDataSelection(false); }

void MainWindow::printerCommand() {
  const QString chosen = RunPrinterSelectDialog(printerName_.isEmpty() ? DefaultPrinterName() : printerName_, this);
  if (!chosen.isEmpty()) printerName_ = chosen;
}

}  // namespace tvk
