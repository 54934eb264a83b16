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

// Grid lengths in millimetres the new-data and grid size dialogs take: what the grid size
// dialog's "#0" box can show, so a building never gets a length it cannot edit.
inline constexpr int kMinGridLengthMm = 1;
inline constexpr int kMaxGridLengthMm = 9999;

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
