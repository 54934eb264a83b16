#include "export/plan_frame.h"

#include <cmath>

#include "model/building.h"

namespace tvk {

namespace {

double Millimetres(double metres) { return std::round(metres * kMmPerM * 1000) / 1000; }

}  // namespace

DxfPoint PlanFrame::Spot(double x, double y) const { return {origin.x + Millimetres(x), origin.y + Millimetres(y)}; }

DxfPoint PlanFrame::At(int i, int j) const {
  const PointCoord& c = building.Coord(i, j, 1);
  return Spot(c.x, c.y);
}

DxfPoint PlanFrame::Far() const { return At(building.PointsX(), building.PointsY()); }

}  // namespace tvk
