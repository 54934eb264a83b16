#include "ui/dialogs/options_common.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/commands.h"
#include "editor/document.h"

namespace tvk {

std::string DefaultQuestion(const char* firstLine) {
  return std::string(firstLine) + "\n\n(変更したデフォルトは、次回新規データから有効になります。)";
}

OptionsDialog::OptionsDialog(const char* name, Document& document, DefaultSettings& defaults, UserPrompts& prompts,
                             QWidget* parent)
    : QDialog(parent),
      doc_(document),
      b_(document.building()),
      defaults_(defaults),
      prompts_(prompts),
      layout_(new QVBoxLayout(this)) {
  setWindowTitle(QString::fromStdString(std::string(name) + "   " + b_.Info.BuildingName));
}

void OptionsDialog::storeSettings(const std::function<void(CalcSettings&)>& change) {
  CalcSettings settings = b_.Settings;
  change(settings);
  doc_.apply(SettingsCommand(settings));
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

void OptionsDialog::addButtons(const char* defaultCaption) {
  const OptionButtons buttons = AddOptionButtons(this, layout_, defaultCaption);
  ok_ = buttons.ok;
  default_ = buttons.setDefault;
  connect(ok_, &QPushButton::clicked, this, [this] { ok(); });
  connect(default_, &QPushButton::clicked, this, [this] { storeDefault(); });
}

}  // namespace tvk
