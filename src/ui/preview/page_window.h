#pragma once
// What the frame elevation window and the check view share: a window that shows one page
// drawn from the document's building and results, and prints it on its printer after a
// question.

#include <QMainWindow>
#include <functional>

#include "report/figures/figure_fonts.h"
#include "report/surface/page_ops.h"
#include "ui/common/message_box.h"

namespace tvk {

class Building;
class Document;
class PageSurface;
class PageView;

class PageWindow : public QMainWindow {
 public:
  ~PageWindow() override;

  const PageDocument& document() const { return document_; }
  // The printer used; the system's default printer at first.
  QString printerName() const { return printerName_; }
  void setPrinterName(const QString& name) { printerName_ = name; }
  // Label sizes of the pages drawn from now on.
  void setFigureFonts(const FigureFonts& fonts) { fonts_ = fonts; }

 protected:
  // prompts: nullptr asks with message boxes.
  PageWindow(Document& document, const FigureFonts& fonts, QWidget* parent, WindowPrompts* prompts);
  // Shows the document that draw records on a fresh surface.
  void showDrawn(const std::function<void(PageSurface&)>& draw);
  // Asks the question (OK / Cancel), then prints the page; with no printer installed it
  // says so instead.
  void printPage(const std::string& question);

  Document& doc_;
  const Building& building_;
  FigureFonts fonts_;
  PromptsRef prompts_;
  PageView* view_;

 private:
  PageDocument document_;
  QString printerName_;
};

}  // namespace tvk
