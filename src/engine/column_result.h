#pragma once
// Per-point, per-level result of the N-value calculation (CalcResults holds one for every
// point of the building); never written to the project file.

#include <array>
#include <cstdint>

namespace tvk {

// Every per-direction field is indexed [d-1] with d = 1 (X) and 2 (Y).
struct ColumnResult {
  std::array<float, 2> correction{};  // brace correction
  std::array<int32_t, 2> size1{};     // side-1 brace size code
  std::array<int32_t, 2> size2{};     // side-2 brace size code
  std::array<int32_t, 2> slope1{};    // side-1 brace slope code
  std::array<int32_t, 2> slope2{};    // side-2 brace slope code
  std::array<float, 2> rating1{};     // side-1 capped wall rating
  std::array<float, 2> rating2{};     // side-2 capped wall rating
  std::array<float, 2> n{};           // N by the own-storey formula
  std::array<float, 2> deltaN{};      // received from upper columns without a lower column
  std::array<float, 2> crossShare{};  // received through orthogonal beams
  int32_t notTransmitted = 0;         // storey-2 column whose pull-out found no storey-1 column
  std::array<float, 2> a{};           // A
  float b = 0;                        // B
  float l = 0;                        // L
  int32_t overLimit = 0;              // governing N > 7.5

  // Governing value of one direction: own N plus everything received.
  float total(int d) const {
    const auto k = static_cast<size_t>(d - 1);
    return n[k] + deltaN[k] + crossShare[k];
  }

  bool operator==(const ColumnResult&) const = default;
};

}  // namespace tvk
