#include "ui/windows/wall_quantity_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "editor/wall_quantity_readout.h"
#include "ui/windows/readout_style.h"

namespace tvk {

namespace {

constexpr int kRows = 3;
constexpr int kRatioRow = 2;

// As the eccentricity panel colours its ratio: white when met, red and bold otherwise.
void ColourState(QLabel* label, ReadoutState state) {
  const bool met = state == ReadoutState::Met;
  ColourReadout(label, met ? "white" : "red", !met);
}

}  // namespace

WallQuantityPanel::WallQuantityPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("WallQuantityPanel");
  QGridLayout* grid =
      BuildReadoutGrid(*this, {kWallQuantityRows[0], kWallQuantityRows[1], kWallQuantityRows[2]}, values_);
  grid->addWidget(new QLabel(kWallQuantityTitle), 0, 0);
  // The partly sheathed walls' share below the three rows the read-outs have in common.
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(kWallQuantityQuasiRow), row, 0);
  for (const Dir d : kDirs) {
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    quasi_[d] = label;
    grid->addWidget(label, row, d == Dir::X ? 1 : 2);
  }
  clearValues();
}

void WallQuantityPanel::showReadout(const WallQuantityReadout& readout) {
  for (const Dir d : kDirs) {
    const WallQuantityCells& cells = readout.dir[d];
    value(0, d)->setText(QString::fromStdString(cells.existing));
    value(1, d)->setText(QString::fromStdString(cells.required));
    value(kRatioRow, d)->setText(QString::fromStdString(cells.ratio));
    ColourState(value(kRatioRow, d), cells.state);
    quasi_[d]->setText(QString::fromStdString(cells.quasi));
  }
  setToolTip(QString::fromStdString(readout.tooltip));
}

void WallQuantityPanel::clearValues() {
  for (const Dir d : kDirs) {
    for (int r = 0; r < kRows; ++r) value(r, d)->setText(" ");
    quasi_[d]->setText(" ");
    ColourReadout(value(kRatioRow, d), "white", false);
  }
  setToolTip({});
}

}  // namespace tvk
