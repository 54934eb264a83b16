// The main window's settings dialogs, result views and help.
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "editor/commands.h"
#include "editor/main_window_texts.h"
#include "editor/session.h"
#include "model/profile_fields.h"
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

namespace tvk {

// ---- results ------------------------------------------------------------------------

void MainWindow::reportQuestionCommand() {
  if (prompts_->askOkCancel(kReportQuestion)) reportCommand();
}

void MainWindow::reportCommand() {
  repaint();
  PreviewHooks hooks{[this] { helpCommand(); }, [this] { aboutCommand(); }};
  PreviewWindow* preview = OpenReportPreview(session_.document, session_.hardwareNames, figureFonts_, this, hooks);
  if (preview != nullptr && !printerName_.isEmpty()) preview->setPrinterName(printerName_);
}

void MainWindow::checkViewCommand() {
  CheckViewWindow* view = OpenCheckView(session_.document, figureFonts_, this);
  if (view != nullptr && !printerName_.isEmpty()) view->setPrinterName(printerName_);
}

void MainWindow::hardwareCommand() { RunHardwarePlacementDialog(session_.document, this); }

void MainWindow::openFrame(Dir dir, int line) {
  setBusy(true);
  CloseResultWindows<CheckViewWindow>(this);
  ElevationWindow* window = ShowElevationWindow(session_.document, figureFonts_, dir, line, this);
  if (window != nullptr && !printerName_.isEmpty()) window->setPrinterName(printerName_);
  setBusy(false);
}

// ---- settings -----------------------------------------------------------------------

void MainWindow::outlineCommand() {
  BuildingOutlineDialog dialog(session_.document, this);
  dialog.exec();
}

void MainWindow::gridSizeCommand() {
  GridSizeDialog dialog(session_.document.building(), *prompts_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  setBusy(true);
  CloseResultWindows(this);
  session_.document.apply(GridResizeCommand(dialog.choice()));
  setBusy(false);
}

void MainWindow::lineNameCommand() {
  LineNameDialog dialog(session_.document, session_.defaults, *prompts_, this);
  dialog.exec();
}

void MainWindow::profileCommand() {
  const Building& b = session_.document.building();
  const BuildingProfile current = ReadProfile(b);
  ProfileDialog dialog(current, b.Storeys(), *prompts_, this);
  if (dialog.exec() != QDialog::Accepted || dialog.profile() == current) return;
  if (auto refused = CheckProfile(dialog.profile(), b.Storeys())) return prompts_->tell(refused->message);
  session_.document.apply(ProfileCommand(dialog.profile()));
}

void MainWindow::lMethodCommand() {
  LMethodDialog dialog(session_.document, session_.defaults, *prompts_, this);
  dialog.exec();
}

void MainWindow::missingColumnCommand() {
  MissingColumnDialog dialog(session_.document, session_.defaults, *prompts_, this);
  dialog.exec();
}

void MainWindow::crossBeamCommand() {
  CrossBeamDialog dialog(session_.document, session_.defaults, *prompts_, this);
  connect(&dialog, &CrossBeamDialog::helpRequested, this, &MainWindow::helpCommand);
  dialog.exec();
}

void MainWindow::hardwareNamesCommand() {
  RunHardwareNamesDialog(session_.hardwareNames, session_.settingsFolder,
                         session_.document.building().Info.BuildingName, this);
}

void MainWindow::fontSizeCommand() { RunFontSizeDialog(figureFonts_, session_.defaults, this); }

// ---- editing and view ---------------------------------------------------------------

void MainWindow::undoCommand() { editor_->undo(); }

void MainWindow::showAllCommand() {
  editor_->toggleShowAll();
  refreshEditorState();
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
