#pragma once
// What the plan editor shows on the plan itself: the rubber band of a pending edit, the
// whole plan after a change of the view (category, storey, every member shown), the other
// storey's walls and the centre marks of the storey shown. The plan canvas implements it;
// what an edit changes it learns from the document (DocumentView).

#include "editor/canvas_geometry.h"

namespace tvk {

// Palette colours of the rubber band.
constexpr int kBandPlaceColour = 15;   // white
constexpr int kBandDeleteColour = 12;  // light red

enum class BandShape { Line, Rectangle };

// A rubber band as drawn in exclusive-or mode, width kRubberBandWidth. Erasing passes
// the band exactly as it was drawn (same colour, even if the edit mode changed since).
struct RubberBand {
  CanvasPos from;
  CanvasPos to;
  BandShape shape = BandShape::Line;
  int colour = kBandPlaceColour;

  bool operator==(const RubberBand&) const = default;
};

class PlanView {
 public:
  virtual ~PlanView() = default;
  virtual void drawRubberBand(const RubberBand& band) = 0;
  virtual void eraseRubberBand(const RubberBand& band) = 0;
  // Clears the plan and draws it afresh for the current view settings.
  virtual void fullRedraw() = 0;
  // The bearing walls of a storey as a reference layer (shown with columns and beams).
  virtual void showOtherStoreyWalls(int storey, bool shown) = 0;
  // The centre marks follow the eccentricity of the storey shown.
  virtual void updateEccentricityMarks() = 0;
};

}  // namespace tvk
