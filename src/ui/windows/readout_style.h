#pragma once
// The look the read-outs beside the canvas share (the eccentricity and the wall quantity):
// white texts on dark blue, values coloured by their judgement.

#include <QString>
#include <array>

#include "model/grid_types.h"

class QFrame;
class QGridLayout;
class QLabel;

namespace tvk {

// The style sheet of a read-out frame with this object name.
QString ReadoutStyleSheet(const QString& objectName);
// A value's colour ("white", "yellow", "red") and weight.
void ColourReadout(QLabel* label, const QString& colour, bool bold);

// The value labels of a read-out: three rows of one value per direction.
using ReadoutValues = std::array<PerDir<QLabel*>, 3>;

// Styles the frame (its object name set) and lays out the direction headings and the three
// named rows of values; the first cell of the heading row is left to the panel.
QGridLayout* BuildReadoutGrid(QFrame& frame, const std::array<const char*, 3>& rows, ReadoutValues& values);

}  // namespace tvk
