#pragma once
// The readable form of the 2025 checks for the calc sub-command: wall quantity, quarters
// and column size, each a small table.

#include <iosfwd>

namespace tvk {

class Building;
struct ProfileChecks;

void PrintChecksTable(const Building& building, const ProfileChecks& checks, std::ostream& out);

}  // namespace tvk
