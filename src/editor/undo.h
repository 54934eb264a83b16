#pragma once
// One level of undo for plan edits. Before an edit is written, the points it can touch are
// copied (the grid rows and columns of its rectangle on every level: runs of wall members
// and beams through the rectangle may change along their whole lines); taking the edit back
// writes them again. Nothing is allocated before the first edit.

#include <optional>
#include <vector>

#include "editor/canvas_geometry.h"
#include "editor/edit_choices.h"
#include "model/grid_point.h"
#include "model/grid_shape.h"

namespace tvk {

class Building;

// What the recorded edit was.
struct UndoInfo {
  Category category = Category::Floor;
  EditMode editMode = EditMode::Place;
  int storey = 1;
  GridRect rect;

  bool operator==(const UndoInfo&) const = default;
};

class UndoRecord {
 public:
  // Copies the points of the rows rect.y1 .. rect.y2 and the columns rect.x1 .. rect.x2
  // (every level) in place of what was recorded before.
  void Record(const Building& building, const UndoInfo& info);
  // An edit is recorded for a point table of the building's size.
  bool CanRestore(const Building& building) const;
  // Writes the copied points back and forgets them.
  void Restore(Building& building);
  void Clear();
  // The edit recorded, if any.
  const std::optional<UndoInfo>& Info() const { return info_; }

 private:
  // The points of a block of the grid on every level, in file order.
  struct Block {
    GridRect rect;
    std::vector<GridPoint> points;
  };
  void Copy(const Building& building, Block& block) const;

  std::optional<UndoInfo> info_;
  GridShape shape_;
  Block rows_;
  Block columns_;
};

}  // namespace tvk
