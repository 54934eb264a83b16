#include "ui/windows/readout_style.h"

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

}  // namespace tvk
