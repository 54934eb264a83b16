#include "editor/edit_request.h"

#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "model/grid_point.h"

namespace tvk {

Dir EditRequest::direction() const { return rect.y1 == rect.y2 ? Dir::X : Dir::Y; }

LayerSet EditLayers(const std::string& groupKey, EditMode editMode, bool deleteBothLayers, bool popupUsed,
                    LayerSet popupLayers) {
  if (popupUsed) return popupLayers;
  if (IsQuasiGroup(groupKey)) return LayerSet::Quasi;
  if (editMode != EditMode::Place && deleteBothLayers) return LayerSet::Both;
  return groupKey == kKeyMenzai ? LayerSet::Sheathing : LayerSet::Brace;
}

int WallSlope(const std::string& groupKey, int from, int to) {
  if (groupKey == kKeyTasuki) return 3;
  if (groupKey == kKeyMenzai) return 4;
  if (IsQuasiGroup(groupKey)) return 0;
  return to > from ? 1 : 2;
}

std::string GroupDeleteName(Category category, LayerSet layers) {
  switch (category) {
    case Category::Floor:
      return "床";
    case Category::Column:
      return "柱";
    case Category::Beam:
      return "梁";
    default:
      if (layers == LayerSet::Both) return "筋かい と 面材耐力壁";
      if (layers == LayerSet::Quasi) return "準耐力壁等";
      return layers == LayerSet::Sheathing ? "面材耐力壁" : "筋かい";
  }
}

}  // namespace tvk
