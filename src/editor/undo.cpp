#include "editor/undo.h"

#include "model/building.h"

namespace tvk {

void RecordUndo(Building& building, int category, int editMode, const GridRect& rect) {
  building.UndoSnapshot() = building.Points();
  building.Undo = UndoInfo{category, editMode, rect.x1, rect.y1, rect.x2, rect.y2};
}

bool CanUndo(const Building& building) {
  return building.Undo.category != 0 && building.UndoSnapshot().size() == building.Points().size();
}

void RestoreUndo(Building& building) {
  if (CanUndo(building)) building.Points() = building.UndoSnapshot();
}

void ClearUndo(Building& building) { building.Undo = UndoInfo{}; }

GridRect UndoRect(const UndoInfo& info) { return GridRect{info.x1, info.y1, info.x2, info.y2}; }

}  // namespace tvk
