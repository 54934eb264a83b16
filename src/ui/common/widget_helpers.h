#pragma once
// Small pieces the dialogs share.

#include <QString>
#include <string>

class QBoxLayout;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace tvk {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

// A drop-down list of grid counts 1 .. 30 ("#0") preset to `count` (kept within the list).
QComboBox* MakeCountCombo(int count);

// A button showing the hand pointer, as every button beside the plan and in the data
// selection dialog does.
QPushButton* HandButton(const QString& caption, bool checkable = false);

// The OK and "ｷｬﾝｾﾙ" buttons at the foot of a dialog, accepting and rejecting it.
struct DialogButtons {
  QDialogButtonBox* box = nullptr;
  QPushButton* ok = nullptr;
};
DialogButtons AddOkCancel(QDialog* dialog, QBoxLayout* layout, const char* okCaption = "OK");

}  // namespace tvk
