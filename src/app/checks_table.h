#pragma once
// The readable form of the 2025 checks for the calc sub-command: wall quantity, quarters
// and column size, each a small table.

#include <iosfwd>
#include <string>

namespace tvk {

class Building;
class MissingFields;
struct ProfileChecks;

// The labels of missing profile fields, ", " between.
std::string MissingText(const MissingFields& missing);

void PrintChecksTable(const Building& building, const ProfileChecks& checks, std::ostream& out);

}  // namespace tvk
