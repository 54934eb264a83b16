#include "ui/dialogs/building_outline_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/commands.h"
#include "editor/document.h"
#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

QLineEdit* AddNameRow(QGridLayout* grid, int row, const char* label, int limit, const char* tip) {
  grid->addWidget(new QLabel(label), row, 0);
  auto* edit = new QLineEdit;
  edit->setMaxLength(limit);
  edit->setToolTip(tip);
  edit->setMinimumWidth(limit > 16 ? 420 : 200);
  grid->addWidget(edit, row, 1, Qt::AlignLeft);
  return edit;
}

}  // namespace

BuildingNameEdits AddBuildingNameEdits(QGridLayout* grid, int firstRow) {
  const char* const shortTip = "最大文字数は、１６文字です";
  return {AddNameRow(grid, firstRow, "建物名称", 50, "最大文字数は、５０文字です"),
          AddNameRow(grid, firstRow + 1, "事務所名", 16, shortTip),
          AddNameRow(grid, firstRow + 2, "担当者名", 16, shortTip)};
}

BuildingOutlineDialog::BuildingOutlineDialog(Document& document, QWidget* parent) : QDialog(parent), doc_(document) {
  const BuildingInfo& info = document.building().Info;
  setWindowTitle(kProgramTitle);
  auto* layout = new QVBoxLayout(this);
  auto* box = new QGroupBox("建物概要");
  auto* grid = new QGridLayout(box);
  edits_ = AddBuildingNameEdits(grid, 0);
  edits_.building->setText(Q(info.BuildingName));
  edits_.office->setText(Q(info.OfficeName));
  edits_.person->setText(Q(info.PersonName));
  hideOffice_ = new QCheckBox("表紙に事務所名・担当者名を表示しない");
  hideOffice_->setChecked(info.HideOfficeOnCover != 0);
  hideDate_ = new QCheckBox("表紙に日付を表示しない");
  hideDate_->setChecked(info.HideDateOnCover != 0);
  grid->addWidget(hideOffice_, 3, 1);
  grid->addWidget(hideDate_, 4, 1);
  layout->addWidget(box);
  AddOkCancel(this, layout);
}

void BuildingOutlineDialog::accept() {
  doc_.apply(OutlineCommand({edits_.building->text().toStdString(), edits_.office->text().toStdString(),
                             edits_.person->text().toStdString(), hideOffice_->isChecked(), hideDate_->isChecked()}));
  QDialog::accept();
}

}  // namespace tvk
