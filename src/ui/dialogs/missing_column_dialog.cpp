#include "ui/dialogs/missing_column_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/document.h"
#include "editor/user_prompts.h"
#include "model/building.h"
#include "model/default_settings.h"
#include "ui/dialogs/options_common.h"

namespace tvk {

namespace {

// A storey-2 column (③) on a floor beam between two storey-1 columns (①, ②).
class TransmissionPicture : public QWidget {
 public:
  TransmissionPicture() { setMinimumSize(240, 150); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int left = 30, right = width() - 30, beam = height() / 2, mid = (left + right) / 2;
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    p.drawLine(left - 10, beam, right + 10, beam);  // the floor beam
    p.drawLine(left, beam, left, height() - 20);    // ①
    p.drawLine(right, beam, right, height() - 20);  // ②
    p.setPen(QPen(Qt::red, 3));
    p.drawLine(mid, 20, mid, beam);  // ③
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(left + 6, height() - 24, "①");
    p.drawText(right - 20, height() - 24, "②");
    p.drawText(mid + 8, 34, "③ ２階柱");
    p.drawText(left + 6, beam - 6, "床梁");
    p.drawText(left - 10, height() - 4, "１階柱");
  }
};

}  // namespace

MissingColumnDialog::MissingColumnDialog(Document& document, DefaultSettings& defaults, UserPrompts& prompts,
                                         QWidget* parent)
    : OptionsDialog("１階に柱がない時の２階柱の引抜き力の処理", document, defaults, prompts, parent) {
  QVBoxLayout* layout = layout_;
  layout->addWidget(new QLabel("２階柱(③)の引抜き力を1階柱(①,②)に伝達させるか設定します。"));
  auto* row = new QHBoxLayout;
  auto* choices = new QVBoxLayout;
  options_ = new QButtonGroup(this);
  const char* const captions[] = {"伝達させる", "伝達させない"};
  for (int k = 0; k < 2; ++k) {
    auto* option = new QRadioButton(captions[k]);
    options_->addButton(option, k);
    choices->addWidget(option);
  }
  choices->addStretch(1);
  options_->button(b_.Settings.NoTransmitMissingColumn == 1 ? 1 : 0)->setChecked(true);
  row->addLayout(choices);
  row->addWidget(new TransmissionPicture, 1);
  layout->addLayout(row);
  auto* note = new QLabel(
      "完全に２階柱の引抜き力を１階柱に伝達させないためには、メニューバーの[設定]－[直交梁の影響]"
      "の「考慮しない」もチェックを付けてください。");
  note->setWordWrap(true);
  layout->addWidget(note);
  addButtons("デフォルト設定");
}

void MissingColumnDialog::ok() {
  storeChoice();
  accept();
}

void MissingColumnDialog::storeChoice() {
  storeSettings([this](CalcSettings& s) { s.NoTransmitMissingColumn = options_->checkedId(); });
}

void MissingColumnDialog::storeDefault() {
  // The project takes the choice at once, whatever the answer about the default.
  storeChoice();
  if (prompts_.askOkCancelDefaultCancel(
          DefaultQuestion("１階に柱がない時の２階柱引抜き力の処理の設定デフォルトを変更します。"))) {
    defaults_.DefNoTransmitMissingColumn = options_->checkedId();
    return;
  }
  reject();
}

}  // namespace tvk
