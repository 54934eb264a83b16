#pragma once
// Joint grades (告示記号): the table, N value to grade and back, and the NG decision.

#include <array>
#include <string>
#include <string_view>

namespace tvk {

struct GradeInfo {
  const char* symbol;  // "(い)" … "(ぬ)", "(る)*"
  double nLimit;       // the table's N limit as written (0.65, 1.8, …)
};

constexpr int kGradeRows = 11;
const std::array<GradeInfo, kGradeRows>& GradeTable();

inline constexpr const char* kGradeImpossible = "不可";

struct Grade {
  std::string_view symbol;  // a row of the table, or kGradeImpossible
  int overLimit = 0;
};

Grade NToKigou(float n);
// The N limit of one of the eleven symbols; any other text gives 0.
float KigouToN(std::string_view symbol);

// True when placed hardware is too weak for the required grade ("NG*"). Empty and "不可"
// placements are never NG.
bool IsHardwareNG(std::string_view needGrade, std::string_view placed);

}  // namespace tvk
