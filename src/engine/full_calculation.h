#pragma once
// The calculation every view of results runs first: wall lines, beam runs, N values with
// grades and hardware, and the storey eccentricity.

#include "engine/calc_results.h"

namespace tvk {

class Building;

// First line of the warning shown before the report when some storey-2 column's pull-out
// reaches no storey-1 column.
inline constexpr const char* kNotTransmittedWarning = "直交梁による柱引抜き力が１階に伝達されない２階柱があります。";

// Into results, sized for the building afresh. The building keeps what it saves of the
// calculation (beam run codes, exterior-corner flags, required grades, and automatically
// placed hardware unless noAutoPlacement: the hardware dialog computes without it).
void RunFullCalculation(Building& building, CalcResults& results, bool noAutoPlacement);
// The same into a new value.
CalcResults RunFullCalculation(Building& building, bool noAutoPlacement);

// Whether the not-transmitted warning is due after a calculation.
bool WarnNotTransmitted(const Building& building, const CalcResults& results);

}  // namespace tvk
