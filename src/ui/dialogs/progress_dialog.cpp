#include "ui/dialogs/progress_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "model/building.h"

namespace tvk {

ProgressDialog::ProgressDialog(int steps, QWidget* parent, WindowPrompts* prompts)
    : QDialog(parent), prompts_(this, prompts), bar_(new QProgressBar(this)) {
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  // Nothing else of the program takes input while the report is composed.
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8(kProgressText), this));
  bar_->setRange(0, steps);
  bar_->setValue(0);
  bar_->setMinimumWidth(320);
  layout->addWidget(bar_);
}

void ProgressDialog::advance(int done) {
  bar_->setValue(std::min(done, bar_->maximum()));
  QCoreApplication::processEvents();
}

int ProgressDialog::value() const { return bar_->value(); }

void ProgressDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  reject();
}

// The close box and Esc come here: the answer is recorded, the window stays until the
// report is composed.
void ProgressDialog::reject() {
  if (prompts_->askYesNo(kStopComposingQuestion)) cancelled_ = true;
}

}  // namespace tvk
