#include "editor/edit_request.h"

#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "model/grid_point.h"

namespace tvk {

int EditRequest::direction() const { return rect.y1 == rect.y2 ? kDirX : kDirY; }

int WallLayers(const std::string& groupKey, int editMode, bool deleteBothLayers, bool popupUsed, int popupLayers) {
  if (popupUsed) return popupLayers;
  if (editMode != kModePlace && deleteBothLayers) return kLayerBoth;
  return groupKey == kKeyMenzai ? kLayerSheathing : kLayerBrace;
}

int WallSlope(const std::string& groupKey, int from, int to) {
  if (groupKey == kKeyTasuki) return 3;
  if (groupKey == kKeyMenzai) return 4;
  return to > from ? 1 : 2;
}

std::string GroupDeleteName(int category, int layers) {
  switch (category) {
    case kCatFloor:
      return "床";
    case kCatColumn:
      return "柱";
    case kCatBeam:
      return "梁";
    default:
      if (layers == kLayerBoth) return "筋かい と 面材耐力壁";
      return layers == kLayerSheathing ? "面材耐力壁" : "筋かい";
  }
}

}  // namespace tvk
