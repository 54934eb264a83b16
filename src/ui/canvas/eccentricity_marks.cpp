#include "ui/canvas/eccentricity_marks.h"

#include <algorithm>

#include "model/building.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/palette16.h"

namespace tvk {
namespace {

// Screen sizes in cm of the logical page, not scaled with the plan.
constexpr double kOuterCircle = 0.3;
constexpr double kInnerCircle = 0.1;
constexpr double kCrossHalf = 0.2;
// Frames: these shares of the elastic radius around the centre of gravity.
constexpr double kInnerShare = 0.2;
constexpr double kOuterShare = 0.3;

void Frame(CanvasPainter& canvas, QPointF centre, QSizeF half, int colour) {
  canvas.Box(centre.x() - half.width(), centre.y() - half.height(), centre.x() + half.width(),
             centre.y() + half.height(), CanvasPen{Qt::SolidLine, 1, PaletteColor(colour)}, CanvasFill{});
}

}  // namespace

EccentricityMarkSet MarksOf(const StoreyBalance& balance, double scale) {
  // Loading direction 1 holds y coordinates and radii across X walls, direction 2 x ones.
  const double rx = balance.ElasticRadius[1] * scale;
  const double ry = balance.ElasticRadius[0] * scale;
  return EccentricityMarkSet{PlanToPage(balance.Gravity[1], balance.Gravity[0], scale),
                             PlanToPage(balance.Rigidity[1], balance.Rigidity[0], scale),
                             QSizeF(kInnerShare * rx, kInnerShare * ry), QSizeF(kOuterShare * rx, kOuterShare * ry)};
}

void DrawEccentricityMarks(CanvasPainter& canvas, const EccentricityMarkSet& marks) {
  const CanvasPen white{Qt::SolidLine, 1, PaletteColor(kPalWhite)};
  canvas.Circle(marks.gravity.x(), marks.gravity.y(), kOuterCircle, white, CanvasFill{});
  canvas.Circle(marks.gravity.x(), marks.gravity.y(), kInnerCircle, white, CanvasFill{});
  const CanvasPen cyan{Qt::SolidLine, 1, PaletteColor(kPalLightCyan)};
  const QPointF r = marks.rigidity;
  canvas.Line(r.x() - kCrossHalf, r.y() - kCrossHalf, r.x() + kCrossHalf, r.y() + kCrossHalf, cyan);
  canvas.Line(r.x() - kCrossHalf, r.y() + kCrossHalf, r.x() + kCrossHalf, r.y() - kCrossHalf, cyan);
  Frame(canvas, marks.gravity, marks.inner, kPalYellow);
  Frame(canvas, marks.gravity, marks.outer, kPalLightRed);
}

void EccentricityMarks::Show(const Building& building, int storey, double scale) {
  shown_ = MarksOf(building.Balance.at(size_t(storey - 1)), scale);
}

void EccentricityMarks::Paint(CanvasPainter& canvas) const {
  if (shown_) DrawEccentricityMarks(canvas, *shown_);
}

QRectF EccentricityMarks::Bounds() const {
  if (!shown_) return {};
  const double circle = std::max(kOuterCircle, kCrossHalf);
  auto around = [](QPointF c, double w, double h) {
    return QRectF(CanvasPainter::ToUnits(c.x() - w, c.y() + h), CanvasPainter::ToUnits(c.x() + w, c.y() - h));
  };
  const EccentricityMarkSet& m = *shown_;
  return around(m.gravity, std::max(circle, m.outer.width()), std::max(circle, m.outer.height()))
      .united(around(m.rigidity, circle, circle));
}

}  // namespace tvk
