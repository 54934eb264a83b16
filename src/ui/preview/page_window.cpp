#include "ui/preview/page_window.h"

#include "editor/document.h"
#include "report/surface/page_surface.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/page_view.h"

namespace tvk {

PageWindow::PageWindow(Document& document, const FigureFonts& fonts, QWidget* parent, WindowPrompts* prompts)
    : QMainWindow(parent, Qt::Window),
      doc_(document),
      building_(document.building()),
      fonts_(fonts),
      prompts_(this, prompts),
      view_(new PageView(this)),
      printerName_(DefaultPrinterName()) {
  setCentralWidget(view_);
}

PageWindow::~PageWindow() = default;

void PageWindow::showDrawn(const std::function<void(PageSurface&)>& draw) {
  PageSurface surface;
  draw(surface);
  document_ = surface.TakeDocument();
  view_->setDocument(&document_);
}

void PageWindow::printPage(const std::string& question) {
  if (!PrinterToAskAbout(printerName_, *prompts_) || !prompts_->askOkCancel(question)) return;
  PrintDocumentPages(document_, printerName_, *prompts_);
}

}  // namespace tvk
