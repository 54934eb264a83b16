#pragma once
// Joint grades (告示記号) and hardware selection.

#include <array>
#include <string>
#include <string_view>

namespace tvk {

class Building;

struct GradeInfo {
  const char* symbol;  // "(い)" … "(ぬ)", "(る)*"
  float nLimit;
};

constexpr int kGradeRows = 11;
const std::array<GradeInfo, kGradeRows>& GradeTable();

inline constexpr const char* kGradeImpossible = "不可";

struct Grade {
  std::string symbol;
  int overLimit = 0;
};

Grade NToKigou(float n);
float KigouToN(std::string_view symbol);

void AutoSetKanamono(Building& building, int i, int j, int s);
void SetRyobiki(Building& building, int i, int j, int s);
void MatchLowerHardware(Building& building, int i, int j, int s);
// Empties every placed-hardware text of every level.
void ClearKanamono(Building& building);

// True when placed hardware is too weak for the required grade.
bool IsHardwareNG(std::string_view needGrade, std::string_view placed);

}  // namespace tvk
