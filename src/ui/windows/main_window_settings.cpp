// The main window's settings dialogs, result views and help.
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "editor/undo.h"
#include "model/building.h"
#include "model/grid_resize.h"
#include "model/line_names.h"
#include "model/profile_store.h"
#include "model/version.h"
#include "ui/common/widget_helpers.h"
#include "ui/dialogs/building_outline_dialog.h"
#include "ui/dialogs/cross_beam_dialog.h"
#include "ui/dialogs/font_size_dialog.h"
#include "ui/dialogs/grid_size_dialog.h"
#include "ui/dialogs/hardware_names_dialog.h"
#include "ui/dialogs/hardware_place_dialog.h"
#include "ui/dialogs/l_method_dialog.h"
#include "ui/dialogs/line_name_dialog.h"
#include "ui/dialogs/missing_column_dialog.h"
#include "ui/dialogs/profile_dialog.h"
#include "ui/preview/check_view_window.h"
#include "ui/preview/elevation_window.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/preview_window.h"
#include "ui/preview/result_windows.h"
#include "ui/windows/help_document.h"
#include "ui/windows/main_window.h"
#include "ui/windows/main_window_texts.h"
#include "ui/windows/session.h"

namespace tvk {

// ---- results ------------------------------------------------------------------------

void MainWindow::reportQuestionCommand() {
  if (prompts_->askOkCancel(kReportQuestion)) reportCommand();
}

void MainWindow::reportCommand() {
  repaint();
  PreviewHooks hooks{[this] { helpCommand(); }, [this] { aboutCommand(); }};
  PreviewWindow* preview =
      OpenReportPreview(session_.building, session_.hardwareNames, session_.figureFonts, this, hooks);
  if (preview != nullptr && !printerName_.isEmpty()) preview->setPrinterName(printerName_);
}

void MainWindow::checkViewCommand() {
  CheckViewWindow* view = OpenCheckView(session_.building, session_.figureFonts, this);
  if (view != nullptr && !printerName_.isEmpty()) view->setPrinterName(printerName_);
}

void MainWindow::hardwareCommand() {
  RunHardwarePlacementDialog(session_.building, this);
  refreshCaption();
}

void MainWindow::openFrame(int dir, int line) {
  setBusy(true);
  CloseResultWindows<CheckViewWindow>(this);
  ElevationWindow* window = ShowElevationWindow(session_.building, session_.figureFonts, dir, line, this);
  if (window != nullptr && !printerName_.isEmpty()) window->setPrinterName(printerName_);
  setBusy(false);
}

// ---- settings -----------------------------------------------------------------------

void MainWindow::outlineCommand() {
  BuildingOutlineDialog dialog(session_.building, this);
  dialog.exec();
  refreshCaption();
}

void MainWindow::gridSizeCommand() {
  GridSizeDialog dialog(session_.building, *prompts_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  setBusy(true);
  CloseResultWindows(this);
  Building& b = session_.building;
  ResizeGrid(b, dialog.choice());
  AfterGridResize(b);
  GenerateLineNames(b);
  ClearUndo(b);
  buildingReplaced(false);
  setBusy(false);
}

void MainWindow::lineNameCommand() {
  LineNameDialog dialog(session_.building, session_.defaults, *prompts_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  GenerateLineNames(session_.building);
  editor_->gridChanged();
  refreshFrameMenus();
  editor_->redrawAll();
  refreshCaption();
}

void MainWindow::profileCommand() {
  Building& b = session_.building;
  const BuildingProfile current = ReadProfile(b);
  ProfileDialog dialog(current, b.Storeys(), *prompts_, this);
  if (dialog.exec() != QDialog::Accepted || dialog.profile() == current) return;
  if (auto refused = WriteProfile(b, dialog.profile())) return prompts_->tell(*refused);
  b.Modified = 1;
  settingsClosed();
}

void MainWindow::lMethodCommand() {
  LMethodDialog dialog(session_.building, session_.defaults, *prompts_, this);
  dialog.exec();
  settingsClosed();
}

void MainWindow::missingColumnCommand() {
  MissingColumnDialog dialog(session_.building, session_.defaults, *prompts_, this);
  dialog.exec();
  settingsClosed();
}

void MainWindow::crossBeamCommand() {
  CrossBeamDialog dialog(session_.building, session_.defaults, *prompts_, this);
  connect(&dialog, &CrossBeamDialog::helpRequested, this, &MainWindow::helpCommand);
  dialog.exec();
  settingsClosed();
}

void MainWindow::hardwareNamesCommand() {
  RunHardwareNamesDialog(session_.hardwareNames, session_.settingsFolder, session_.building.Info.BuildingName, this);
}

void MainWindow::fontSizeCommand() { RunFontSizeDialog(session_.figureFonts, session_.defaults, this); }

// ---- editing and view ---------------------------------------------------------------

void MainWindow::undoCommand() {
  editor_->undo();
  refreshCaption();
}

void MainWindow::showAllCommand() {
  editor_->toggleShowAll();
  refreshSide();
}

// ---- help ---------------------------------------------------------------------------

void MainWindow::helpCommand() {
  const std::string path = HelpDocument(session_);
  if (path.empty()) {
    prompts_->tell(NotFoundMessage(kHelpFileName));
  } else if (!prompts_->openDocument(path)) {
    prompts_->tell(NoHelpViewerMessage(path));
  }
}

void MainWindow::aboutCommand() { QMessageBox::about(this, "ﾊﾞｰｼﾞｮﾝ情報", Q(AboutText())); }

}  // namespace tvk
