#pragma once
// "直交梁による引抜き力伝達の設定": whether pull-out passed on through orthogonal beams counts,
// and whether the report warns about it.

#include <QDialog>

class QCheckBox;

namespace tvk {

class Building;
struct DefaultSettings;
class UserPrompts;

class CrossBeamDialog : public QDialog {
  Q_OBJECT

 public:
  CrossBeamDialog(Building& building, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent = nullptr);

  QCheckBox* ignoreBox() const { return ignore_; }
  QCheckBox* noWarningBox() const { return noWarning_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* defaultButton() const { return default_; }
  QPushButton* helpButton() const { return help_; }

 signals:
  void helpRequested();

 private:
  void ok();
  void storeDefault();

  Building& b_;
  DefaultSettings& defaults_;
  UserPrompts& prompts_;
  QCheckBox* ignore_ = nullptr;
  QCheckBox* noWarning_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* default_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace tvk
