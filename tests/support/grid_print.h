#pragma once
// How test messages and failed comparisons print directions and grid positions.

#include <ostream>

#include "model/grid_types.h"

namespace tvk {

inline std::ostream& operator<<(std::ostream& out, Dir d) { return out << (d == Dir::X ? "X" : "Y"); }

inline std::ostream& operator<<(std::ostream& out, GridPos p) { return out << "(" << p.i << ", " << p.j << ")"; }

}  // namespace tvk
