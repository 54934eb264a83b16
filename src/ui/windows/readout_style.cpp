#include "ui/windows/readout_style.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace tvk {

QString ReadoutStyleSheet(const QString& objectName) {
  return QString(
             "#%1 { background: #10203a; border: 1px solid #506080; }"
             "#%1 QLabel { color: white; padding: 1px 4px; }")
      .arg(objectName);
}

void ColourReadout(QLabel* label, const QString& colour, bool bold) {
  const QString style = QString("color: %1; font-weight: %2;").arg(colour, bold ? "bold" : "normal");
  // A new style sheet polishes the label afresh, which costs more than the edit it follows.
  if (label->styleSheet() != style) label->setStyleSheet(style);
}

QGridLayout* BuildReadoutGrid(QFrame& frame, const std::array<const char*, 3>& rows, ReadoutValues& values) {
  frame.setStyleSheet(ReadoutStyleSheet(frame.objectName()));
  auto* grid = new QGridLayout(&frame);
  grid->setSpacing(2);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->addWidget(new QLabel("X方向加力"), 0, 1, Qt::AlignCenter);
  grid->addWidget(new QLabel("Ｙ方向加力"), 0, 2, Qt::AlignCenter);
  for (size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    grid->addWidget(new QLabel(rows[r]), row, 0);
    for (const Dir d : kDirs) {
      auto* label = new QLabel;
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      label->setMinimumWidth(72);
      values[r][d] = label;
      grid->addWidget(label, row, d == Dir::X ? 1 : 2);
    }
  }
  return grid;
}

}  // namespace tvk
