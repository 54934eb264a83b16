#pragma once
// "１階に柱がない時の２階柱の引抜き力の処理": whether the pull-out of a storey-2 column with no
// storey-1 column below is passed on to the storey-1 columns.

#include <QDialog>

class QButtonGroup;

namespace tvk {

class Building;
struct DefaultSettings;
class UserPrompts;

class MissingColumnDialog : public QDialog {
  Q_OBJECT

 public:
  MissingColumnDialog(Building& building, DefaultSettings& defaults, UserPrompts& prompts,
                      QWidget* parent = nullptr);

  QButtonGroup* options() const { return options_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* defaultButton() const { return default_; }

 private:
  void ok();
  void storeDefault();

  Building& b_;
  DefaultSettings& defaults_;
  UserPrompts& prompts_;
  QButtonGroup* options_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* default_ = nullptr;
};

}  // namespace tvk
