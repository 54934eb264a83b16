#include "ui/windows/eccentricity_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "engine/eccentricity.h"
#include "engine/storey_balance.h"
#include "ui/windows/readout_style.h"

namespace tvk {

namespace {

constexpr int kRatioRow = 2;

QString ColourName(RatioColour colour) {
  switch (colour) {
    case RatioColour::Yellow:
      return "yellow";
    case RatioColour::Red:
      return "red";
    default:
      return "white";
  }
}

}  // namespace

EccentricityPanel::EccentricityPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("EccentricityPanel");
  setStyleSheet(ReadoutStyleSheet(objectName()));
  auto* grid = new QGridLayout(this);
  grid->setSpacing(2);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->addWidget(new QLabel("X方向加力"), 0, 1, Qt::AlignCenter);
  grid->addWidget(new QLabel("Ｙ方向加力"), 0, 2, Qt::AlignCenter);
  const char* const rows[] = {"重心(◎)", "剛心(×)", "偏 心 率"};
  for (int r = 0; r < 3; ++r) {
    grid->addWidget(new QLabel(rows[r]), r + 1, 0);
    for (const Dir d : kDirs) {
      auto* label = new QLabel;
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      label->setMinimumWidth(72);
      values_[static_cast<size_t>(r)][d] = label;
      grid->addWidget(label, r + 1, d == Dir::X ? 1 : 2);
    }
  }
  help_ = new QPushButton("ﾍﾙﾌﾟ");
  help_->setCursor(Qt::PointingHandCursor);
  grid->addWidget(help_, 0, 0);
  connect(help_, &QPushButton::clicked, this, &EccentricityPanel::helpRequested);
  clearValues();
}

void EccentricityPanel::showBalance(const StoreyBalance& balance) {
  for (const Dir d : kDirs) {
    const EccentricityText text = FormatEccentricity(balance, d);
    value(0, d)->setText(QString::fromStdString(text.gravity));
    value(1, d)->setText(QString::fromStdString(text.rigidity));
    value(kRatioRow, d)->setText(QString::fromStdString(text.ratio));
    ColourReadout(value(kRatioRow, d), ColourName(text.colour), text.bold);
  }
}

void EccentricityPanel::clearValues() {
  for (const Dir d : kDirs) {
    value(0, d)->setText("m");
    value(1, d)->setText("m");
    value(kRatioRow, d)->setText(" ");
    ColourReadout(value(kRatioRow, d), "white", false);
  }
}

}  // namespace tvk
