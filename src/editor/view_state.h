#pragma once
// What the main window shows around the canvas: category and storey buttons, the
// member-kind list and what its entries select, and the display toggles' captions.

#include <string>
#include <vector>

#include "editor/edit_choices.h"

namespace tvk {

struct StoreyButtonLabels {
  std::string storey2;
  std::string storey1;
};
StoreyButtonLabels StoreyButtons(Category category, int storeyCount);
// The other-storey walls toggle can be used with columns and beams, and only where there is
// another storey.
bool OtherStoreyToggleEnabled(Category category, int storeyCount);
// "上階耐力壁表示" on storey 1, "下階耐力壁表示" on storey 2; "…消去" while the walls are shown.
std::string OtherStoreyToggleCaption(int storey, bool shown);
std::string StoreyLabel(int storey);  // "１階" / "２階"
std::string ShowAllMenuCaption(bool on);

// One entry of the member-kind list: a group with leaves, or a leaf.
struct KindNode {
  std::string text;
  std::string key;       // list key ("Slab1", "Col2", "Kesa3"); a group's key is its group key
  std::string groupKey;  // "Kesa", "Tasuki", "Menzai", "Juntai", "Tarekoshi" for walls, else empty
  int subKind = 0;       // 0 for a group
  std::vector<KindNode> children;
};

// Entries for a category and storey; empty for beams (no list).
std::vector<KindNode> MemberKindList(Category category, int storey);
// The entry with a list key, searched through the groups; nullptr when absent.
const KindNode* FindKind(const std::vector<KindNode>& list, const std::string& key);
// List key of a wall leaf ("Kesa" + 1 -> "Kesa1").
std::string WallLeafKey(const std::string& groupKey, int subKind);
// Name of a wall kind: "筋かい(けさ掛け) 45×90", "筋かい(たすき掛け) 15×90", "面材耐力壁" or,
// for a partly sheathed wall, its kind and board ("準耐力壁 せっこうボード").
std::string WallKindName(const std::string& groupKey, int subKind);
// Whether a wall group key names a partly sheathed wall.
bool IsQuasiGroup(const std::string& groupKey);
// Name of the beams drawn on a storey: "床梁" under a second storey, else "小屋梁".
std::string BeamName(int storey, int storeyCount);
// Wall multiplier selected by a wall leaf (a partly sheathed wall's m0, 0 for the board whose
// m0 is entered); 0 for anything else.
float LeafMultiplier(const std::string& groupKey, int subKind);

// The chosen entry of one category's list.
struct KindSelection {
  int subKind = 1;
  std::string key;

  bool operator==(const KindSelection&) const = default;
};
// Initial selection of a category (its first leaf).
KindSelection InitialSelection(Category category);
// Selection of a category after its list was rebuilt for a storey.
KindSelection SelectionAfterRebuild(Category category, int storey, const KindSelection& current);

}  // namespace tvk
