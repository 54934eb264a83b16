#pragma once
// The main window: the plan canvas with the side panel beside it, the toolbar, the menus
// and the status bar. It answers the plan editor's questions with message boxes and pop-up
// menus (AskUser) and feeds the canvas's presses, movements and keys into it; the canvas is
// the editor's plan view, the side panel its controls (EditorHost). As a view of the
// document it keeps the caption, the status bar, the undo key and the frame figure lists up
// to date. The File commands, the settings dialogs and the result windows start here.

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "editor/ask_user.h"
#include "editor/document.h"
#include "editor/file_commands.h"
#include "editor/plan_editor.h"
#include "report/figures/figure_fonts.h"
#include "ui/common/message_box.h"

class QAction;
class QLabel;
class QMenu;

namespace tvk {

struct Session;
class ElidedLabel;
class PlanCanvas;
class SidePanel;

// Toolbar keys in their order.
inline constexpr std::array<const char*, 17> kToolbarKeys = {
    "NewData",  "Open",     "Save",      "PreView", "NChkFig",  "Kanamono", "JikuX", "JikuY", "TatemonoName",
    "GridSize", "LineName", "OsaeKeisu", "CrossG",  "KanaList", "FontSize", "Undo",  "Close"};

// The program's icon, drawn at run time.
QIcon ProgramIcon();

class MainWindow : public QMainWindow, public AskUser, public DocumentView {
  Q_OBJECT

 public:
  // prompts: nullptr asks with message boxes and file dialogs (tests pass scripted ones).
  explicit MainWindow(Session& session, WindowPrompts* prompts = nullptr);
  ~MainWindow() override;

  // ---- start ----------------------------------------------------------------------
  // Shows the data selection dialog and carries out its result; a new building or an
  // open file that was cancelled brings the dialog back.
  void runDataSelection(bool startup);
  // A file named on the command line, read with the open dialog's checks.
  bool openFromCommandLine(const std::string& path);

  // ---- File commands ------------------------------------------------------------------
  bool newBuilding();
  FileOutcome openFile();
  FileOutcome openRecent(size_t index, bool fromSelection = false);
  FileOutcome save();
  FileOutcome saveAs();

  // ---- what tests and the picture hook look at ----------------------------------------
  PlanEditor& editor() { return *editor_; }
  PlanCanvas* canvas() const { return canvas_; }
  SidePanel* sidePanel() const { return side_; }
  // A toolbar key ("Undo", "Save", …).
  QAction* toolbarAction(const char* key) const;
  QMenu* recentMenuHost() const { return fileMenu_; }
  QMenu* frameMenu(Dir dir) const { return frameMenus_[dir]; }
  QString statusText(int panel) const;
  // The status bar's word on what the next click on the plan does.
  QString promptText() const;
  bool closeConfirmed() const { return closeConfirmed_; }

  // ---- AskUser ------------------------------------------------------------------------
  PopupChoice askPopup(PopupKind kind, CanvasPos at) override;
  bool confirm(const std::string& text) override;
  void showMessage(const std::string& text) override;
  void beep() override;
  void setBusy(bool busy) override;

  // ---- DocumentView -------------------------------------------------------------------
  void documentChanged(const DocumentChange& change) override;

 protected:
  // The close check; a confirmed close stores the window state and writes the settings.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ---- building of the window (main_window_menus.cpp) ---------------------------------
  void buildActions();
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  QAction* addKey(const char* key, const char* tip, void (MainWindow::*slot)());

  // ---- keeping the window in step ------------------------------------------------------
  // After a new building: the view toggles start afresh.
  void resetView();
  // The editor's state moved here (a press, Esc, a menu): the side panel and the window's
  // own read-outs of it.
  void refreshEditorState();
  // The show-all menu entry, the next click's prompt and the caption.
  void showEditorState();
  void refreshCaption();
  void refreshStatusBar();
  void refreshRecentMenu();
  void refreshFrameMenus();
  void applyWindowState();

  // ---- commands (main_window_files.cpp, main_window_settings.cpp) --------------------
  void actOnSelection(int result);
  void newCommand();
  void openCommand();
  void saveCommand();
  void saveAsCommand();
  void dxfCommand();
  void dataSelectionCommand();
  void printerCommand();
  void reportQuestionCommand();
  void reportCommand();
  void checkViewCommand();
  void hardwareCommand();
  void popFrameListX();
  void popFrameListY();
  void openFrame(Dir dir, int line);
  void outlineCommand();
  void gridSizeCommand();
  void lineNameCommand();
  void profileCommand();
  void lMethodCommand();
  void missingColumnCommand();
  void crossBeamCommand();
  void hardwareNamesCommand();
  void fontSizeCommand();
  void undoCommand();
  void showAllCommand();
  void helpCommand();
  void aboutCommand();
  void closeCommand() { close(); }

  Session& session_;
  PromptsRef prompts_;
  std::unique_ptr<PlanEditor> editor_;
  PlanCanvas* canvas_ = nullptr;
  SidePanel* side_ = nullptr;
  std::map<std::string, QAction*> keys_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QAction* showAllAction_ = nullptr;
  PerDir<QMenu*> frameMenus_{};
  ElidedLabel* prompt_ = nullptr;
  std::array<QLabel*, 6> statusPanels_{};
  QString printerName_;
  FigureFonts figureFonts_;  // label sizes the report figures use now
  bool quitChosen_ = false;  // the data selection dialog's exit button already asked
  bool closeConfirmed_ = false;
  int busyDepth_ = 0;
};

}  // namespace tvk
