#pragma once
// The readable form of the calc sub-command's results: one row per column and direction,
// then the eccentricity of every storey and the 2025 checks of the building's profile.

#include <iosfwd>

namespace tvk {

class Building;
class CalcResults;

void PrintCalcTable(const Building& building, const CalcResults& results, std::ostream& out);

}  // namespace tvk
