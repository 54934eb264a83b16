#pragma once
// The look the read-outs beside the canvas share (the eccentricity and the wall quantity):
// white texts on dark blue, values coloured by their judgement.

#include <QString>

class QLabel;

namespace tvk {

// The style sheet of a read-out frame with this object name.
QString ReadoutStyleSheet(const QString& objectName);
// A value's colour ("white", "yellow", "red") and weight.
void ColourReadout(QLabel* label, const QString& colour, bool bold);

}  // namespace tvk
