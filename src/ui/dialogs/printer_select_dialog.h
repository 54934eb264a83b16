#pragma once
// "プリンターの選択": the installed printers with the current one shown above the list;
// clicking an entry shows it as the choice, double-click or OK takes it.

#include <QDialog>
#include <QStringList>

#include "report/surface/page_ops.h"

class QLabel;
class QListWidget;

namespace tvk {

inline constexpr const char* kPrinterSelectTitle = "プリンターの選択";

class PrinterSelectDialog : public QDialog {
  Q_OBJECT

 public:
  PrinterSelectDialog(const QStringList& printers, const QString& current, QWidget* parent = nullptr);
  // The printer shown as the choice (the current one until an entry is clicked).
  QString choice() const { return choice_; }
  // As a click on entry row does.
  void chooseRow(int row);

 private:
  QLabel* choiceLabel_;
  QListWidget* list_;
  QString choice_;
};

class WindowPrompts;

// Runs the dialog over the installed printers; the printer chosen, or an empty text when
// the dialog was cancelled. With none installed it only says so (kNoPrinterMessage, below).
// prompts: nullptr says it in a message box.
QString ChoosePrinter(const QStringList& installed, const QString& current, QWidget* parent,
                      WindowPrompts* prompts = nullptr);
// ChoosePrinter over the printers of the system (QPrinterInfo).
QString RunPrinterSelectDialog(const QString& current, QWidget* parent, WindowPrompts* prompts = nullptr);

// The printer the result windows start with: the system's default printer, or the first
// installed one; empty when none is installed.
QString DefaultPrinterName();

inline constexpr const char* kNoPrinterMessage = "プリンターが見つかりません。";

// Whether printing can be asked about: with no printer installed (an empty name) it says
// kNoPrinterMessage at once instead of a print question that names no printer.
bool PrinterToAskAbout(const QString& printerName, WindowPrompts& prompts);

// "ﾌﾟﾘﾝﾀ名： " + the printer name, as the print questions end.
std::string PrinterNameLine(const QString& printerName);

// Prints pages first..last (1-based; -1: to the end) of the document on the named printer
// with the busy pointer; a failure (no printer, a printer that cannot start) is told to the
// user. True when the pages were printed.
bool PrintDocumentPages(const PageDocument& document, const QString& printerName, WindowPrompts& prompts, int first = 1,
                        int last = -1);

}  // namespace tvk
