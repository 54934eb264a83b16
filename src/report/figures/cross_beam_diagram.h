#pragma once
// The explanatory picture of report section (3): storey-2 columns ① and ② on a small beam
// whose ends rest on orthogonal storey-2 floor beams carried by storey-1 columns.

#include <QImage>

namespace tvk {

// Drawn once per call at 300 dpi; its natural size (dots per metre set) is about 12.5 x 5 cm.
QImage CrossBeamDiagram();

}  // namespace tvk
