#pragma once
// Storey eccentricity: centres of gravity and rigidity, eccentricity ratios.

#include <string>

#include "model/grid_types.h"

namespace tvk {

class Building;
class CalcResults;
struct StoreyBalance;

// The eccentricity record of every storey into results (sized for the building first when
// they do not fit); nothing else of them changes.
void UpdateEccentricity(const Building& building, CalcResults& results);

enum class RatioColour { White, Yellow, Red };

// What the main window's eccentricity panel shows for one loading direction.
struct EccentricityText {
  std::string gravity;   // "#0.000" + "m"
  std::string rigidity;  // "#0.000" + "m"
  std::string ratio;     // " " + "#0.000", or "----" without a ratio (HasRatio)
  RatioColour colour = RatioColour::White;
  bool bold = false;
};

// Whether direction d has an eccentricity ratio: it has walls, and the storey's walls resist
// torsion. Without, the ratio is shown as "----".
bool HasRatio(const StoreyBalance& balance, Dir d);

EccentricityText FormatEccentricity(const StoreyBalance& balance, Dir d);

}  // namespace tvk
