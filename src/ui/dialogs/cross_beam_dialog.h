#pragma once
// "直交梁による引抜き力伝達の設定": whether pull-out passed on through orthogonal beams counts,
// and whether the report warns about it.

#include "ui/dialogs/options_common.h"

class QCheckBox;

namespace tvk {

class CrossBeamDialog : public OptionsDialog {
  Q_OBJECT

 public:
  CrossBeamDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent = nullptr);

  QCheckBox* ignoreBox() const { return ignore_; }
  QCheckBox* noWarningBox() const { return noWarning_; }

 signals:
  void helpRequested();

 private:
  void ok() override;
  void storeDefault() override;

  QCheckBox* ignore_ = nullptr;
  QCheckBox* noWarning_ = nullptr;
};

}  // namespace tvk
