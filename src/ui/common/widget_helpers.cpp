#include "ui/common/widget_helpers.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <algorithm>

#include "model/building.h"

namespace tvk {

QComboBox* MakeCountCombo(int count) {
  auto* combo = new QComboBox;
  for (int k = 1; k <= kMaxGrids; ++k) combo->addItem(QString::number(k));
  // A project file may hold more grids than the list offers (120 spans of one division):
  // the nearest entry is shown, never an empty box that would ask for 0 grids.
  combo->setCurrentIndex(std::clamp(count, 1, kMaxGrids) - 1);
  return combo;
}

QPushButton* HandButton(const QString& caption, bool checkable) {
  auto* button = new QPushButton(caption);
  button->setCheckable(checkable);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

DialogButtons AddOkCancel(QDialog* dialog, QBoxLayout* layout, const char* okCaption) {
  DialogButtons buttons{new QDialogButtonBox, nullptr};
  buttons.ok = buttons.box->addButton(okCaption, QDialogButtonBox::AcceptRole);
  buttons.box->addButton("ｷｬﾝｾﾙ", QDialogButtonBox::RejectRole);
  QObject::connect(buttons.box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons.box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons.box);
  return buttons;
}

}  // namespace tvk
