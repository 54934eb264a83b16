#pragma once
// Small pieces the dialogs share.

#include <QString>
#include <string>

class QComboBox;

namespace tvk {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

// A drop-down list of grid counts 1 .. 30 ("#0") preset to `count`.
QComboBox* MakeCountCombo(int count);

}  // namespace tvk
