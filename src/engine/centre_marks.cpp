#include "engine/centre_marks.h"

#include "engine/storey_balance.h"

namespace tvk {

namespace {

// The eccentric distance is the ratio times the elastic radius.
constexpr double kInnerRatio = 0.2;
constexpr double kOuterRatio = 0.3;

}  // namespace

std::optional<CentreMarks> CentreMarksOf(const StoreyBalance& balance) {
  CentreMarks marks;
  // Loading direction 1 holds y coordinates and radii across X walls, direction 2 x ones.
  if (balance.HasFloor != 0) marks.gravity = PlanSpot{balance.Gravity[Dir::Y], balance.Gravity[Dir::X]};
  if (balance.Stiffness[Dir::X] > 0 || balance.Stiffness[Dir::Y] > 0) {
    marks.rigidity = PlanSpot{balance.Rigidity[Dir::Y], balance.Rigidity[Dir::X]};
  }
  if (!marks.gravity && !marks.rigidity) return std::nullopt;
  const double rx = balance.ElasticRadius[Dir::Y];
  const double ry = balance.ElasticRadius[Dir::X];
  marks.inner = {kInnerRatio * rx, kInnerRatio * ry};
  marks.outer = {kOuterRatio * rx, kOuterRatio * ry};
  return marks;
}

}  // namespace tvk
