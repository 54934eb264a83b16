#pragma once
// The calculation every view of results runs first: wall lines, beam runs, N values with
// grades and hardware, and the storey eccentricity.

namespace tvk {

class Building;

// First line of the warning shown before the report when some storey-2 column's pull-out
// reaches no storey-1 column.
inline constexpr const char* kNotTransmittedWarning = "直交梁による柱引抜き力が１階に伝達されない２階柱があります。";

// noAutoPlacement = true computes grades without filling hardware (the hardware dialog).
void RunFullCalculation(Building& building, bool noAutoPlacement);

// Whether the not-transmitted warning is due after a calculation.
bool WarnNotTransmitted(const Building& building);

}  // namespace tvk
