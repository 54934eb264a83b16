#include "ui/dialogs/cross_beam_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/document.h"
#include "editor/user_prompts.h"
#include "model/building.h"
#include "model/default_settings.h"
#include "ui/dialogs/options_common.h"

namespace tvk {

CrossBeamDialog::CrossBeamDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts, QWidget* parent)
    : OptionsDialog("直交梁による引抜き力伝達の設定", document, defaults, prompts, parent) {
  QVBoxLayout* layout = layout_;
  layout->addWidget(new QLabel("直交する床梁による２階柱引抜き力の影響を設定してください"));
  ignore_ = new QCheckBox("直交梁により伝達される引抜き力は考慮しない");
  noWarning_ = new QCheckBox("計算書作成時の直交梁による伝達ウォーニングを表示しない");
  ignore_->setChecked(b_.Settings.IgnoreCrossBeam != 0);
  noWarning_->setChecked(b_.Settings.NoCrossBeamWarning != 0);
  // With the transmission ignored there is nothing to warn about.
  noWarning_->setEnabled(!ignore_->isChecked());
  connect(ignore_, &QCheckBox::toggled, noWarning_, [this](bool on) { noWarning_->setEnabled(!on); });
  layout->addWidget(ignore_);
  layout->addWidget(noWarning_);
  auto* note = new QLabel(
      "完全に２階柱の引抜き力を１階柱に伝達させないためには、メニューバーの[設定]－["
      "１階に柱がない時の２階柱引抜き力の処理]の「伝達させない」もチェックを付けてください。");
  note->setWordWrap(true);
  layout->addWidget(note);
  addButtons("デフォルト設定");
  auto* help = new QPushButton("ヘルプ");
  static_cast<QBoxLayout*>(layout->itemAt(layout->count() - 1)->layout())->addWidget(help);
  connect(help, &QPushButton::clicked, this, &CrossBeamDialog::helpRequested);
}

void CrossBeamDialog::ok() {
  const int ignore = ignore_->isChecked() ? 1 : 0;
  const int noWarning = noWarning_->isChecked() ? 1 : 0;
  if (ignore != b_.Settings.IgnoreCrossBeam || noWarning != b_.Settings.NoCrossBeamWarning) {
    storeSettings([&](CalcSettings& s) {
      s.IgnoreCrossBeam = ignore;
      s.NoCrossBeamWarning = noWarning;
    });
  }
  accept();
}

void CrossBeamDialog::storeDefault() {
  if (prompts_.askOkCancelDefaultCancel(DefaultQuestion("直交梁による引抜き力伝達の設定デフォルトを変更します。"))) {
    defaults_.DefIgnoreCrossBeam = ignore_->isChecked() ? 1 : 0;
    defaults_.DefNoCrossBeamWarning = noWarning_->isChecked() ? 1 : 0;
  }
}

}  // namespace tvk
