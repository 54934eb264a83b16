#include "editor/click_prompt.h"

#include "editor/edit_request.h"
#include "editor/plan_editor.h"
#include "model/building.h"
#include "model/number_format.h"

namespace tvk {

namespace {

constexpr const char* kEscapeHint = "Escで取消しです。";

// The chosen kind of the current category as the prompt names it.
std::string ChosenMember(const Building& building, const EditorState& s) {
  const int kind = s.SelectedKind(s.InputCategory);
  switch (s.InputCategory) {
    case Category::Floor:
      return static_cast<FloorCell>(kind) == FloorCell::Void ? "吹き抜け" : "床";
    case Category::Column:
      return static_cast<ColumnKind>(kind) == ColumnKind::Through ? "通し柱" : "管柱";
    case Category::Beam:
      return BeamName(s.Storey, building.Storeys());
    default:
      if (s.SelectedGroupKey == kKeyJuntai) {
        return WallKindName(s.SelectedGroupKey, kind) + " m0 " + FormatFixed(s.SelectedMultiplier, 1) + " 高さ " +
               std::to_string(s.Quasi.fullMm);
      }
      if (s.SelectedGroupKey == kKeyTarekoshi) {
        return WallKindName(s.SelectedGroupKey, kind) + " m0 " + FormatFixed(s.SelectedMultiplier, 1) + " 垂れ壁 " +
               std::to_string(s.Quasi.topMm) + "・腰壁 " + std::to_string(s.Quasi.bottomMm);
      }
      return WallKindName(s.SelectedGroupKey, kind) + " 倍率 " + FormatFixed(s.SelectedMultiplier, 1);
  }
}

std::string PlacePrompt(const Building& building, const EditorState& s) {
  const std::string member = "「" + ChosenMember(building, s) + "」";
  if (s.InputCategory == Category::Column) return member + "を置く点をクリックしてください。右クリックで削除です。";
  if (s.ClickState == 0) return member + "の始点をクリックしてください。";
  return member + "の終点をクリックしてください。右クリックで削除、" + kEscapeHint;
}

// The members a deletion takes: "柱", "筋かい", "筋かい と 面材耐力壁", ...
std::string DeletedMembers(const EditorState& s) {
  return GroupDeleteName(s.InputCategory,
                         EditLayers(s.SelectedGroupKey, s.Mode, s.DeleteBothLayers, false, LayerSet::None));
}

std::string DeletePrompt(const EditorState& s) {
  const std::string member = DeletedMembers(s);
  if (s.InputCategory == Category::Column) return "削除する" + member + "をクリックしてください。";
  if (s.ClickState == 0) return "削除する" + member + "の始点をクリックしてください。";
  return "削除する" + member + "の終点をクリックしてください。" + kEscapeHint;
}

}  // namespace

std::string NextClickPrompt(const Building& building, const EditorState& state) {
  switch (state.Mode) {
    case EditMode::Delete:
      return DeletePrompt(state);
    case EditMode::GroupDelete: {
      const std::string range = "「" + DeletedMembers(state) + "」をグループ削除する範囲の";
      if (state.ClickState == 0) return range + "一方の角をクリックしてください。";
      return range + "対角をクリックしてください。" + kEscapeHint;
    }
    default:
      return PlacePrompt(building, state);
  }
}

}  // namespace tvk
