#pragma once
// What the three calculation-option dialogs share: their title, the OK / ｷｬﾝｾﾙ / default
// button row and the default question.

#include <string>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace tvk {

class Building;

// The dialog's name, three spaces and the building name.
std::string OptionsDialogTitle(const char* name, const Building& building);
// The first line, an empty line and "(変更したデフォルトは、次回新規データから有効になります。)".
std::string DefaultQuestion(const char* firstLine);

struct OptionButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* setDefault = nullptr;
};
// Adds the button row to the layout; ｷｬﾝｾﾙ rejects the dialog, the others are the caller's.
OptionButtons AddOptionButtons(QDialog* dialog, QBoxLayout* layout, const char* defaultCaption);

}  // namespace tvk
