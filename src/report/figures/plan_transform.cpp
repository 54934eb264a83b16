#include "report/figures/plan_transform.h"

#include <algorithm>

#include "model/building.h"

namespace tvk {

namespace {

constexpr double kPlanX0 = 3.0;
constexpr double kPlanSideReserve = 4.2;
constexpr double kOriginLineReserve = 2.3;
constexpr double kTinyExtent = 1e-6;

}  // namespace

PagePoint PlanTransform::At(const Building& building, int i, int j) const {
  const PointCoord& c = building.Coord(i, j, 1);
  return Map(c.x, c.y);
}

double PlanScale(double available, double xExtent, double yExtent) {
  return std::min(available / std::max(xExtent, kTinyExtent), available / std::max(yExtent, kTinyExtent));
}

PlanTransform MakePlanTransform(const Building& building, double chapterY, double printableWidth, double linePitch) {
  const PointCoord& origin = building.Coord(1, 1, 1);
  const PointCoord& last = building.Coord(building.PointsX(), building.PointsY(), 1);
  PlanTransform t;
  t.x0 = kPlanX0;
  t.y0 = chapterY + (printableWidth - kOriginLineReserve) - linePitch / 2;
  t.yFirst = origin.y;
  t.s = PlanScale(printableWidth - kPlanSideReserve, static_cast<double>(last.x) - origin.x,
                  static_cast<double>(last.y) - origin.y);
  return t;
}

PlanTransform FitPlanTransform(const Building& building, const PageBox& box) {
  const PointCoord& origin = building.Coord(1, 1, 1);
  const PointCoord& last = building.Coord(building.PointsX(), building.PointsY(), 1);
  const double xExtent = std::max(static_cast<double>(last.x) - origin.x, kTinyExtent);
  const double yExtent = std::max(static_cast<double>(last.y) - origin.y, kTinyExtent);
  PlanTransform t;
  t.s = std::min(box.w / xExtent, box.h / yExtent);
  t.x0 = box.x - t.s * origin.x;
  t.y0 = box.y + t.s * yExtent;
  t.yFirst = origin.y;
  return t;
}

}  // namespace tvk
