#include "engine/quasi_walls.h"

#include <algorithm>
#include <cmath>

#include "engine/member_codes.h"
#include "engine/storey_plan.h"
#include "engine/wall_length.h"
#include "model/building.h"
#include "model/building_profile.h"

namespace tvk {

namespace {

// Widths come from single-precision grid lengths: 0.9 m is 899.99998 mm.
constexpr double kWidthToleranceMm = 0.01;

// The 準耐力壁 segments of one storey that count, for the side rule of 垂れ壁・腰壁.
class FullSegments {
 public:
  explicit FullSegments(const Building& b)
      : nx_(b.PointsX()), marks_(static_cast<size_t>(b.PointsX() * b.PointsY()) * 2) {}
  void Mark(const QuasiWall& w) {
    for (int k = w.first; k <= w.last; ++k) marks_[Slot(w.d, GridPos::OnLine(w.d, w.line, k))] = 1;
  }
  bool Marked(Dir d, GridPos p) const { return marks_[Slot(d, p)] != 0; }

 private:
  size_t Slot(Dir d, GridPos p) const {
    return (static_cast<size_t>(p.i - 1) + static_cast<size_t>(nx_) * static_cast<size_t>(p.j - 1)) * 2 +
           static_cast<size_t>(d);
  }
  int nx_;
  std::vector<uint8_t> marks_;
};

QuasiWall WallOf(const QuasiMember& member, double cellSideMm, const std::optional<int>& h0) {
  const QuasiSeg& seg = *member.seg;
  QuasiWall w;
  w.storey = member.storey;
  w.d = member.d;
  w.line = member.line;
  w.first = member.first;
  w.last = member.last;
  w.kind = QuasiKindOf(seg).value_or(QuasiKind::Full);
  w.board = seg.Kind;
  // Every m0 is kept at 0.1: the single-precision value read as the decimal it stands for.
  w.m0 = std::round(static_cast<double>(seg.Multiplier) * 10.0) / 10.0;
  const QuasiBoard* board = FindQuasiBoard(seg.Kind);
  w.lath = board != nullptr && board->lath;
  w.topMm = seg.TopMm;
  w.bottomMm = w.kind == QuasiKind::Opening ? seg.BottomMm : 0;
  w.hsMm = w.topMm + w.bottomMm;
  w.widthMm = member.Segments() * cellSideMm;
  w.h0Mm = h0;
  if (h0 && *h0 > 0) w.m = w.m0 * (w.lath ? 1.0 : kQuasiBoardFactor) * w.hsMm / *h0;
  return w;
}

// The first rule of its own a wall breaks, the sides of a 垂れ壁・腰壁 left aside.
QuasiFault OwnFault(const QuasiWall& w) {
  if (!w.m) return QuasiFault::NoClearHeight;
  const int h0 = *w.h0Mm;
  if (w.kind == QuasiKind::Full) {
    if (w.widthMm + kWidthToleranceMm < kMinFullWidthMm) return QuasiFault::Narrow;
    if (10 * w.hsMm < 8 * h0) return QuasiFault::Low;
    if (w.hsMm > h0) return QuasiFault::OverClear;
    return QuasiFault::None;
  }
  if (w.widthMm + kWidthToleranceMm < kMinOpeningMm || w.widthMm - kWidthToleranceMm > kMaxOpeningMm) {
    return QuasiFault::OpeningWidth;
  }
  for (const int part : {w.topMm, w.bottomMm}) {
    if (part > 0 && part < kMinPartMm) return QuasiFault::ShortPart;
  }
  if (w.hsMm >= h0) return QuasiFault::NoOpening;
  return QuasiFault::None;
}

// A bearing wall or a counted 準耐力壁 on unit segment k of the wall's line.
bool SideWallAt(const Building& b, const FullSegments& full, const QuasiWall& w, int k) {
  if (k < 1 || k > b.Spans(w.d)) return false;
  const GridPos at = GridPos::OnLine(w.d, w.line, k);
  return HasWall(b.Point(at, w.storey), w.d) || full.Marked(w.d, at);
}

// Length x m within the segment cap, each segment beside what its bearing walls carry.
void CountLength(const Building& b, QuasiWall& w, double cellSideCm) {
  for (int k = w.first; k <= w.last; ++k) {
    const double bearing = SegmentMultiplier(b.Point(GridPos::OnLine(w.d, w.line, k), w.storey), w.d);
    const double share = std::clamp(*w.m, 0.0, kMaxSegmentMultiplier - bearing);
    if (share < *w.m) w.segmentCapped = true;
    w.cm += cellSideCm * share;
  }
}

void CheckStorey(const Building& b, const BuildingProfile& profile, int storey, std::vector<QuasiWall>& out) {
  const double cellSide = CellSide(b);
  const size_t begin = out.size();
  FullSegments full(b);
  for (const QuasiMember& member : QuasiMembersOfStorey(b, storey)) {
    QuasiWall& w = out.emplace_back(WallOf(member, cellSide * 1000, Nth(profile.clearHeight, storey)));
    w.fault = OwnFault(w);
    if (w.kind == QuasiKind::Full && w.Counts()) full.Mark(w);
  }
  for (size_t n = begin; n < out.size(); ++n) {
    QuasiWall& w = out[n];
    if (w.kind == QuasiKind::Opening && w.Counts() &&
        (!SideWallAt(b, full, w, w.first - 1) || !SideWallAt(b, full, w, w.last + 1))) {
      w.fault = QuasiFault::NoSideWalls;
    }
    if (w.Counts()) CountLength(b, w, cellSide * 100);
  }
}

}  // namespace

const char* QuasiFaultText(QuasiFault fault) {
  switch (fault) {
    case QuasiFault::None:
      return "";
    case QuasiFault::NoClearHeight:
      return "横架材間内法寸法 H0 が入力されていません";
    case QuasiFault::Narrow:
      return "準耐力壁の幅が 900mm 未満です";
    case QuasiFault::Low:
      return "面材の高さが H0 の 80% 未満です";
    case QuasiFault::OpeningWidth:
      return "開口の幅が 900～2000mm の範囲外です";
    case QuasiFault::ShortPart:
      return "垂れ壁または腰壁の高さが 360mm 未満です";
    case QuasiFault::OverClear:
      return "面材の高さが H0 を超えています";
    case QuasiFault::NoOpening:
      return "垂れ壁と腰壁の高さの合計が H0 以上です（開口がありません）";
    case QuasiFault::NoSideWalls:
      return "同じ通りの両側に耐力壁または準耐力壁がありません";
  }
  return "";
}

const char* QuasiFaultKey(QuasiFault fault) {
  switch (fault) {
    case QuasiFault::None:
      return "";
    case QuasiFault::NoClearHeight:
      return "no_clear_height";
    case QuasiFault::Narrow:
      return "narrow";
    case QuasiFault::Low:
      return "low";
    case QuasiFault::OpeningWidth:
      return "opening_width";
    case QuasiFault::ShortPart:
      return "short_part";
    case QuasiFault::OverClear:
      return "over_clear";
    case QuasiFault::NoOpening:
      return "no_opening";
    case QuasiFault::NoSideWalls:
      return "no_side_walls";
  }
  return "";
}

const char* QuasiNRuleText(QuasiNRule rule) {
  switch (rule) {
    case QuasiNRule::NoWalls:
      return "算入できる準耐力壁等はありません。";
    case QuasiNRule::BearingSuffices:
      return "耐力壁のみで各階・各方向の必要壁量の 1/2 以上あるため、壁倍率が 1.5 "
             "を超える準耐力壁等のみをＮ値計算に算入しました。";
    case QuasiNRule::BearingShort:
      return "耐力壁のみでは必要壁量の 1/2 "
             "に満たない階・方向があるため、算入できる準耐力壁等をすべてＮ値計算に算入しました。";
    case QuasiNRule::RequirementUnknown:
      return "必要壁量が求められないため、算入できる準耐力壁等をすべてＮ値計算に算入しました。";
  }
  return "";
}

const char* QuasiNRuleKey(QuasiNRule rule) {
  switch (rule) {
    case QuasiNRule::NoWalls:
      return "no_walls";
    case QuasiNRule::BearingSuffices:
      return "bearing_suffices";
    case QuasiNRule::BearingShort:
      return "bearing_short";
    case QuasiNRule::RequirementUnknown:
      return "requirement_unknown";
  }
  return "";
}

double QuasiWalls::CountedCm(int storey, Dir d) const {
  double cm = 0;
  for (const QuasiWall& w : walls) {
    if (w.storey == storey && w.d == d) cm += w.cm;
  }
  return cm;
}

QuasiWalls CheckQuasiWalls(const Building& building, const BuildingProfile& profile) {
  QuasiWalls quasi;
  if (!HasQuasiWalls(building)) return quasi;
  for (int s = 1; s <= building.Storeys(); ++s) CheckStorey(building, profile, s, quasi.walls);
  return quasi;
}

void DecideQuasiInN(QuasiWalls& quasi, const std::vector<PerDir<BearingShare>>& shares) {
  const bool anyCounts =
      std::any_of(quasi.walls.begin(), quasi.walls.end(), [](const QuasiWall& w) { return w.Counts(); });
  bool known = true;
  bool suffices = true;
  for (const PerDir<BearingShare>& storey : shares) {
    for (const BearingShare& share : storey) {
      if (!share.requiredCm) {
        known = false;
      } else if (share.bearingCm < 0.5 * *share.requiredCm) {
        suffices = false;
      }
    }
  }
  if (!anyCounts) {
    quasi.nRule = QuasiNRule::NoWalls;
  } else if (!known) {
    quasi.nRule = QuasiNRule::RequirementUnknown;
  } else {
    quasi.nRule = suffices ? QuasiNRule::BearingSuffices : QuasiNRule::BearingShort;
  }
  for (QuasiWall& w : quasi.walls) {
    w.inN = w.Counts() && (quasi.nRule != QuasiNRule::BearingSuffices || *w.m > kStrongQuasiMultiplier);
  }
}

}  // namespace tvk
