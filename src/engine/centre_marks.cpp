#include "engine/centre_marks.h"

#include "model/storey_balance.h"

namespace tvk {

namespace {

// The eccentric distance is the ratio times the elastic radius.
constexpr double kInnerRatio = 0.2;
constexpr double kOuterRatio = 0.3;

}  // namespace

std::optional<CentreMarks> CentreMarksOf(const StoreyBalance& balance) {
  CentreMarks marks;
  // Loading direction 1 holds y coordinates and radii across X walls, direction 2 x ones.
  if (balance.HasFloor != 0) marks.gravity = PlanSpot{balance.Gravity[1], balance.Gravity[0]};
  if (balance.Stiffness[0] > 0 || balance.Stiffness[1] > 0) {
    marks.rigidity = PlanSpot{balance.Rigidity[1], balance.Rigidity[0]};
  }
  if (!marks.gravity && !marks.rigidity) return std::nullopt;
  const double rx = balance.ElasticRadius[1];
  const double ry = balance.ElasticRadius[0];
  marks.inner = {kInnerRatio * rx, kInnerRatio * ry};
  marks.outer = {kOuterRatio * rx, kOuterRatio * ry};
  return marks;
}

}  // namespace tvk
