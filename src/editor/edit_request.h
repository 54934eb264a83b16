#pragma once
// One edit of the plan as the editor commits it: what the checks and the data update read.

#include <string>

#include "editor/canvas_geometry.h"
#include "editor/edit_choices.h"
#include "model/grid_types.h"

namespace tvk {

struct EditRequest {
  Category category = Category::Floor;
  EditMode editMode = EditMode::Place;
  int storey = 1;
  GridRect rect;                      // normalised, after the direction lock
  int subKind = 1;                    // SelectedKind of the category
  std::string groupKey;               // walls: "Kesa", "Tasuki", "Menzai", "Juntai", "Tarekoshi"
  float multiplier = 0;               // walls: multiplier of the chosen entry, before the sheathing adjustment
  int topMm = 0;                      // partly sheathed walls placed: QuasiSeg::TopMm
  int bottomMm = 0;                   // and QuasiSeg::BottomMm
  LayerSet layers = LayerSet::Brace;  // walls: layers written or emptied
  int slope = 0;                      // walls placed: Slope code
  bool autoLink = false;              // walls placed: "耐力壁と柱･梁配置の連動"

  // Direction of a wall or beam run: X when the rectangle is one row (so also for a
  // zero-length run), else Y.
  Dir direction() const;
};

// Layers a wall edit works on: the pop-up's choice, the partly sheathed walls' layer for
// their groups, both bearing layers for "筋かい・面材を同時に削除" in a delete mode, else the
// layer of the selected group.
LayerSet EditLayers(const std::string& groupKey, EditMode editMode, bool deleteBothLayers, bool popupUsed,
                    LayerSet popupLayers);

// Slope code of a wall drawn from index `from` to index `to` along its line.
int WallSlope(const std::string& groupKey, int from, int to);

// Member name in the group-delete question: "床", "柱", "梁", "筋かい", "面材耐力壁",
// "筋かい と 面材耐力壁", "準耐力壁等".
std::string GroupDeleteName(Category category, LayerSet layers);

}  // namespace tvk
