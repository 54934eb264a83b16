#include "editor/edit_checks.h"

#include <array>

#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "model/building.h"
#include "model/quasi_walls.h"

namespace tvk {

namespace {

constexpr std::array<MemberLayer, 3> kWallLayers = {MemberLayer::Brace, MemberLayer::Sheathing, MemberLayer::Quasi};

// The layers an overlap check compares with the new member's run, with the first line of the
// refusal for each: its own layer, and for a bearing wall the other bearing layer (a
// partly sheathed wall may lie beside bearing walls of any extent).
struct OverlapRule {
  MemberLayer own;
  const char* ownText;
  std::optional<MemberLayer> other;
  const char* otherText;
};

OverlapRule OverlapRuleFor(const EditRequest& edit) {
  if (edit.layers == LayerSet::Quasi) {
    return {MemberLayer::Quasi, "指定した始点、終点が異なる準耐力壁等、または２部材にまたがる準耐力壁等は、",
            std::nullopt, ""};
  }
  if (edit.groupKey != kKeyMenzai) {
    return {MemberLayer::Brace, "指定した始点、終点が異なる筋かい、または２部材にまたがる筋かいは、",
            MemberLayer::Sheathing, "面材と始点、終点が異なる重複する筋かいは、"};
  }
  return {MemberLayer::Sheathing, "指定した始点、終点が異なる面材、または２部材にまたがる面材は、", MemberLayer::Brace,
          "筋かいと始点、終点が異なる重複する面材は、"};
}

bool DiffersFromRun(const WallSeg& seg, int first, int last) {
  return seg.Kind != 0 && (seg.RunStart != first || seg.RunEnd != last);
}

// Whether a member of any wall layer continues on both sides of `at` through the unit segment
// along d that leaves the point (leaving) or arrives at it.
bool HoldsInside(const Building& b, GridPos at, int level, Dir d, bool leaving) {
  const int self = at.Along(d);
  const GridPoint* p = nullptr;
  if (leaving && self <= b.Spans(d)) p = &b.Point(at, level);
  if (!leaving && self > 1) p = &b.Point(at.Step(d, -1), level);
  if (p == nullptr) return false;
  for (const MemberLayer layer : kWallLayers) {
    const WallSeg& seg = WallSlot(*p, layer, d);
    if (seg.Kind == 0) continue;
    if (leaving && (seg.RunPos == 2 || seg.RunPos == 3)) return true;
    if (!leaving && (seg.RunPos == 1 || seg.RunPos == 2)) return true;
  }
  return false;
}

// Whether a member holds the point inside along the given direction (nothing: any),
// looking at the leaving X, leaving Y, arriving X and arriving Y segments in that order.
bool CrossedAt(const Building& b, GridPos at, int level, std::optional<Dir> only) {
  for (const bool leaving : {true, false}) {
    for (const Dir d : kDirs) {
      if (only && d != *only) continue;
      if (HoldsInside(b, at, level, d, leaving)) return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::string> CheckWallOverlap(const Building& building, const EditRequest& edit) {
  const Dir d = edit.direction();
  const GridRect& r = edit.rect;
  const int first = r.First(d);
  const int last = r.Last(d) - 1;
  const bool deleting = edit.editMode != EditMode::Place;
  const OverlapRule rule = OverlapRuleFor(edit);
  for (int k = first; k <= last; ++k) {
    const GridPoint& p = building.Point(r.Low().At(d, k), edit.storey);
    if (DiffersFromRun(WallSlot(p, rule.own, d), first, last)) {
      return std::string(rule.ownText) + (deleting ? "削除できません。" : "置換できません。");
    }
    if (rule.other && DiffersFromRun(WallSlot(p, *rule.other, d), first, last)) {
      return std::string(rule.otherText) + (deleting ? "削除できません。" : "配置できません。");
    }
  }
  return std::nullopt;
}

std::optional<std::string> CheckQuasiPlacement(const EditRequest& edit) {
  if (edit.category != Category::Wall || edit.layers != LayerSet::Quasi) return std::nullopt;
  QuasiSeg seg;
  seg.Kind = edit.subKind;
  seg.KindKey = edit.groupKey;
  seg.Multiplier = edit.multiplier;
  seg.TopMm = edit.topMm;
  seg.BottomMm = edit.bottomMm;
  return CheckQuasiValues(seg);
}

std::optional<std::string> CheckCrossing(const Building& building, const EditRequest& edit) {
  if (edit.category != Category::Wall && edit.category != Category::Column) return std::nullopt;
  const GridRect& r = edit.rect;
  const int level = edit.storey;
  const Dir d = edit.direction();
  for (int j = r.y1; j <= r.y2; ++j) {
    for (int i = r.x1; i <= r.x2; ++i) {
      const GridPos at{i, j};
      if (edit.category == Category::Column) {
        if (CrossedAt(building, at, level, std::nullopt)) {
          return "筋かい・面材の中間部分に柱は、配置できません。\n\n位置： " + building.LineNameX(r.x1) + " - " +
                 building.LineNameY(r.y1);
        }
        continue;
      }
      if (CrossedAt(building, at, level, Other(d))) {
        return "筋かい・面材に直交する他の筋かい・面材は、配置できません。";
      }
      const bool between = r.First(d) < at.Along(d) && at.Along(d) < r.Last(d);
      if (between && building.Point(at, level).hasColumn()) {
        return "配置しようとする筋かい・面材の中間部分に柱があります。\n\nこの筋かい・面材は、配置できません";
      }
    }
  }
  return std::nullopt;
}

std::string GroupDeleteQuestion(const Building& building, const GridRect& rect, const std::string& name) {
  return "(" + building.LineNameX(rect.x1) + "," + building.LineNameY(rect.y1) + ") - (" + building.LineNameX(rect.x2) +
         "," + building.LineNameY(rect.y2) + ") 内の「" + name + "」をグループ削除します。";
}

std::optional<std::string> ThroughColumnHardwareMessage(const Building& building, GridPos at) {
  const bool top1 = !building.Point(at, 1).Column.TopHardware.empty();
  const bool bottom2 = !building.Point(at, 2).Column.BottomHardware.empty();
  if (!top1 && !bottom2) return std::nullopt;
  std::string where;
  if (top1 && bottom2) {
    where = "配置した通し柱の１階柱頭・２階柱脚部分に金物が配置されています。";
  } else if (top1) {
    where = "配置した通し柱の１階柱頭部分に金物が配置されています。";
  } else {
    where = "配置した通し柱の２階柱脚部分に金物が配置されています。";
  }
  return where + "\n\n必要に応じて [金物]-[配置金物] で削除してください。";
}

}  // namespace tvk
