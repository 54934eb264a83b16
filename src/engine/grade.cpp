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

namespace {

// The symbols as views, measured once: grades are looked up for every column of a calculation.
const std::array<std::string_view, kGradeRows>& SymbolViews() {
  static const std::array<std::string_view, kGradeRows> kSymbols = [] {
    std::array<std::string_view, kGradeRows> views;
    for (size_t k = 0; k < views.size(); ++k) views[k] = GradeTable()[k].symbol;
    return views;
  }();
  return kSymbols;
}

}  // namespace

Grade NToKigou(float n) {
  // Each difference is rounded to single precision before it is compared, so a symbol
  // covers its own limit (N = 0.65 is still (ろ)). A row is passed while N lies above its
  // limit; the limits rise, so the rows passed are the first ones.
  auto above = [n](double limit) { return static_cast<double>(static_cast<float>(n - limit)) > kEps; };
  const auto& table = GradeTable();
  if (above(table.back().nLimit)) return {kGradeImpossible, 1};
  size_t passed = 0;
  while (passed + 1 < table.size() && above(table[passed].nLimit)) ++passed;
  return {SymbolViews()[passed], 0};
}

float KigouToN(std::string_view symbol) {
  // The symbols differ in their fourth byte (the last of the kana), so at most one whole
  // text is compared; this runs for placed hardware of every column.
  constexpr size_t kKey = 3;
  if (symbol.size() <= kKey) return 0.0f;
  const auto& symbols = SymbolViews();
  for (size_t k = 0; k < symbols.size(); ++k) {
    if (symbols[k][kKey] == symbol[kKey] && symbol == symbols[k]) return static_cast<float>(GradeTable()[k].nLimit);
  }
  return 0.0f;
}

bool IsHardwareNG(std::string_view needGrade, std::string_view placed) {
  if (placed.empty() || placed == kGradeImpossible) return false;
  return KigouToN(needGrade) > KigouToN(placed);
}

}  // namespace tvk
