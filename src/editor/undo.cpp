#include "editor/undo.h"

#include "model/building.h"

namespace tvk {

void UndoRecord::Record(const Building& building, const UndoInfo& info) {
  info_ = info;
  shape_ = building.Shape();
  rows_.rect = GridRect{1, info.rect.y1, shape_.pointsX, info.rect.y2};
  columns_.rect = GridRect{info.rect.x1, 1, info.rect.x2, shape_.pointsY};
  Copy(building, rows_);
  Copy(building, columns_);
}

void UndoRecord::Copy(const Building& building, Block& block) const {
  block.points.clear();
  const GridRect& r = block.rect;
  for (int level = 1; level <= shape_.levels; ++level) {
    for (int j = r.y1; j <= r.y2; ++j) {
      for (int i = r.x1; i <= r.x2; ++i) block.points.push_back(building.Point(i, j, level));
    }
  }
}

bool UndoRecord::CanRestore(const Building& building) const { return info_.has_value() && shape_ == building.Shape(); }

void UndoRecord::Restore(Building& building) {
  if (!CanRestore(building)) return;
  for (const Block* block : {&rows_, &columns_}) {
    const GridRect& r = block->rect;
    auto from = block->points.begin();
    for (int level = 1; level <= shape_.levels; ++level) {
      for (int j = r.y1; j <= r.y2; ++j) {
        for (int i = r.x1; i <= r.x2; ++i) building.Point(i, j, level) = *from++;
      }
    }
  }
  Clear();
}

void UndoRecord::Clear() {
  info_.reset();
  rows_.points.clear();
  columns_.points.clear();
}

}  // namespace tvk
