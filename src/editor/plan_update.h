#pragma once
// Writes one checked edit into the building: floors, columns, beams and bearing walls,
// with the wall auto-link and the sheathing split at columns.

#include "editor/edit_request.h"

namespace tvk {

class Building;

// Only the point table changes (PlanEditCommand applies it through the document).
void ApplyEdit(Building& building, const EditRequest& edit);

}  // namespace tvk
