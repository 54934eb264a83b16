#include "ui/windows/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSettings>

#include "editor/click_prompt.h"
#include "editor/main_window_texts.h"
#include "editor/session.h"
#include "editor/view_state.h"
#include "model/building.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/common/elided_label.h"
#include "ui/common/widget_helpers.h"
#include "ui/preview/result_windows.h"
#include "ui/windows/side_panel.h"

namespace tvk {

namespace {

// Where the window state of the last exit is kept (the per-user store).
constexpr const char* kWindowStateKey = "CloseWinFlag";
constexpr int kStateMaximised = 2;
constexpr double kScreenShare = 0.85;

QSettings WindowStateStore() { return QSettings("VOLN-TVK", "VOLN-TVK"); }

}  // namespace

MainWindow::MainWindow(Session& session, WindowPrompts* prompts)
    : session_(session), prompts_(this, prompts), figureFonts_(FigureFonts::FromDefaults(session.defaults)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  canvas_ = new PlanCanvas(session_.document, [this]() -> const EditorState& { return editor_->state(); });
  side_ = new SidePanel(session_.document, *canvas_, *prompts_);
  editor_ = std::make_unique<PlanEditor>(session_.document, *this, *canvas_, *side_);
  connect(canvas_, &PlanCanvas::pressed, this, [this](MouseButton button, CanvasPos at) {
    editor_->press(button, at);
    refreshEditorState();
  });
  connect(canvas_, &PlanCanvas::moved, this, [this](CanvasPos at) { editor_->move(at); });
  connect(canvas_, &PlanCanvas::escapePressed, this, [this] {
    editor_->escape();
    refreshEditorState();
  });

  buildActions();
  buildMenus();
  buildToolbar();
  buildStatusBar();
  auto* central = new QWidget;
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(2, 2, 2, 2);
  row->addWidget(side_);
  row->addWidget(canvas_, 1);
  setCentralWidget(central);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    resize(int(area.width() * kScreenShare), int(area.height() * kScreenShare));
    move(area.center() - rect().center());
  }
  applyWindowState();
  connect(side_, &SidePanel::editorStateChanged, this, &MainWindow::showEditorState);
  side_->attach(*editor_);
  session_.document.addView(*this);
  refreshRecentMenu();
  documentChanged(DocumentChange::Everything());
  editor_->redrawAll();
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

// The side panel, a view registered before the window, has already followed the change.
void MainWindow::documentChanged(const DocumentChange& change) {
  refreshCaption();
  refreshStatusBar();
  toolbarAction("Undo")->setEnabled(session_.document.canUndo());
  // The lists that name grid lines belong to the building or grid that is gone.
  if (change.scope == DocumentChange::Scope::Everything) refreshFrameMenus();
}

void MainWindow::resetView() {
  if (editor_->state().ShowAll) editor_->toggleShowAll();
  if (editor_->state().OtherStoreyWalls) editor_->toggleOtherStoreyWalls();
  refreshEditorState();
}

void MainWindow::refreshEditorState() {
  side_->refresh();
  showEditorState();
}

void MainWindow::showEditorState() {
  const EditorState& s = editor_->state();
  showAllAction_->setText(Q(ShowAllMenuCaption(s.ShowAll)));
  prompt_->setText(Q(NextClickPrompt(session_.document.building(), s)));
  refreshCaption();
}

void MainWindow::refreshCaption() { setWindowTitle(Q(WindowTitle(session_.document))); }

void MainWindow::refreshStatusBar() {
  const auto texts = StatusBarTexts(session_.document.building());
  for (size_t k = 0; k < texts.size(); ++k) statusPanels_[k]->setText(Q(texts[k]));
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
    refreshEditorState();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

}  // namespace tvk
