#include "ui/preview/elevation_window.h"

#include <QAction>
#include <QActionGroup>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "editor/document.h"
#include "model/path_parts.h"
#include "report/figures/elevation_figures.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/check_view_window.h"
#include "ui/preview/result_windows.h"

namespace tvk {

namespace {

int LineCount(const Building& building, Dir dir) { return building.LinesAcross(Other(dir)); }

// The direction a direction button stands for.
Dir DirOf(const QAction* action) { return static_cast<Dir>(action->data().toInt()); }

}  // namespace

std::string ElevationPrintQuestion(const std::string& printerName) {
  return "軸組図を印刷します。\r\r" + PrinterNameLine(QString::fromStdString(printerName));
}

QString ElevationCaption(const Building& building, const FrameRef& frame) {
  return QString::fromStdString(TrimBlanks(FrameLineName(building, frame).toStdString())) +
         QStringLiteral(" 通り 軸組図");
}

ElevationWindow::ElevationWindow(Document& document, const FigureFonts& fonts, QWidget* parent, WindowPrompts* prompts)
    : PageWindow(document, fonts, parent, prompts), directions_(new QActionGroup(this)) {
  setWindowTitle(QString::fromUtf8(kProgramTitle) + QStringLiteral("   軸組図"));
  auto* bar = addToolBar(QStringLiteral("軸組図"));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->setMovable(false);
  connect(AddToolKey(bar, "BeforFrame", QStringLiteral("前の通り"), QStyle::SP_ArrowBack), &QAction::triggered, this,
          &ElevationWindow::previousFrame);
  connect(AddToolKey(bar, "NextFrame", QStringLiteral("次の通り"), QStyle::SP_ArrowForward), &QAction::triggered, this,
          &ElevationWindow::nextFrame);
  bar->addSeparator();
  for (const Dir dir : kDirs) {
    QAction* action = bar->addAction(dir == Dir::X ? QStringLiteral("Ｘ通り") : QStringLiteral("Ｙ通り"));
    action->setCheckable(true);
    action->setData(static_cast<int>(dir));
    action->setToolTip(dir == Dir::X ? QStringLiteral("Ｘ通り軸組図") : QStringLiteral("Ｙ通り軸組図"));
    directions_->addAction(action);
  }
  connect(directions_, &QActionGroup::triggered, this, [this](QAction* a) { setDirection(DirOf(a)); });
  bar->addSeparator();
  connect(AddPrintKey(bar), &QAction::triggered, this, &ElevationWindow::print);
  connect(AddToolKey(bar, "Close", QStringLiteral("閉じる"), QStyle::SP_DialogCloseButton), &QAction::triggered, this,
          &QWidget::close);
  SizeToScreen(this, 0.7, 0.7);
}

ElevationWindow::~ElevationWindow() = default;

void ElevationWindow::showFrame(Dir dir, int line) {
  frame_ = FrameRef{dir, std::clamp(line, 1, std::max(LineCount(building_, dir), 1))};
  remembered_[dir] = frame_.line;
  redraw();
}

void ElevationWindow::previousFrame() {
  if (frame_.line <= 1) {
    prompts_->beep();
    return;
  }
  showFrame(frame_.dir, frame_.line - 1);
}

void ElevationWindow::nextFrame() {
  if (frame_.line >= LineCount(building_, frame_.dir)) {
    prompts_->beep();
    return;
  }
  showFrame(frame_.dir, frame_.line + 1);
}

void ElevationWindow::setDirection(Dir dir) { showFrame(dir, remembered_[dir]); }

void ElevationWindow::print() { printPage(ElevationPrintQuestion(printerName().toStdString())); }

void ElevationWindow::redraw() {
  showDrawn([this](PageSurface& surface) { DrawElevationWindowPage(surface, building_, frame_, fonts_); });
  setWindowTitle(ElevationCaption(building_, frame_));
  updateDirectionButtons();
}

void ElevationWindow::updateDirectionButtons() {
  for (QAction* action : directions_->actions()) action->setChecked(DirOf(action) == frame_.dir);
}

ElevationWindow* ShowElevationWindow(Document& document, const FigureFonts& fonts, Dir dir, int line, QWidget* owner) {
  const BusyCursor busy;
  CloseResultWindows<CheckViewWindow>(owner);
  document.results();
  ElevationWindow* window = OpenResultWindow<ElevationWindow>(owner);
  if (window == nullptr) {
    window = new ElevationWindow(document, fonts, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->setFigureFonts(fonts);
  window->showFrame(dir, line);
  PresentWindow(window);
  return window;
}

}  // namespace tvk
