#include "ui/windows/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "editor/wall_quantity_readout.h"
#include "model/building.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/common/elided_label.h"
#include "ui/common/widget_helpers.h"
#include "ui/dialogs/multiplier_box.h"
#include "ui/preview/elevation_window.h"
#include "ui/preview/preview_window.h"
#include "ui/preview/result_windows.h"
#include "ui/windows/check_overlay_options.h"
#include "ui/windows/eccentricity_panel.h"
#include "ui/windows/main_window_texts.h"
#include "ui/windows/session.h"
#include "ui/windows/wall_quantity_panel.h"

namespace tvk {

namespace {

// Where the window state of the last exit is kept (the per-user store).
constexpr const char* kWindowStateKey = "CloseWinFlag";
constexpr int kStateMaximised = 2;
constexpr double kScreenShare = 0.85;

QSettings WindowStateStore() { return QSettings("VOLN-TVK", "VOLN-TVK"); }

}  // namespace

MainWindow::MainWindow(Session& session, WindowPrompts* prompts) : session_(session), prompts_(this, prompts) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  canvas_ = new PlanCanvas(session_.document, [this]() -> const EditorState& { return editor_->state(); });
  editor_ = std::make_unique<PlanEditor>(session_.document, *this, *canvas_, *this);
  overlayOptions_ = new CheckOverlayOptions(*canvas_);
  connect(canvas_, &PlanCanvas::pressed, this, [this](MouseButton button, CanvasPos at) {
    editor_->press(button, at);
    refreshSide();
  });
  connect(canvas_, &PlanCanvas::moved, this, [this](CanvasPos at) { editor_->move(at); });
  // Ctrl+wheel zoomed the canvas itself: the list only shows the factor.
  connect(canvas_, &PlanCanvas::zoomChanged, this, [this](double factor) {
    const QSignalBlocker quiet(zoom_);
    setZoom(factor);
  });
  connect(canvas_, &PlanCanvas::escapePressed, this, [this] {
    editor_->escape();
    refreshSide();
  });

  buildActions();
  buildMenus();
  buildToolbar();
  buildStatusBar();
  auto* central = new QWidget;
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(2, 2, 2, 2);
  row->addWidget(buildSidePanel());
  row->addWidget(canvas_, 1);
  setCentralWidget(central);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    resize(int(area.width() * kScreenShare), int(area.height() * kScreenShare));
    move(area.center() - rect().center());
  }
  applyWindowState();
  session_.document.addView(*this);
  refreshRecentMenu();
  documentChanged(DocumentChange::Everything());
  editor_->redrawAll();
  eccentricity_->clearValues();
}

MainWindow::~MainWindow() { session_.document.removeView(*this); }

void MainWindow::applyWindowState() {
  // A window that was minimised at exit opens normally: the data selection dialog needs it.
  if (WindowStateStore().value(kWindowStateKey, 0).toInt() == kStateMaximised) {
    setWindowState(windowState() | Qt::WindowMaximized);
  }
}

QAction* MainWindow::toolbarAction(const char* key) const {
  const auto found = keys_.find(key);
  return found == keys_.end() ? nullptr : found->second;
}

QString MainWindow::statusText(int panel) const { return statusPanels_[static_cast<size_t>(panel - 1)]->text(); }

QString MainWindow::promptText() const { return prompt_->text(); }

// ---- keeping the window in step ------------------------------------------------------

void MainWindow::documentChanged(const DocumentChange& change) {
  refreshCaption();
  refreshStatusBar();
  toolbarAction("Undo")->setEnabled(session_.document.canUndo());
  if (change.scope == DocumentChange::Scope::Everything) gridReplaced();
  if (change.ShowsOnPlan()) {
    refreshEccentricity();
  } else {
    refreshWallQuantity();  // the building profile may have changed
  }
}

void MainWindow::gridReplaced() {
  const Building& b = session_.document.building();
  editor_->gridChanged();
  showOptionValues();
  refreshFrameMenus();
  storeyButtons_[1]->setEnabled(b.Storeys() == 2);
  if (editor_->state().Storey > b.Storeys()) editor_->chooseStorey(1);
  refreshKindTree();
  refreshSide();
}

void MainWindow::resetView() {
  if (editor_->state().ShowAll) editor_->toggleShowAll();
  if (editor_->state().OtherStoreyWalls) editor_->toggleOtherStoreyWalls();
  refreshSide();
}

void MainWindow::refreshCaption() { setWindowTitle(Q(WindowTitle(session_.document))); }

void MainWindow::refreshStatusBar() {
  const auto texts = StatusBarTexts(session_.document.building());
  for (size_t k = 0; k < texts.size(); ++k) statusPanels_[k]->setText(Q(texts[k]));
}

void MainWindow::refreshEccentricity() {
  eccentricity_->showBalance(session_.document.balance(editor_->state().Storey));
  refreshWallQuantity();
}

void MainWindow::refreshWallQuantity() {
  const std::optional<LiveChecks> live = session_.document.liveChecks(editor_->state().Storey);
  if (live) {
    wallQuantity_->showReadout(FormatWallQuantity(live->wallQuantity));
  } else {
    wallQuantity_->clearValues();
  }
}

void MainWindow::showOptionValues() {
  const CalcSettings& s = session_.document.building().Settings;
  match_->blockSignals(true);
  match_->setChecked(s.Match1FTo2F != 0);
  match_->blockSignals(false);
  maxMultiplier_->showValue(s.MaxWallMultiplier);
  sheathingAdjust_->showValue(s.SheathingAdjust);
}

// ---- close ---------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!MayClose(session_.document, *prompts_, quitChosen_)) {
    quitChosen_ = false;
    event->ignore();
    return;
  }
  closeConfirmed_ = true;
  CloseResultWindows(this);
  WindowStateStore().setValue(kWindowStateKey, isMaximized() ? kStateMaximised : 0);
  EndSession(session_);
  event->accept();
  QApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Esc abandons a pending two-click edit wherever the keyboard focus is.
  if (event->key() == Qt::Key_Escape) {
    editor_->escape();
    refreshSide();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace tvk
