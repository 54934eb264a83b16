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

int LineCount(const Building& building, int dir) { return dir == kDirX ? building.PointsX() : building.PointsY(); }

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
  for (const int dir : {kDirX, kDirY}) {
    QAction* action = bar->addAction(dir == kDirX ? QStringLiteral("Ｘ通り") : QStringLiteral("Ｙ通り"));
    action->setCheckable(true);
    action->setData(dir);
    action->setToolTip(dir == kDirX ? QStringLiteral("Ｘ通り軸組図") : QStringLiteral("Ｙ通り軸組図"));
    directions_->addAction(action);
  }
  connect(directions_, &QActionGroup::triggered, this, [this](QAction* a) { setDirection(a->data().toInt()); });
  bar->addSeparator();
  connect(AddPrintKey(bar), &QAction::triggered, this, &ElevationWindow::print);
  connect(AddToolKey(bar, "Close", QStringLiteral("閉じる"), QStyle::SP_DialogCloseButton), &QAction::triggered, this,
          &QWidget::close);
  SizeToScreen(this, 0.7, 0.7);
}

ElevationWindow::~ElevationWindow() = default;

void ElevationWindow::showFrame(int dir, int line) {
  dir = dir == kDirY ? kDirY : kDirX;
  frame_ = FrameRef{dir, std::clamp(line, 1, std::max(LineCount(building_, dir), 1))};
  remembered_[size_t(dir - 1)] = frame_.line;
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

void ElevationWindow::setDirection(int dir) { showFrame(dir, remembered_[size_t((dir == kDirY ? kDirY : kDirX) - 1)]); }

void ElevationWindow::print() { printPage(ElevationPrintQuestion(printerName().toStdString())); }

void ElevationWindow::redraw() {
  showDrawn([this](PageSurface& surface) { DrawElevationWindowPage(surface, building_, frame_, fonts_); });
  setWindowTitle(ElevationCaption(building_, frame_));
  updateDirectionButtons();
}

void ElevationWindow::updateDirectionButtons() {
  for (QAction* action : directions_->actions()) action->setChecked(action->data().toInt() == frame_.dir);
}

ElevationWindow* ShowElevationWindow(Document& document, const FigureFonts& fonts, int dir, int line, QWidget* owner) {
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
