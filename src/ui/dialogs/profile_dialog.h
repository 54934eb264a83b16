#pragma once
// The building profile dialog (建物仕様): heights and roof form, finishes and loads, seismic
// and wind settings, columns. Every field shows its unit; an empty field is "not given".
// OK checks every field through the profile's own rules and names the first one that is
// out of range.

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "model/building_profile.h"
#include "model/profile_fields.h"

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace tvk {

class UserPrompts;

class ProfileDialog : public QDialog {
  Q_OBJECT

 public:
  ProfileDialog(const BuildingProfile& profile, int storeys, UserPrompts& prompts, QWidget* parent = nullptr);

  // The profile as accepted (the one given until OK succeeds).
  const BuildingProfile& profile() const { return profile_; }

  // The field's named-choice list (nullptr for a plain number) and its number box (nullptr
  // for a choice without a number).
  QComboBox* choiceBox(ProfileField field) const { return at(field).choice; }
  QLineEdit* numberEdit(ProfileField field) const { return at(field).number; }

  void accept() override;

 private:
  struct FieldWidgets {
    QComboBox* choice = nullptr;
    QLineEdit* number = nullptr;
  };

  const FieldWidgets& at(ProfileField field) const { return widgets_[static_cast<size_t>(field)]; }
  QWidget* makeGroup(const char* title, std::initializer_list<ProfileField> fields);
  void addRow(QGridLayout* grid, int row, const ProfileFieldInfo& info);
  void showField(ProfileField field);
  // The field's value as text (ProfileText's form), or nullopt after telling the user why
  // there is none.
  std::optional<std::string> fieldText(ProfileField field);
  void refuse(ProfileField field, const std::string& message);

  BuildingProfile profile_;
  int storeys_;
  UserPrompts& prompts_;
  std::array<FieldWidgets, kProfileFieldCount> widgets_{};
};

}  // namespace tvk
