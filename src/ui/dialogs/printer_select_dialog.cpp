#include "ui/dialogs/printer_select_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "report/surface/page_replay.h"
#include "ui/common/message_box.h"

namespace tvk {

PrinterSelectDialog::PrinterSelectDialog(const QStringList& printers, const QString& current, QWidget* parent)
    : QDialog(parent), choiceLabel_(new QLabel(this)), list_(new QListWidget(this)), choice_(current) {
  setWindowTitle(QString::fromUtf8(kPrinterSelectTitle));
  auto* layout = new QVBoxLayout(this);
  choiceLabel_->setFrameShape(QFrame::StyledPanel);
  choiceLabel_->setText(current);
  layout->addWidget(choiceLabel_);
  list_->addItems(printers);
  list_->setCurrentRow(int(printers.indexOf(current)));  // the current printer stands out
  list_->setMinimumWidth(320);
  layout->addWidget(list_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("O K"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chooseRow(list_->row(item)); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    chooseRow(list_->row(item));
    accept();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PrinterSelectDialog::chooseRow(int row) {
  if (row < 0 || row >= list_->count()) return;
  choice_ = list_->item(row)->text();
  choiceLabel_->setText(choice_);
}

QString ChoosePrinter(const QStringList& installed, const QString& current, QWidget* parent, WindowPrompts* prompts) {
  if (installed.isEmpty()) {
    PromptsRef(parent, prompts)->tell(kNoPrinterMessage);
    return {};
  }
  PrinterSelectDialog dialog(installed, current, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.choice();
}

QString RunPrinterSelectDialog(const QString& current, QWidget* parent, WindowPrompts* prompts) {
  return ChoosePrinter(QPrinterInfo::availablePrinterNames(), current, parent, prompts);
}

QString DefaultPrinterName() {
  const QString name = QPrinterInfo::defaultPrinterName();
  if (!name.isEmpty()) return name;
  const QStringList all = QPrinterInfo::availablePrinterNames();
  return all.isEmpty() ? QString() : all.first();
}

bool PrinterToAskAbout(const QString& printerName, WindowPrompts& prompts) {
  if (!printerName.isEmpty()) return true;
  prompts.tell(kNoPrinterMessage);
  return false;
}

std::string PrinterNameLine(const QString& printerName) { return "ﾌﾟﾘﾝﾀ名： " + printerName.toStdString(); }

bool PrintDocumentPages(const PageDocument& document, const QString& printerName, WindowPrompts& prompts, int first,
                        int last) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
  if (printerName.isEmpty() || info.isNull()) {
    prompts.tell(kNoPrinterMessage);
    return false;
  }
  QString failure;
  {
    const BusyCursor busy;
    QPrinter printer(info, QPrinter::HighResolution);
    failure = PrintPages(document, printer, first, last);
  }
  if (failure.isEmpty()) return true;
  prompts.tell(failure.toStdString());
  return false;
}

}  // namespace tvk
