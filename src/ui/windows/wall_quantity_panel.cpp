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
  setStyleSheet(ReadoutStyleSheet(objectName()));
  auto* grid = new QGridLayout(this);
  grid->setSpacing(2);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->addWidget(new QLabel(kWallQuantityTitle), 0, 0);
  grid->addWidget(new QLabel("X方向加力"), 0, 1, Qt::AlignCenter);
  grid->addWidget(new QLabel("Ｙ方向加力"), 0, 2, Qt::AlignCenter);
  for (int r = 0; r < kRows; ++r) {
    grid->addWidget(new QLabel(kWallQuantityRows[r]), r + 1, 0);
    for (const Dir d : kDirs) {
      auto* label = new QLabel;
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      label->setMinimumWidth(72);
      values_[static_cast<size_t>(r)][d] = label;
      grid->addWidget(label, r + 1, d == Dir::X ? 1 : 2);
    }
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
  }
  setToolTip(QString::fromStdString(readout.tooltip));
}

void WallQuantityPanel::clearValues() {
  for (const Dir d : kDirs) {
    for (int r = 0; r < kRows; ++r) value(r, d)->setText(" ");
    ColourReadout(value(kRatioRow, d), "white", false);
  }
  setToolTip({});
}

}  // namespace tvk
