#pragma once
// The JSON form of the 2025 checks: the "wall_quantity", "quarters" and "column_size" members
// of the calc sub-command's object.

#include <iosfwd>

namespace tvk {

struct ProfileChecks;

// Writes the three members, each line indented as a member of the top-level object, with a
// comma after each but the last.
void WriteChecksJson(const ProfileChecks& checks, std::ostream& out);

}  // namespace tvk
