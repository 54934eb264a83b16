#include "model/quasi_walls.h"

#include <array>
#include <cmath>

#include "model/building.h"
#include "model/wall_runs.h"

namespace tvk {

namespace {

constexpr std::array<QuasiBoard, kQuasiBoardCount> kBoards = {{
    {"せっこうボード", 0.9f, false},
    {"構造用せっこうボードＡ種", 1.7f, false},
    {"構造用せっこうボードＢ種", 1.2f, false},
    {"構造用合板", 2.5f, false},
    {"構造用パネル", 2.5f, false},
    {"木ずり", 0.5f, true},
    {"その他の面材", 0.0f, false},
}};

bool InHeightRange(int32_t mm, int32_t min) { return mm >= min && mm <= kMaxSheathedMm; }

}  // namespace

std::optional<QuasiKind> QuasiKindOf(const WallSeg& seg) {
  if (seg.KindKey == kKeyJuntai) return QuasiKind::Full;
  if (seg.KindKey == kKeyTarekoshi) return QuasiKind::Opening;
  return std::nullopt;
}

const char* QuasiKindKey(QuasiKind kind) { return kind == QuasiKind::Full ? kKeyJuntai : kKeyTarekoshi; }

const char* QuasiKindName(QuasiKind kind) { return kind == QuasiKind::Full ? "準耐力壁" : "垂れ壁・腰壁"; }

std::span<const QuasiBoard> QuasiBoards() { return kBoards; }

const QuasiBoard* FindQuasiBoard(int code) {
  if (code < 1 || code > kQuasiBoardCount) return nullptr;
  return &kBoards[static_cast<size_t>(code - 1)];
}

std::optional<std::string> CheckQuasiValues(const QuasiSeg& seg) {
  const std::optional<QuasiKind> kind = QuasiKindOf(seg);
  if (!kind) return "準耐力壁等の種類が正しくありません（" + seg.KindKey + "）。";
  const QuasiBoard* board = FindQuasiBoard(seg.Kind);
  if (board == nullptr) return "準耐力壁等の面材の番号が正しくありません（" + std::to_string(seg.Kind) + "）。";
  if (seg.Kind == kEnteredBoard) {
    const double tenths = std::round(seg.Multiplier * 10.0);
    if (!std::isfinite(seg.Multiplier) || tenths < kMinEnteredM0 * 10 || tenths > kMaxEnteredM0 * 10 ||
        std::fabs(seg.Multiplier * 10.0 - tenths) > 1e-3) {
      return "準耐力壁等の壁倍率 m0 は、0.1 ～ 5.0 の範囲で 0.1 単位で入力してください。";
    }
  } else if (seg.Multiplier != board->m0) {
    return std::string("準耐力壁等の壁倍率が面材（") + board->name + "）と一致しません。";
  }
  if (*kind == QuasiKind::Full) {
    if (!InHeightRange(seg.TopMm, 1) || seg.BottomMm != 0) {
      return "準耐力壁の面材の高さは、1 ～ 9999 mm の範囲で入力してください。";
    }
  } else if (!InHeightRange(seg.TopMm, 0) || !InHeightRange(seg.BottomMm, 0) || seg.TopMm + seg.BottomMm == 0) {
    return "垂れ壁・腰壁の高さは、それぞれ 0 ～ 9999 mm（どちらかは 1 mm 以上）で入力してください。";
  }
  return std::nullopt;
}

std::vector<QuasiMember> QuasiMembersOfStorey(const Building& b, int storey) {
  std::vector<QuasiMember> members;
  for (const Dir d : kDirs) {
    const int spans = b.Spans(d);
    for (int line = 1; line <= b.LinesAcross(d); ++line) {
      auto segAt = [&](int k) -> const QuasiSeg& { return b.Point(GridPos::OnLine(d, line, k), storey).quasi(d); };
      for (int k = 1; k <= spans; ++k) {
        if (segAt(k).Kind == 0) continue;
        const int last = MemberRunLast(k, spans, segAt);
        members.push_back(QuasiMember{storey, d, line, k, last, &segAt(k)});
        k = last;
      }
    }
  }
  return members;
}

std::vector<QuasiMember> QuasiMembers(const Building& b) {
  std::vector<QuasiMember> members;
  for (int s = 1; s <= b.Storeys(); ++s) {
    for (const QuasiMember& m : QuasiMembersOfStorey(b, s)) members.push_back(m);
  }
  return members;
}

bool HasQuasiWalls(const Building& b) {
  for (int s = 1; s <= b.Storeys(); ++s) {
    const auto level = static_cast<size_t>(b.PointsX() * b.PointsY());
    for (const GridPoint& p : b.Points().subspan(b.Shape().Slot(1, 1, s), level)) {
      if (p.Quasi[Dir::X].Kind != 0 || p.Quasi[Dir::Y].Kind != 0) return true;
    }
  }
  return false;
}

}  // namespace tvk
