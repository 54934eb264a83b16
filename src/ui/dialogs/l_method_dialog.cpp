#include "ui/dialogs/l_method_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/document.h"
#include "editor/user_prompts.h"
#include "model/building.h"
#include "model/default_settings.h"
#include "ui/dialogs/options_common.h"

namespace tvk {

namespace {

// L of a storey-1 column with the user setting: its own L and that of the storey-2
// column standing on it.
const char* const kUserLTable =
    "<table border='1' cellspacing='0' cellpadding='4'>"
    "<tr><th>１階柱＼２階柱</th><th>なし</th><th>出隅の柱</th><th>その他の柱</th></tr>"
    "<tr><td>出隅の柱</td><td align='center'>0.6</td><td align='center'>1.0</td><td align='center'>1.2</td></tr>"
    "<tr><td>その他の柱</td><td align='center'>1.0</td><td align='center'>1.4</td><td align='center'>1.6</td></tr>"
    "</table>";

}  // namespace

LMethodDialog::LMethodDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent)
    : OptionsDialog("押さえ係数設定", document, defaults, prompts, parent) {
  QVBoxLayout* layout = layout_;
  layout->addWidget(new QLabel("２階建ての１階柱(その他の柱)の 押さえ係数Ｌ の設定方法を指定してください。"));
  methods_ = new QButtonGroup(this);
  const char* const captions[] = {"『改正建築基準法(二年目施行)の解説』 による",
                                  "2階柱の押さえ効果を考慮して下図による   (ユーザー設定)"};
  for (int k = 0; k < 2; ++k) {
    auto* option = new QRadioButton(captions[k]);
    methods_->addButton(option, k);
    layout->addWidget(option);
  }
  methods_->button(b_.Settings.LMethod == 1 ? 1 : 0)->setChecked(true);
  auto* table = new QLabel(kUserLTable);
  table->setContentsMargins(24, 4, 4, 4);
  layout->addWidget(table);
  addButtons("デフォルトに設定");
}

void LMethodDialog::ok() {
  storeSettings([this](CalcSettings& s) { s.LMethod = methods_->checkedId(); });
  accept();
}

void LMethodDialog::storeDefault() {
  if (prompts_.askOkCancelDefaultCancel(DefaultQuestion("押さえ係数Ｌの設定デフォルトを変更します。"))) {
    defaults_.DefLMethod = methods_->checkedId();
  }
}

}  // namespace tvk
