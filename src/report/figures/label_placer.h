#pragma once
// Keeps figure labels off each other and off the lines they must not cross.

#include <vector>

#include "report/figures/figure_geometry.h"

namespace tvk {

class LabelPlacer {
 public:
  void Occupy(const PageBox& box) { boxes_.push_back(box); }
  void OccupyLine(PagePoint a, PagePoint b) { lines_.push_back({a, b}); }
  bool IsFree(const PageBox& box) const;
  // Takes the first free candidate (the first one when none is free) and occupies it;
  // there is at least one candidate.
  PageBox Place(const std::vector<PageBox>& candidates);

 private:
  struct Segment {
    PagePoint a;
    PagePoint b;
  };
  std::vector<PageBox> boxes_;
  std::vector<Segment> lines_;
};

// True when the segment a-b passes through the inside of the box.
bool SegmentCrossesBox(PagePoint a, PagePoint b, const PageBox& box);

}  // namespace tvk
