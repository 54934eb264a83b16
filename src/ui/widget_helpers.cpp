#include "ui/widget_helpers.h"

#include <QComboBox>

#include "model/building.h"

namespace tvk {

QComboBox* MakeCountCombo(int count) {
  auto* combo = new QComboBox;
  for (int k = 1; k <= kMaxGrids; ++k) combo->addItem(QString::number(k));
  combo->setCurrentIndex(count - 1);
  return combo;
}

}  // namespace tvk
