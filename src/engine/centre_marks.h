#pragma once
// The centre marks of a storey on a plan: the centre of gravity where the storey has floor or
// void cells, the centre of rigidity where it has walls, and around the centre of gravity the
// frames that the centre of rigidity stays inside while the eccentricity ratio is at most 0.2
// and 0.3. The canvas and the exported plans draw them alike.

#include <optional>

namespace tvk {

struct StoreyBalance;

// Metres from grid lines X1 and Y1.
struct PlanSpot {
  double x = 0;
  double y = 0;

  bool operator==(const PlanSpot&) const = default;
};

struct CentreMarks {
  std::optional<PlanSpot> gravity;
  std::optional<PlanSpot> rigidity;
  PlanSpot inner;  // half width and half height of the frame of ratio 0.2 (m)
  PlanSpot outer;  // of ratio 0.3

  bool operator==(const CentreMarks&) const = default;
};

// None for a storey with neither floor cells nor walls.
std::optional<CentreMarks> CentreMarksOf(const StoreyBalance& balance);

}  // namespace tvk
