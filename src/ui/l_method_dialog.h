#pragma once
// "押さえ係数設定": how L of storey-1 columns of two-storey buildings is taken.

#include <QDialog>

class QButtonGroup;

namespace tvk {

class Building;
struct DefaultSettings;
class UserPrompts;

class LMethodDialog : public QDialog {
  Q_OBJECT

 public:
  LMethodDialog(Building& building, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent = nullptr);

  QButtonGroup* methods() const { return methods_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* defaultButton() const { return default_; }

 private:
  void ok();
  void storeDefault();

  Building& b_;
  DefaultSettings& defaults_;
  UserPrompts& prompts_;
  QButtonGroup* methods_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* default_ = nullptr;
};

}  // namespace tvk
