#pragma once
// One level of undo for plan edits: a copy of the whole point table taken before the
// edit is written, with the category, edit mode and rectangle of that edit.

#include "editor/canvas_geometry.h"

namespace tvk {

class Building;
struct UndoInfo;

// Copies the point table into the undo snapshot and records what the edit is.
void RecordUndo(Building& building, int category, int editMode, const GridRect& rect);
bool CanUndo(const Building& building);
// Copies the snapshot back into the point table (calculation results stay as they are).
void RestoreUndo(Building& building);
void ClearUndo(Building& building);
GridRect UndoRect(const UndoInfo& info);

}  // namespace tvk
