#include "ui/check_view_window.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QToolBar>

#include "engine/full_calculation.h"
#include "model/building.h"
#include "report/check_view_page.h"
#include "report/page_surface.h"
#include "ui/page_view.h"
#include "ui/printer_select_dialog.h"
#include "ui/result_windows.h"

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

CheckViewWindow::CheckViewWindow(Building& building, const FigureFonts& fonts, QWidget* parent,
                                 WindowPrompts* prompts)
    : QMainWindow(parent, Qt::Window),
      building_(building),
      fonts_(fonts),
      prompts_(this, prompts),
      view_(new PageView(this)),
      zoom_(new QComboBox(this)),
      printerName_(DefaultPrinterName()) {
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
  setCentralWidget(view_);
  SizeToScreen(this, 0.6, 0.85);
  refresh();
}

CheckViewWindow::~CheckViewWindow() = default;

void CheckViewWindow::refresh() {
  PageSurface surface;
  DrawCheckViewPage(surface, building_, fonts_);
  document_ = surface.TakeDocument();
  view_->setDocument(&document_);
}

void CheckViewWindow::setZoomIndex(int index) {
  if (index < 0 || index >= int(std::size(kZooms))) return;
  if (zoom_->currentIndex() != index) zoom_->setCurrentIndex(index);
  view_->setZoom(kZooms[index]);
}

void CheckViewWindow::print() {
  if (!prompts_->askOkCancel(CheckViewPrintQuestion(printerName_.toStdString()))) return;
  PrintDocumentPages(document_, printerName_, *prompts_);
}

CheckViewWindow* OpenCheckView(Building& building, const FigureFonts& fonts, QWidget* owner) {
  const BusyCursor busy;
  RunFullCalculation(building, false);
  CheckViewWindow* window = OpenResultWindow<CheckViewWindow>(owner);
  if (window == nullptr) {
    window = new CheckViewWindow(building, fonts, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
  } else {
    window->refresh();
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace tvk
