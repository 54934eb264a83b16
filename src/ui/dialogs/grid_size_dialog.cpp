#include "ui/dialogs/grid_size_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/numeric.h"
#include "editor/user_prompts.h"
#include "model/building.h"
#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

void AddRow(QGridLayout* grid, int row, const char* label, QComboBox* box, const char* unit) {
  grid->addWidget(new QLabel(label), row, 0);
  grid->addWidget(box, row, 1);
  grid->addWidget(new QLabel(unit), row, 2);
}

}  // namespace

GridSizeDialog::GridSizeDialog(const Building& building, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), b_(building), prompts_(prompts) {
  setWindowTitle(kProgramTitle);
  const GridSizeChoice current = CurrentGridSize(building);
  gridsX_ = MakeCountCombo(current.gridsX);
  gridsY_ = MakeCountCombo(current.gridsY);
  // The listed lengths; a length read from a file that is not among them is shown too.
  length_ = new QComboBox;
  length_->setEditable(true);
  length_->setValidator(new QIntValidator(kMinGridLengthMm, kMaxGridLengthMm, length_));
  for (const int mm : kGridLengthsMm) length_->addItem(QString::number(mm));
  length_->setCurrentText(QString::number(current.pitchMm));

  auto* layout = new QVBoxLayout(this);
  auto* box = new QGroupBox("データ入力グリッドサイズの変更");
  auto* grid = new QGridLayout(box);
  AddRow(grid, 0, "Ｘ方向(桁行)の最大幅", gridsX_, "グリッド");
  AddRow(grid, 1, "Ｙ方向(梁間)の最大幅", gridsY_, "グリッド");
  AddRow(grid, 2, "グリッド長", length_, "(mm)");
  layout->addWidget(box);
  ok_ = AddOkCancel(this, layout).ok;
}

GridSizeChoice GridSizeDialog::choice() const {
  return {gridsX_->currentIndex() + 1, gridsY_->currentIndex() + 1,
          RoundHalfEven(NumericValue(length_->currentText().toStdString()))};
}

void GridSizeDialog::accept() {
  const GridSizeChoice chosen = choice();
  if (chosen.pitchMm <= 0) {
    prompts_.tell("グリッド長を入力してください。");
    return;
  }
  if (SameGridSize(b_, chosen)) {
    reject();
    return;
  }
  if (!prompts_.askOkCancelDefaultCancel(kGridSizeQuestion)) return;
  QDialog::accept();
}

}  // namespace tvk
