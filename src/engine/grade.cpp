#include "engine/grade.h"

#include "engine/tolerance.h"

namespace tvk {

const std::array<GradeInfo, kGradeRows>& GradeTable() {
  static constexpr std::array<GradeInfo, kGradeRows> kTable = {{
      {"(い)", 0.0},
      {"(ろ)", 0.65},
      {"(は)", 1.0},
      {"(に)", 1.4},
      {"(ほ)", 1.6},
      {"(へ)", 1.8},
      {"(と)", 2.8},
      {"(ち)", 3.7},
      {"(り)", 4.7},
      {"(ぬ)", 5.6},
      {"(る)*", 7.5},
  }};
  return kTable;
}

Grade NToKigou(float n) {
  // From the top down, each difference is rounded to single precision before it is
  // compared, so a symbol covers its own limit (N = 0.65 is still (ろ)).
  auto above = [n](double limit) { return static_cast<double>(static_cast<float>(n - limit)) > kEps; };
  const auto& table = GradeTable();
  if (above(table.back().nLimit)) return {kGradeImpossible, 1};
  for (size_t k = table.size() - 1; k > 0; --k) {
    if (above(table[k - 1].nLimit)) return {table[k].symbol, 0};
  }
  return {table.front().symbol, 0};
}

float KigouToN(std::string_view symbol) {
  for (const GradeInfo& row : GradeTable()) {
    if (symbol == row.symbol) return static_cast<float>(row.nLimit);
  }
  return 0.0f;
}

bool IsHardwareNG(std::string_view needGrade, std::string_view placed) {
  if (placed.empty() || placed == kGradeImpossible) return false;
  return KigouToN(needGrade) > KigouToN(placed);
}

}  // namespace tvk
