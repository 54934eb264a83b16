#pragma once
// The new-data dialog: names, storeys, grid count, grid length and sub-division of a new
// building, and what its OK does to the building.

#include <array>
#include <string>

#include <QDialog>

#include "model/building_profile.h"
#include "ui/common/message_box.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tvk {

class Building;
struct DefaultSettings;
class SubdivisionPicture;

struct NewDataChoice {
  std::string buildingName;
  std::string officeName;
  std::string personName;
  int storeyOption = 1;  // 0: one storey, 1: two
  int gridsX = 10;       // 1 .. 30
  int gridsY = 10;
  double gridLengthMm = 910;  // positive
  int subdivisionOption = 1;  // auxiliary grids 0 .. 3
  BuildingProfile profile;    // 建物仕様; what a one-storey building cannot have is dropped
};

// "[" + grid length / (option + 1) as "#0.0" + "(mm)]".
std::string SubGridLengthLabel(double gridLengthMm, int option);
// The grid length typed in the box; 0 when it is not a number of 1 .. 9999 mm.
double GridLengthOf(const std::string& text);

// OK: a new, empty building with the chosen outline, profile and the defaults for new
// buildings, grid lines named. What the dialog does not set is kept from the building
// open before (the options beside the plan among it).
Building CreateNewBuilding(const Building& previous, const DefaultSettings& defaults, const NewDataChoice& choice);

class NewDataDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NewDataDialog(QWidget* parent = nullptr);

  NewDataChoice choice() const;

  // For tests and the picture of the dialog.
  QLineEdit* gridLengthEdit() const;
  QLabel* subGridLabel(int option) const { return subLabels_[static_cast<size_t>(option)]; }
  QPushButton* okButton() const { return ok_; }
  void chooseSubdivision(int option);
  // The 建物仕様 button: the profile dialog for the storeys chosen so far.
  void editProfile();

 private:
  QWidget* makeNames();
  QWidget* makeOutline();
  QWidget* makeSubdivision();
  void refreshLengths();

  QLineEdit* name_ = nullptr;
  QLineEdit* office_ = nullptr;
  QLineEdit* person_ = nullptr;
  QButtonGroup* storeys_ = nullptr;
  QComboBox* gridsX_ = nullptr;
  QComboBox* gridsY_ = nullptr;
  QComboBox* length_ = nullptr;
  QButtonGroup* subdivision_ = nullptr;
  std::array<QLabel*, 4> subLabels_{};
  SubdivisionPicture* picture_ = nullptr;
  QPushButton* ok_ = nullptr;
  BuildingProfile profile_;
  MessageBoxPrompts prompts_{this};
};

}  // namespace tvk
