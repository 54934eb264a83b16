#include "ui/options_common.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "model/building.h"

namespace tvk {

std::string OptionsDialogTitle(const char* name, const Building& building) {
  return std::string(name) + "   " + building.Info.BuildingName;
}

std::string DefaultQuestion(const char* firstLine) {
  return std::string(firstLine) + "\n\n(変更したデフォルトは、次回新規データから有効になります。)";
}

OptionButtons AddOptionButtons(QDialog* dialog, QBoxLayout* layout, const char* defaultCaption) {
  OptionButtons buttons{new QPushButton("OK"), new QPushButton("ｷｬﾝｾﾙ"), new QPushButton(defaultCaption)};
  buttons.ok->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(buttons.ok);
  row->addWidget(buttons.cancel);
  row->addWidget(buttons.setDefault);
  layout->addLayout(row);
  QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace tvk
