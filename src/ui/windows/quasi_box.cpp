#include "ui/windows/quasi_box.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

#include "editor/view_state.h"
#include "model/quasi_walls.h"

namespace tvk {

namespace {

QSpinBox* HeightBox(int min) {
  auto* box = new QSpinBox;
  box->setRange(min, kMaxSheathedMm);
  box->setSingleStep(10);
  box->setSuffix(" mm");
  box->setAlignment(Qt::AlignRight);
  return box;
}

}  // namespace

QuasiBox::QuasiBox(QWidget* parent) : QGroupBox("準耐力壁等", parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  full_ = HeightBox(1);
  top_ = HeightBox(0);
  bottom_ = HeightBox(0);
  m0_ = new QDoubleSpinBox;
  m0_->setRange(kMinEnteredM0, kMaxEnteredM0);
  m0_->setDecimals(1);
  m0_->setSingleStep(0.1);
  m0_->setAlignment(Qt::AlignRight);
  const std::array<std::pair<const char*, QWidget*>, 4> rows = {
      {{"面材の高さ", full_}, {"垂れ壁の高さ", top_}, {"腰壁の高さ", bottom_}, {"壁倍率 m0", m0_}}};
  for (size_t k = 0; k < rows.size(); ++k) {
    rowCaptions_[k] = new QLabel(rows[k].first);
    grid->addWidget(rowCaptions_[k], static_cast<int>(k), 0);
    grid->addWidget(rows[k].second, static_cast<int>(k), 1);
  }
  h0_ = new QLabel;
  h0_->setWordWrap(true);
  grid->addWidget(h0_, static_cast<int>(rows.size()), 0, 1, 2);
  for (QSpinBox* box : {full_, top_, bottom_}) connect(box, &QSpinBox::valueChanged, this, &QuasiBox::edited);
  connect(m0_, &QDoubleSpinBox::valueChanged, this, &QuasiBox::edited);
  setVisible(false);
}

void QuasiBox::showChoice(const std::string& groupKey, int board, const QuasiChoice& choice, std::optional<int> h0) {
  setVisible(IsQuasiGroup(groupKey));
  if (!IsQuasiGroup(groupKey)) return;
  choice_ = choice;
  const bool full = groupKey == kKeyJuntai;
  const std::array<bool, 4> shown = {full, !full, !full, board == kEnteredBoard};
  const std::array<QWidget*, 4> fields = {full_, top_, bottom_, m0_};
  for (size_t k = 0; k < shown.size(); ++k) {
    rowCaptions_[k]->setVisible(shown[k]);
    fields[k]->setVisible(shown[k]);
  }
  const QSignalBlocker a(full_), b(top_), c(bottom_), d(m0_);
  full_->setValue(choice.fullMm);
  top_->setValue(choice.topMm);
  bottom_->setValue(choice.bottomMm);
  m0_->setValue(choice.enteredM0);
  h0_->setText(h0 ? QString("内法寸法 H0 %1 mm").arg(*h0) : QString("内法寸法 H0 未入力 (設定→建物仕様)"));
}

void QuasiBox::edited() {
  choice_.fullMm = full_->value();
  choice_.topMm = top_->value();
  choice_.bottomMm = bottom_->value();
  choice_.enteredM0 = static_cast<float>(std::round(m0_->value() * 10) / 10);
  emit choiceChanged(choice_);
}

}  // namespace tvk
