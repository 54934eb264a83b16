#pragma once
// Per-point, per-level result of the N-value calculation (CalcResults holds one for every
// point of the building); never written to the project file.

#include <cstdint>

#include "model/grid_types.h"

namespace tvk {

struct ColumnResult {
  PerDir<float> correction;    // brace correction
  PerDir<int32_t> size1;       // side-1 brace size code
  PerDir<int32_t> size2;       // side-2 brace size code
  PerDir<int32_t> slope1;      // side-1 brace slope code
  PerDir<int32_t> slope2;      // side-2 brace slope code
  PerDir<float> rating1;       // side-1 capped wall rating
  PerDir<float> rating2;       // side-2 capped wall rating
  PerDir<float> n;             // N by the own-storey formula
  PerDir<float> deltaN;        // received from upper columns without a lower column
  PerDir<float> crossShare;    // received through orthogonal beams
  int32_t notTransmitted = 0;  // storey-2 column whose pull-out found no storey-1 column
  PerDir<float> a;             // A
  float b = 0;                 // B
  float l = 0;                 // L
  int32_t overLimit = 0;       // governing N > 7.5

  // Governing value of one direction: own N plus everything received.
  float total(Dir d) const { return n[d] + deltaN[d] + crossShare[d]; }

  bool operator==(const ColumnResult&) const = default;
};

}  // namespace tvk
