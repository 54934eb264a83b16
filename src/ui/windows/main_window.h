#pragma once
// The main window: the plan canvas with the controls beside it, the toolbar, the menus and
// the status bar. It answers the plan editor's questions with message boxes and pop-up
// menus (AskUser), keeps the controls around the plan in step with it (EditorHost) and
// feeds the canvas's presses, movements and keys into it; the canvas is the editor's plan
// view. As a view of the document it keeps the caption, the status bar, the undo key, the
// eccentricity panel and the wall-quantity read-out up to date. The File commands, the
// settings dialogs and the result windows start here.

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "editor/ask_user.h"
#include "editor/document.h"
#include "editor/editor_host.h"
#include "editor/plan_editor.h"
#include "ui/common/message_box.h"
#include "ui/windows/file_commands.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tvk {

struct Session;
class CheckOverlayOptions;
class EccentricityPanel;
class ElidedLabel;
class KindTree;
class MultiplierBox;
class PlanCanvas;
class WallQuantityPanel;

// Toolbar keys in their order.
inline constexpr std::array<const char*, 17> kToolbarKeys = {
    "NewData",  "Open",     "Save",      "PreView", "NChkFig",  "Kanamono", "JikuX", "JikuY", "TatemonoName",
    "GridSize", "LineName", "OsaeKeisu", "CrossG",  "KanaList", "FontSize", "Undo",  "Close"};

// The program's icon, drawn at run time.
QIcon ProgramIcon();

class MainWindow : public QMainWindow, public AskUser, public EditorHost, public DocumentView {
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
  EccentricityPanel* eccentricityPanel() const { return eccentricity_; }
  WallQuantityPanel* wallQuantityPanel() const { return wallQuantity_; }
  CheckOverlayOptions* overlayOptions() const { return overlayOptions_; }
  // A toolbar key ("Undo", "Save", …).
  QAction* toolbarAction(const char* key) const;
  QMenu* recentMenuHost() const { return fileMenu_; }
  QMenu* frameMenu(Dir dir) const { return frameMenus_[dir]; }
  KindTree* kindTree() const { return kindTree_; }
  QPushButton* cancelButton() const { return cancel_; }
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

  // ---- EditorHost ---------------------------------------------------------------------
  void setCancelEnabled(bool enabled) override;
  void setPositionLabels(const std::string& x, const std::string& y) override;
  void setZoom(double factor) override;

  // ---- DocumentView -------------------------------------------------------------------
  void documentChanged(const DocumentChange& change) override;

 protected:
  // The close check; a confirmed close stores the window state and writes the settings.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ---- building of the window (main_window_menus.cpp, main_window_side.cpp) --------
  void buildActions();
  void buildMenus();
  void buildToolbar();
  void buildStatusBar();
  QWidget* buildSidePanel();
  QWidget* buildCategoryControls();
  QWidget* buildKindControls();
  QWidget* buildDeleteControls();
  QWidget* buildOptionControls();
  QAction* addKey(const char* key, const char* tip, void (MainWindow::*slot)());

  // ---- keeping the window in step ------------------------------------------------------
  // Another building or another grid: a pending edit and the lists that name grid lines
  // belong to the one that is gone.
  void gridReplaced();
  // After a new building: the view toggles start afresh.
  void resetView();
  void refreshCaption();
  void refreshStatusBar();
  void refreshRecentMenu();
  void refreshFrameMenus();
  void refreshSide();
  void refreshKindTree();
  void refreshEccentricity();
  void refreshWallQuantity();
  void showOptionValues();
  void applyWindowState();

  // ---- side panel commands ---------------------------------------------------------
  void chooseCategory(Category category);
  void chooseStorey(int storey);
  void kindChosen(const std::string& key);
  void zoomChosen(int index);
  void deleteTogglePressed(DeleteToggle which, bool down);
  void clearHardware();
  void matchToggled(bool on);
  void showEccentricityHelp();

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
  EccentricityPanel* eccentricity_ = nullptr;
  WallQuantityPanel* wallQuantity_ = nullptr;
  CheckOverlayOptions* overlayOptions_ = nullptr;
  std::map<std::string, QAction*> keys_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QAction* showAllAction_ = nullptr;
  PerDir<QMenu*> frameMenus_{};
  ElidedLabel* prompt_ = nullptr;
  std::array<QLabel*, 6> statusPanels_{};
  QButtonGroup* categories_ = nullptr;
  QButtonGroup* storeys_ = nullptr;
  std::array<QPushButton*, 2> storeyButtons_{};  // [storey-1]
  QLabel* storeyLabel_ = nullptr;
  QPushButton* otherWalls_ = nullptr;
  KindTree* kindTree_ = nullptr;
  QComboBox* zoom_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* groupDeleteButton_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QCheckBox* deleteBoth_ = nullptr;
  QCheckBox* autoLink_ = nullptr;
  QCheckBox* match_ = nullptr;
  QCheckBox* hideCentres_ = nullptr;
  MultiplierBox* maxMultiplier_ = nullptr;
  MultiplierBox* sheathingAdjust_ = nullptr;
  std::array<QLabel*, 2> positionLabels_{};
  QString printerName_;
  bool quitChosen_ = false;  // the data selection dialog's exit button already asked
  bool closeConfirmed_ = false;
  int busyDepth_ = 0;
};

}  // namespace tvk
