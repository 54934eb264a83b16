#pragma once
// "押さえ係数設定": how L of storey-1 columns of two-storey buildings is taken.

#include "ui/dialogs/options_common.h"

class QButtonGroup;

namespace tvk {

class LMethodDialog : public OptionsDialog {
  Q_OBJECT

 public:
  LMethodDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent = nullptr);

  QButtonGroup* methods() const { return methods_; }

 private:
  void ok() override;
  void storeDefault() override;

  QButtonGroup* methods_ = nullptr;
};

}  // namespace tvk
