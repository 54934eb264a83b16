#include "ui/dialogs/new_data_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/numeric.h"
#include "model/building.h"
#include "model/grid_resize.h"
#include "model/line_names.h"
#include "model/number_format.h"
#include "model/profile_fields.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "ui/common/widget_helpers.h"
#include "ui/dialogs/building_outline_dialog.h"
#include "ui/dialogs/profile_dialog.h"
#include "ui/dialogs/subdivision_picture.h"

namespace tvk {

std::string SubGridLengthLabel(double gridLengthMm, int option) {
  return "[" + FormatFixed(gridLengthMm / (option + 1), 1) + "(mm)]";
}

double GridLengthOf(const std::string& text) {
  const double value = NumericValue(text);
  return value >= kMinGridLengthMm && value <= kMaxGridLengthMm ? value : 0;
}

Building CreateNewBuilding(const Building& previous, const DefaultSettings& defaults, const NewDataChoice& choice) {
  Building b;
  b.Header = previous.Header;
  b.Info = previous.Info;
  b.Settings = previous.Settings;
  b.SpareBlock = previous.SpareBlock;
  b.ResetForNewBuilding(defaults);
  b.Info.BuildingName = choice.buildingName;
  b.Info.OfficeName = choice.officeName;
  b.Info.PersonName = choice.personName;
  b.Info.GridDivisions = choice.subdivisionOption + 1;
  b.Info.GridPitch = static_cast<float>(choice.gridLengthMm / 1000.0);
  b.Info.StoreyCount = choice.storeyOption + 1;
  b.Info.GridSpansX = choice.gridsX * b.Info.GridDivisions;
  b.Info.GridSpansY = choice.gridsY * b.Info.GridDivisions;
  b.DeriveGridValues();
  b.CreateModelArrays();
  // The dialog has checked the profile; one it could not store leaves none rather than the
  // previous building's.
  const BuildingProfile profile = b.Storeys() < 2 ? WithoutUpperStorey(choice.profile) : choice.profile;
  if (WriteProfile(b, profile)) WriteProfile(b, BuildingProfile{});
  GenerateLineNames(b);
  return b;
}

NewDataDialog::NewDataDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q(std::string(kProgramTitle) + "   " + kNewDataPath));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(makeNames());
  auto* middle = new QHBoxLayout;
  middle->addWidget(makeOutline());
  middle->addWidget(makeSubdivision(), 1);
  layout->addLayout(middle);
  auto* foot = new QHBoxLayout;
  foot->addWidget(new QLabel("｢建物概要｣ 、 ｢階高｣は、後で変更可能です。"), 1);
  auto* profile = new QPushButton("建物仕様(&P)...");
  connect(profile, &QPushButton::clicked, this, &NewDataDialog::editProfile);
  foot->addWidget(profile);
  layout->addLayout(foot);
  ok_ = AddOkCancel(this, layout).ok;
  refreshLengths();
}

QWidget* NewDataDialog::makeNames() {
  auto* box = new QGroupBox("建物概要");
  auto* grid = new QGridLayout(box);
  const BuildingNameEdits edits = AddBuildingNameEdits(grid, 0);
  name_ = edits.building;
  office_ = edits.office;
  person_ = edits.person;
  return box;
}

QWidget* NewDataDialog::makeOutline() {
  auto* box = new QGroupBox("グリッド");
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel("階    数"), 0, 0);
  storeys_ = new QButtonGroup(this);
  auto* storeyRow = new QHBoxLayout;
  for (int k = 0; k < 2; ++k) {
    auto* option = new QRadioButton(QString::number(k + 1));
    storeys_->addButton(option, k);
    storeyRow->addWidget(option);
  }
  storeys_->button(1)->setChecked(true);
  grid->addLayout(storeyRow, 0, 1, 1, 2);

  grid->addWidget(new QLabel("グリッド数"), 1, 0);
  gridsX_ = MakeCountCombo(10);
  gridsY_ = MakeCountCombo(10);
  grid->addWidget(new QLabel("Ｘ"), 1, 1, Qt::AlignRight);
  grid->addWidget(gridsX_, 1, 2);
  grid->addWidget(new QLabel("Ｙ"), 2, 1, Qt::AlignRight);
  grid->addWidget(gridsY_, 2, 2);

  grid->addWidget(new QLabel("グリッド長"), 3, 0);
  length_ = new QComboBox;
  length_->setEditable(true);
  for (const int mm : kGridLengthsMm) length_->addItem(QString::number(mm));
  length_->setCurrentIndex(2);
  connect(length_, &QComboBox::editTextChanged, this, &NewDataDialog::refreshLengths);
  grid->addWidget(length_, 3, 1, 1, 2);
  grid->addWidget(new QLabel("(mm)"), 3, 3);
  grid->addWidget(new QLabel("（ １ グリッド = 半間 ）"), 4, 0, 1, 4);
  grid->setRowStretch(5, 1);
  return box;
}

QWidget* NewDataDialog::makeSubdivision() {
  auto* box = new QGroupBox("補助ｸﾞﾘｯﾄﾞ数");
  box->setToolTip("１グリッドをいくつに分割するか指定します");
  auto* grid = new QGridLayout(box);
  subdivision_ = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    auto* option = new QRadioButton(QString::number(k));
    option->setToolTip("１グリッドをいくつに分割するか指定します");
    subdivision_->addButton(option, k);
    grid->addWidget(option, k, 0);
    subLabels_[static_cast<size_t>(k)] = new QLabel;
    grid->addWidget(subLabels_[static_cast<size_t>(k)], k, 1);
  }
  picture_ = new SubdivisionPicture;
  grid->addWidget(picture_, 0, 2, 5, 1);
  grid->addWidget(new QLabel("(階数および補助ｸﾞﾘｯﾄﾞ数は、後で変更できません。)"), 5, 0, 1, 3);
  connect(subdivision_, &QButtonGroup::idClicked, this, &NewDataDialog::chooseSubdivision);
  subdivision_->button(1)->setChecked(true);
  picture_->setAuxiliaryGrids(1);
  return box;
}

void NewDataDialog::chooseSubdivision(int option) {
  subdivision_->button(option)->setChecked(true);
  picture_->setAuxiliaryGrids(option);
}

void NewDataDialog::refreshLengths() {
  const double mm = GridLengthOf(length_->currentText().toStdString());
  for (int k = 0; k < 4; ++k) {
    subLabels_[static_cast<size_t>(k)]->setText(mm > 0 ? Q(SubGridLengthLabel(mm, k)) : QString());
  }
  // A length that is not a positive number (or one far beyond a house) never reaches the building.
  ok_->setEnabled(mm > 0);
}

void NewDataDialog::editProfile() {
  ProfileDialog dialog(profile_, storeys_->checkedId() + 1, prompts_, this);
  if (dialog.exec() == QDialog::Accepted) profile_ = dialog.profile();
}

QLineEdit* NewDataDialog::gridLengthEdit() const { return length_->lineEdit(); }

NewDataChoice NewDataDialog::choice() const {
  NewDataChoice c;
  c.buildingName = name_->text().toStdString();
  c.officeName = office_->text().toStdString();
  c.personName = person_->text().toStdString();
  c.storeyOption = storeys_->checkedId();
  c.gridsX = gridsX_->currentIndex() + 1;
  c.gridsY = gridsY_->currentIndex() + 1;
  c.gridLengthMm = GridLengthOf(length_->currentText().toStdString());
  c.subdivisionOption = subdivision_->checkedId();
  c.profile = profile_;
  return c;
}

}  // namespace tvk
