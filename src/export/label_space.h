#pragma once
// Keeps the labels of an exported plan off each other: the labels at the columns take their
// places first, then each multiplier takes the first of its places that is still free. The
// boxes are estimated from the text's CP932 width, and kept in buckets by position so that the
// largest plans stay quick.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "export/plan_drawing.h"

namespace tvk {

// Width of a text in the drawing: a half-width character against the text height (a
// full-width one is twice that), as the report's Mincho face sets it.
double TextWidth(const std::string& text, double height);

struct LabelBox {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;

  bool Overlaps(const LabelBox& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

// The box a text covers (texts are level or turned a quarter).
LabelBox BoxOf(const PlanText& text);

class LabelSpace {
 public:
  void Occupy(const PlanText& text);
  void Occupy(const LabelBox& box);
  // The first candidate whose box is free (the first when none is); it is occupied.
  const PlanText& Place(const std::vector<PlanText>& candidates);

 private:
  bool IsFree(const LabelBox& box) const;
  template <typename Visit>
  void ForCells(const LabelBox& box, Visit visit) const;

  std::unordered_map<uint64_t, std::vector<LabelBox>> cells_;
};

}  // namespace tvk
