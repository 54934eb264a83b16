#pragma once
// "１階に柱がない時の２階柱の引抜き力の処理": whether the pull-out of a storey-2 column with no
// storey-1 column below is passed on to the storey-1 columns.

#include "ui/dialogs/options_common.h"

class QButtonGroup;

namespace tvk {

class MissingColumnDialog : public OptionsDialog {
  Q_OBJECT

 public:
  MissingColumnDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent = nullptr);

  QButtonGroup* options() const { return options_; }

 private:
  void ok() override;
  void storeDefault() override;
  void storeChoice();

  QButtonGroup* options_ = nullptr;
};

}  // namespace tvk
