#include "report/figures/elevation_transform.h"

#include <algorithm>

#include "model/building.h"

namespace tvk {

namespace {

constexpr double kReportStoreyHeight = 1.8;
constexpr double kReportMemberThickness = 0.1;
constexpr double kReportX0 = 0.9;
constexpr double kReportWidthReserve = 0.7 * 2.3;
constexpr double kReportScaleCap = 1.5;

constexpr double kWindowX0 = 1.5;
constexpr double kWindowWidthReserve = 4.0;
// Room above the frame for the page header, the through-column labels and the roof.
constexpr double kWindowHeightReserve = 4.0;
constexpr double kWindowMaxStoreyHeight = 6.0;
constexpr double kWindowMemberThickness = 0.15;
constexpr double kTinyExtent = 1e-6;

double Extent(const Building& building, Dir d) {
  const PointCoord& first = building.Coord(1, 1, 1);
  const PointCoord& last = building.Coord(building.PointsX(), building.PointsY(), 1);
  return d == Dir::X ? static_cast<double>(last.x) - first.x : static_cast<double>(last.y) - first.y;
}

}  // namespace

GridPos FramePoint(const FrameRef& frame, int k) { return GridPos::OnLine(FrameAlong(frame), frame.line, k); }

int FramePoints(const Building& building, const FrameRef& frame) {
  return frame.dir == Dir::X ? building.PointsY() : building.PointsX();
}

double FramePosition(const Building& building, const FrameRef& frame, int k) {
  return building.Distance(FramePoint(frame, 1), FramePoint(frame, k), 1);
}

double ReportElevationScale(const Building& building, double printableWidth) {
  const double extent = std::max({Extent(building, Dir::X), Extent(building, Dir::Y), kTinyExtent});
  return std::min((printableWidth - kReportWidthReserve) / extent, kReportScaleCap);
}

ElevationTransform ReportElevationTransform(const Building& building, double chapterX, double printableWidth) {
  ElevationTransform t;
  t.h = ReportElevationScale(building, printableWidth);
  t.ex0 = chapterX + kReportX0;
  t.sh = kReportStoreyHeight;
  t.mt = kReportMemberThickness;
  return t;
}

ElevationTransform WindowElevationTransform(const Building& building, const FrameRef& frame, double printableWidth,
                                            double printableHeight) {
  ElevationTransform t;
  const double length = std::max(FramePosition(building, frame, FramePoints(building, frame)), kTinyExtent);
  t.h = (printableWidth - kWindowWidthReserve) / length;
  t.ex0 = kWindowX0;
  t.ey = printableHeight;
  t.sh = std::min((printableHeight - kWindowHeightReserve) / std::max(building.Storeys(), 1), kWindowMaxStoreyHeight);
  t.mt = kWindowMemberThickness;
  return t;
}

}  // namespace tvk
