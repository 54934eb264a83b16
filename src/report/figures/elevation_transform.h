#pragma once
// Elevation transform: position along a grid line and storey level to page cm.

#include "model/grid_types.h"
#include "report/figures/figure_geometry.h"

namespace tvk {

class Building;

// One frame: X line i (dir X) or Y line j (dir Y).
struct FrameRef {
  Dir dir = Dir::X;
  int line = 1;

  bool operator==(const FrameRef&) const = default;
};

// Direction in which the members of a frame run (an X line runs along Y).
inline Dir FrameAlong(const FrameRef& frame) { return Other(frame.dir); }

struct ElevationTransform {
  double h = 1;     // cm per metre along the line
  double ex0 = 0;   // page x of the line's first point
  double ey = 0;    // page y of the foot of the frame
  double sh = 1.8;  // storey height on paper
  double mt = 0.1;  // member thickness

  // Page point at position u (m) along the line and storey level k (0 = foot).
  PagePoint Map(double u, double k) const { return {ex0 + h * u, ey - sh * k}; }
};

// Position along the frame's line of crossing point k, relative to its first point.
double FramePosition(const Building& building, const FrameRef& frame, int k);
// Number of crossing points on the frame's line.
int FramePoints(const Building& building, const FrameRef& frame);
// Grid point of crossing point k on the frame's line.
GridPos FramePoint(const FrameRef& frame, int k);

// Report scale: one scale for every frame, from the larger plan extent, capped at 1.5.
double ReportElevationScale(const Building& building, double printableWidth);
ElevationTransform ReportElevationTransform(const Building& building, double chapterX, double printableWidth);

// Window page (A4 landscape): the frame fitted to the page, standing on the bottom margin.
ElevationTransform WindowElevationTransform(const Building& building, const FrameRef& frame, double printableWidth,
                                            double printableHeight);

}  // namespace tvk
