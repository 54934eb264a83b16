#include "editor/view_state.h"

#include <array>

#include "model/grid_point.h"
#include "model/number_format.h"
#include "model/quasi_walls.h"

namespace tvk {

StoreyButtonLabels StoreyButtons(Category category, int storeyCount) {
  switch (category) {
    case Category::Floor:
      return {"２階 床", "１階 床"};
    case Category::Wall:
      return {"２階 耐力壁", "１階 耐力壁"};
    case Category::Column:
      return {"２階 柱", "１階 柱"};
    default:
      return {"２階 小屋梁", storeyCount == 1 ? "１階 小屋梁" : "２階 床梁"};
  }
}

bool OtherStoreyToggleEnabled(Category category, int storeyCount) {
  return storeyCount == 2 && (category == Category::Column || category == Category::Beam);
}

std::string OtherStoreyToggleCaption(int storey, bool shown) {
  return std::string(storey == 1 ? "上階耐力壁" : "下階耐力壁") + (shown ? "消去" : "表示");
}

std::string StoreyLabel(int storey) { return storey == 1 ? "１階" : "２階"; }

std::string ShowAllMenuCaption(bool on) { return on ? "全部材表示 解除" : "全部材表示(&A)"; }

namespace {

constexpr std::array<const char*, 4> kBraceSizes = {"15×90", "30×90", "45×90", "90×90"};
constexpr std::array<float, 4> kKesaMultipliers = {1.0f, 1.5f, 2.0f, 3.0f};
constexpr std::array<float, 4> kTasukiMultipliers = {2.0f, 3.0f, 4.0f, 5.0f};
constexpr int kSheathingEntries = 10;
constexpr const char* kKesaName = "筋かい(けさ掛け)";
constexpr const char* kTasukiName = "筋かい(たすき掛け)";
constexpr const char* kSheathingName = "面材耐力壁";

KindNode Leaf(std::string text, std::string key, int subKind) {
  return KindNode{std::move(text), std::move(key), "", subKind, {}};
}

KindNode BraceGroup(const char* text, const char* groupKey, const std::array<float, 4>& multipliers) {
  KindNode group{text, groupKey, groupKey, 0, {}};
  for (int k = 1; k <= 4; ++k) {
    const auto idx = static_cast<size_t>(k - 1);
    KindNode leaf = Leaf(std::string(kBraceSizes[idx]) + " (" + FormatFixed(multipliers[idx], 1) + ")",
                         WallLeafKey(groupKey, k), k);
    leaf.groupKey = groupKey;
    group.children.push_back(std::move(leaf));
  }
  return group;
}

KindNode SheathingGroup() {
  KindNode group{kSheathingName, kKeyMenzai, kKeyMenzai, 0, {}};
  for (int k = 1; k <= kSheathingEntries; ++k) {
    KindNode leaf = Leaf(FormatFixed(0.5 * k, 1), WallLeafKey(kKeyMenzai, k), k);
    leaf.groupKey = kKeyMenzai;
    group.children.push_back(std::move(leaf));
  }
  return group;
}

// A group of partly sheathed walls: one leaf per board, "せっこうボード (0.9)", the last
// one's m0 entered beside the list.
KindNode QuasiGroup(QuasiKind kind) {
  const char* key = QuasiKindKey(kind);
  KindNode group{QuasiKindName(kind), key, key, 0, {}};
  int code = 0;
  for (const QuasiBoard& board : QuasiBoards()) {
    ++code;
    const std::string m0 = code == kEnteredBoard ? "倍率入力" : FormatFixed(board.m0, 1);
    KindNode leaf = Leaf(std::string(board.name) + " (" + m0 + ")", WallLeafKey(key, code), code);
    leaf.groupKey = key;
    group.children.push_back(std::move(leaf));
  }
  return group;
}

}  // namespace

std::vector<KindNode> MemberKindList(Category category, int storey) {
  switch (category) {
    case Category::Floor: {
      std::vector<KindNode> list{Leaf("床", "Slab1", static_cast<int>(FloorCell::Slab))};
      if (storey == 2) list.push_back(Leaf("吹き抜け", "Slab2", static_cast<int>(FloorCell::Void)));
      return list;
    }
    case Category::Wall:
      return {BraceGroup(kKesaName, kKeyKesa, kKesaMultipliers),
              BraceGroup(kTasukiName, kKeyTasuki, kTasukiMultipliers), SheathingGroup(), QuasiGroup(QuasiKind::Full),
              QuasiGroup(QuasiKind::Opening)};
    case Category::Column:
      return {Leaf("管柱", "Col1", static_cast<int>(ColumnKind::Storey)),
              Leaf("通し柱", "Col2", static_cast<int>(ColumnKind::Through))};
    default:
      return {};
  }
}

const KindNode* FindKind(const std::vector<KindNode>& list, const std::string& key) {
  for (const KindNode& node : list) {
    if (node.key == key) return &node;
    if (const KindNode* child = FindKind(node.children, key)) return child;
  }
  return nullptr;
}

bool IsQuasiGroup(const std::string& groupKey) { return groupKey == kKeyJuntai || groupKey == kKeyTarekoshi; }

std::string WallKindName(const std::string& groupKey, int subKind) {
  if (groupKey == kKeyMenzai) return kSheathingName;
  if (IsQuasiGroup(groupKey)) {
    const QuasiBoard* board = FindQuasiBoard(subKind);
    const char* kind = QuasiKindName(groupKey == kKeyJuntai ? QuasiKind::Full : QuasiKind::Opening);
    return board != nullptr ? std::string(kind) + " " + board->name : kind;
  }
  const std::string size = subKind >= 1 && subKind <= 4 ? kBraceSizes[size_t(subKind - 1)] : "";
  return std::string(groupKey == kKeyTasuki ? kTasukiName : kKesaName) + " " + size;
}

std::string BeamName(int storey, int storeyCount) { return storey < storeyCount ? "床梁" : "小屋梁"; }

std::string WallLeafKey(const std::string& groupKey, int subKind) { return groupKey + std::to_string(subKind); }

float LeafMultiplier(const std::string& groupKey, int subKind) {
  if (subKind < 1) return 0.0f;
  const auto idx = static_cast<size_t>(subKind - 1);
  if (groupKey == kKeyKesa && subKind <= 4) return kKesaMultipliers[idx];
  if (groupKey == kKeyTasuki && subKind <= 4) return kTasukiMultipliers[idx];
  if (groupKey == kKeyMenzai && subKind <= kSheathingEntries) return 0.5f * static_cast<float>(subKind);
  if (const QuasiBoard* board = FindQuasiBoard(subKind); board != nullptr && IsQuasiGroup(groupKey)) return board->m0;
  return 0.0f;
}

KindSelection InitialSelection(Category category) {
  switch (category) {
    case Category::Floor:
      return {1, "Slab1"};
    case Category::Wall:
      return {1, WallLeafKey(kKeyKesa, 1)};
    case Category::Column:
      return {1, "Col1"};
    default:
      return {1, ""};
  }
}

KindSelection SelectionAfterRebuild(Category category, int storey, const KindSelection& current) {
  if ((category == Category::Floor && storey == 1) || (category == Category::Column && storey == 2)) {
    return InitialSelection(category);
  }
  return current;
}

}  // namespace tvk
