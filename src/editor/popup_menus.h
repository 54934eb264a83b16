#pragma once
// The pop-up menus of the plan canvas and their entries.

#include <string>
#include <vector>

#include "editor/edit_choices.h"

namespace tvk {

enum class PopupKind {
  Zoom,        // right press outside the grid
  Delete,      // "削除" / "ｷｬﾝｾﾙ" (floors, columns, beams)
  WallLayers,  // "削除" heading over "筋かい", "面材", "筋かい+面材", "準耐力壁等"; "ｷｬﾝｾﾙ"
};

enum class PopupChoice {
  Cancel,
  Delete,
  DeleteBrace,
  DeleteSheathing,
  DeleteBoth,
  DeleteQuasi,
  ZoomWhole,
  Zoom120,
  Zoom150,
  Zoom200,
};

struct PopupEntry {
  std::string text;
  PopupChoice choice = PopupChoice::Cancel;
  bool heading = false;  // a caption over the entries below it, not choosable
};

std::vector<PopupEntry> PopupEntries(PopupKind kind);
// Zoom factor of a zoom entry; 0 for any other choice.
double ZoomFactorOf(PopupChoice choice);
// Layers named by a wall layer entry; none for any other choice.
LayerSet LayersOf(PopupChoice choice);

}  // namespace tvk
