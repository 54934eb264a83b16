#include "engine/hardware_placement.h"

#include <algorithm>
#include <string>

#include "engine/calc_results.h"
#include "engine/grade.h"
#include "engine/member_codes.h"
#include "model/building.h"

namespace tvk {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsLowerOfTwoStoreys(const Building& b, int s) { return s == 1 && b.Storeys() == 2; }

constexpr float kHoldDownN = 1.8f;  // (へ) and stronger are hold-down hardware

}  // namespace

float GoverningN(const CalcResults& results, GridPos p, int level) { return GoverningN(results.Column(p, level)); }

float GoverningN(const ColumnResult& r) { return std::max(r.total(Dir::X), r.total(Dir::Y)); }

void AutoSetKanamono(Building& building, const CalcResults& results, GridPos p, int s) {
  AutoSetKanamono(building, results, p, s, NToKigou(GoverningN(results, p, s)).symbol);
}

void AutoSetKanamono(Building& building, const CalcResults& results, GridPos p, int s, std::string_view symbol) {
  ColumnRec& column = building.Point(p, s).Column;
  // A through column has no joint at its storey-1 top and its storey-2 bottom.
  const bool through = column.Through == 1;
  const bool fillTop = !through || s != 1;
  const bool fillBottom = !through || s == 1;
  if (fillTop && column.TopHardware.empty()) column.TopHardware = symbol;
  if (fillBottom && column.BottomHardware.empty()) column.BottomHardware = symbol;
  if (building.Settings.DoublePullHD == 1) SetRyobiki(building, p, s);
  if (building.Settings.Match1FTo2F == 1) MatchLowerHardware(building, results, p, s);
}

void SetRyobiki(Building& building, GridPos p, int s) {
  if (!IsLowerOfTwoStoreys(building, s)) return;
  ColumnRec& lower = building.Point(p, 1).Column;
  ColumnRec& upperColumn = building.Point(p, 2).Column;
  std::string_view upper = Trimmed(upperColumn.BottomHardware);
  if (upper.empty()) upper = upperColumn.NeedGrade;
  const float nLower = KigouToN(lower.TopHardware);
  const float nUpper = KigouToN(upper);
  if (nLower < kHoldDownN || nUpper < kHoldDownN) return;
  if (nLower < nUpper) {
    lower.TopHardware = upper;
  } else if (nLower > nUpper) {
    upperColumn.BottomHardware = lower.TopHardware;
  }
}

void MatchLowerHardware(Building& building, const CalcResults& results, GridPos p, int s) {
  if (!IsLowerOfTwoStoreys(building, s)) return;
  const float n1 = GoverningN(results, p, 1);
  const float n2 = HasColumnAt(building.Point(p, 2)) ? GoverningN(results, p, 2) : 0.0f;
  if (!(n2 > n1)) return;
  const std::string_view symbol = NToKigou(n2).symbol;
  ColumnRec& lower = building.Point(p, 1).Column;
  if (n2 > KigouToN(lower.TopHardware)) lower.TopHardware = symbol;
  if (n2 > KigouToN(lower.BottomHardware)) lower.BottomHardware = symbol;
}

void ClearKanamono(Building& building) {
  for (GridPoint& p : building.Points()) {
    p.Column.TopHardware.clear();
    p.Column.BottomHardware.clear();
  }
}

}  // namespace tvk
