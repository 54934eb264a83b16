#pragma once
// A change of the document: what it does to the building, what it touches (so that the
// views redraw just that) and whether it can be taken back. The document applies every
// command the same way (document.h); commands.h makes the program's commands.

#include <functional>
#include <optional>

#include "editor/canvas_geometry.h"
#include "editor/undo.h"

namespace tvk {

class Building;

// What a change touched.
struct DocumentChange {
  enum class Scope {
    Values,      // saved values the plan does not show (names, options, profile, hardware)
    Area,        // the members of a grid rectangle of one storey
    Everything,  // the plan may differ anywhere (grid, line names, another building)
  };
  Scope scope = Scope::Everything;
  int storey = 0;  // Area: the storey edited
  GridRect rect;   // Area: the grid rectangle of the edit
  // Members may leave the area: a view erases what it shows there before drawing afresh.
  bool removes = true;

  static DocumentChange Values() { return {Scope::Values, 0, {}, false}; }
  static DocumentChange Area(int storey, const GridRect& rect, bool removes = true) {
    return {Scope::Area, storey, rect, removes};
  }
  static DocumentChange Everything() { return {Scope::Everything, 0, {}, true}; }
  bool ShowsOnPlan() const { return scope != Scope::Values; }

  bool operator==(const DocumentChange&) const = default;
};

struct Command {
  DocumentChange change = DocumentChange::Everything();
  // A plan edit: the points it can touch are recorded for undo first (one level).
  std::optional<UndoInfo> undo;
  // The grid is rebuilt: the recorded plan edit no longer fits it.
  bool clearsUndo = false;
  std::function<void(Building&)> apply;
};

}  // namespace tvk
