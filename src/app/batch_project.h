#pragma once
// What the batch sub-commands share: reading a project file the way the open dialog does,
// and the calculation the desktop program runs before it shows results.

#include <iosfwd>
#include <string>
#include <string_view>

namespace tvk {

class Building;

// First line of the warning shown before the report when some storey-2 column's pull-out
// reaches no storey-1 column.
inline constexpr const char* kNotTransmittedWarning = "直交梁による柱引抜き力が１階に伝達されない２階柱があります。";

// The identification check (product code), then the whole file. A refused or unreadable
// file prints its message on err, prefixed with the sub-command, and gives false.
bool LoadBatchProject(const std::string& path, Building& building, std::ostream& err, std::string_view command);

// Wall lines, beam runs, the full N-value calculation and the storey eccentricity.
void RunFullCalculation(Building& building, bool noAutoPlacement);

// Whether the report command warns about pull-out that reaches no storey-1 column.
bool WarnNotTransmitted(const Building& building);

}  // namespace tvk
