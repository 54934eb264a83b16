#pragma once
// Writes one checked edit into the building: floors, columns, beams and bearing walls,
// with the wall auto-link and the sheathing split at columns.

#include "editor/edit_request.h"

namespace tvk {

class Building;

// Only the point table (and the cleared results of deleted columns) changes; the
// caller takes the undo snapshot and sets Modified first.
void ApplyEdit(Building& building, const EditRequest& edit);

}  // namespace tvk
