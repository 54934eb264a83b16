#include "ui/preview/check_view_window.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QToolBar>

#include "editor/document.h"
#include "report/figures/check_view_page.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/page_view.h"
#include "ui/preview/result_windows.h"

namespace tvk {

namespace {

constexpr ZoomMode kZooms[] = {ZoomMode::WholePage, ZoomMode::Percent120, ZoomMode::Percent150, ZoomMode::Percent200};

}  // namespace

QStringList CheckViewZoomTexts() {
  return {QStringLiteral("全体表示"), QStringLiteral("120(%)"), QStringLiteral("150(%)"), QStringLiteral("200(%)")};
}

std::string CheckViewPrintQuestion(const std::string& printerName) {
  return "２階柱Ｎ値伝達チェック図を印刷します。\r\r" + PrinterNameLine(QString::fromStdString(printerName));
}

CheckViewWindow::CheckViewWindow(Document& document, const FigureFonts& fonts, QWidget* parent, WindowPrompts* prompts)
    : PageWindow(document, fonts, parent, prompts), zoom_(new QComboBox(this)) {
  setWindowTitle(QString::fromUtf8(kProgramTitle) + QStringLiteral("   ") + QString::fromUtf8(kCheckViewTitle));
  auto* bar = addToolBar(QString::fromUtf8(kCheckViewTitle));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->addWidget(new QLabel(QStringLiteral(" 表示倍率 "), bar));
  zoom_->addItems(CheckViewZoomTexts());
  bar->addWidget(zoom_);
  bar->addSeparator();
  QAction* print = AddPrintKey(bar);
  QAction* close = AddToolKey(bar, "Close", QStringLiteral("閉じる"), QStyle::SP_DialogCloseButton);
  connect(zoom_, &QComboBox::currentIndexChanged, this, &CheckViewWindow::setZoomIndex);
  connect(print, &QAction::triggered, this, &CheckViewWindow::print);
  connect(close, &QAction::triggered, this, &QWidget::close);
  SizeToScreen(this, 0.6, 0.85);
  refresh();
}

CheckViewWindow::~CheckViewWindow() = default;

void CheckViewWindow::refresh() {
  showDrawn([this](PageSurface& surface) { DrawCheckViewPage(surface, building_, doc_.results(), fonts_); });
}

void CheckViewWindow::setZoomIndex(int index) {
  if (index < 0 || index >= int(std::size(kZooms))) return;
  if (zoom_->currentIndex() != index) zoom_->setCurrentIndex(index);
  view_->setZoom(kZooms[index]);
}

void CheckViewWindow::print() { printPage(CheckViewPrintQuestion(printerName().toStdString())); }

CheckViewWindow* OpenCheckView(Document& document, const FigureFonts& fonts, QWidget* owner) {
  const BusyCursor busy;
  document.results();
  CheckViewWindow* window = OpenResultWindow<CheckViewWindow>(owner);
  if (window == nullptr) {
    window = new CheckViewWindow(document, fonts, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
  } else {
    // The label sizes may have changed in the font size dialog since it was drawn.
    window->setFigureFonts(fonts);
    window->refresh();
  }
  PresentWindow(window);
  return window;
}

}  // namespace tvk
