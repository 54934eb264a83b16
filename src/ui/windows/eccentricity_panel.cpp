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
  QGridLayout* grid = BuildReadoutGrid(*this, {"重心(◎)", "剛心(×)", "偏 心 率"}, values_);
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
