#pragma once
// The building-outline dialog ("建物名称の変更(&N)"): the three names and the two
// report-cover options of the open building.

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace tvk {

class Document;

// The three name boxes with their character limits, shared with the new-data dialog.
struct BuildingNameEdits {
  QLineEdit* building = nullptr;
  QLineEdit* office = nullptr;
  QLineEdit* person = nullptr;
};
BuildingNameEdits AddBuildingNameEdits(QGridLayout* grid, int firstRow);

class BuildingOutlineDialog : public QDialog {
  Q_OBJECT

 public:
  BuildingOutlineDialog(Document& document, QWidget* parent = nullptr);

  const BuildingNameEdits& edits() const { return edits_; }
  QCheckBox* hideOfficeBox() const { return hideOffice_; }
  QCheckBox* hideDateBox() const { return hideDate_; }

  // OK: the texts and the two options go into the building (a change of the document).
  void accept() override;

 private:
  Document& doc_;
  BuildingNameEdits edits_;
  QCheckBox* hideOffice_ = nullptr;
  QCheckBox* hideDate_ = nullptr;
};

}  // namespace tvk
