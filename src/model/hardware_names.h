#pragma once
// The user's joint hardware name table: one row per joint grade, two alternatives each.

#include <array>
#include <string>

namespace tvk {

struct HardwareRow {
  std::string Name1;
  std::string Value1;
  std::string Name2;
  std::string Value2;

  bool operator==(const HardwareRow&) const = default;
};

constexpr int kGradeCount = 11;
using HardwareNames = std::array<HardwareRow, kGradeCount>;

// The table used when no hardware name file exists.
HardwareNames LoadBuiltInHardwareNames();

}  // namespace tvk
