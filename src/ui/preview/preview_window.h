#pragma once
// The report preview (計算書プレビュー). It composes the report from the building's current
// results when it opens and shows the pages with a contents list, page navigation and
// zoom; it prints all pages or the page shown, writes the report as PDF, changes the
// printer, and opens the check view and the frame elevation window. It stands in place of
// the main window, which is hidden while it is open and shown again when it closes.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "model/grid_types.h"
#include "model/hardware_names.h"
#include "report/chapters/report_composer.h"
#include "report/figures/figure_fonts.h"
#include "ui/common/message_box.h"
#include "ui/preview/page_view.h"
#include "ui/preview/result_windows.h"  // CloseResultWindows, for the report command's callers

class QActionGroup;
class QLabel;
class QMenu;
class QTreeWidget;

namespace tvk {

class Document;

// The main window's help and version commands, for the preview's help menu. An empty one
// disables its menu entry.
struct PreviewHooks {
  std::function<void()> showHelp;
  std::function<void()> showAbout;
};

class PreviewWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Composes the report (with the progress window) from the building's current results.
  // mainWindow (may be null) is shown again when the preview closes; it also owns the check
  // view and frame elevation windows opened from here. prompts: nullptr asks with message
  // boxes. The window deletes itself when closed.
  PreviewWindow(Document& document, const HardwareNames& names, const FigureFonts& fonts, QWidget* mainWindow,
                WindowPrompts* prompts = nullptr, PreviewHooks hooks = {});
  ~PreviewWindow() override;

  const ComposedReport& report() const { return report_; }
  int page() const;
  int pageCount() const { return report_.PageCount(); }
  QString pageLabel() const;

  // "TopPage", "BeforePage", "NextPage", "LastPage": BeforePage beeps at the first page and
  // NextPage at the last, staying where they are.
  void firstPage();
  void previousPage();
  void nextPage();
  void lastPage();
  void showPage(int page);
  // A contents entry: its start page, scrolled to its heading. Entries without pages do
  // nothing.
  void showEntry(ReportEntry entry);
  void setZoom(ZoomMode zoom);
  ZoomMode zoom() const;

  // Print all / this page, each after its question, on the preview's printer (with no
  // printer installed: the message that there is none, without a question).
  void printAll();
  void printThisPage();
  // "計算書のPDF出力": save dialog, overwrite question, writing, and the question whether to
  // open the file. True when a file was written.
  bool writePdf();
  // "ﾌﾟﾘﾝﾀｰの変更": the printer selection dialog.
  void changePrinter();
  QString printerName() const { return printerName_; }
  void setPrinterName(const QString& name) { printerName_ = name; }

  // The warnings after composition (too-weak hardware, then columns beyond (る)*), each in
  // an OK box; shown once, when the window is first shown.
  void showLoadWarnings();

 protected:
  // Asks "プレビュー画面を閉じます。"; on Yes shows the main window again.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void compose(const HardwareNames& names);
  QWidget* buildSidePanel();
  void buildActions();
  QMenu* frameMenu(Dir dir);
  QWidget* resultOwner();
  void pageShown();

  Document& doc_;
  const Building& building_;
  FigureFonts fonts_;
  QPointer<QWidget> mainWindow_;
  PromptsRef prompts_;
  PreviewHooks hooks_;
  ComposedReport report_;
  PageView* view_;
  QTreeWidget* contents_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QMenu* zoomMenu_ = nullptr;
  QActionGroup* zooms_ = nullptr;
  QString printerName_;
  bool warned_ = false;
};

// The report command after the main window has stored its option values: the hourglass,
// closing owner's frame elevation window and check view, the full calculation, the Yes/No
// question when some pull-out reaches no storey-1 column (No stops here), then the preview
// opens and mainWindow is hidden. Returns the preview, or nullptr when the user said No.
PreviewWindow* OpenReportPreview(Document& document, const HardwareNames& names, const FigureFonts& fonts,
                                 QWidget* mainWindow, PreviewHooks hooks = {}, WindowPrompts* prompts = nullptr);

}  // namespace tvk
