#include "ui/canvas/eccentricity_marks.h"

#include <algorithm>

#include "engine/storey_balance.h"
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

std::optional<EccentricityMarkSet> MarksOf(const StoreyBalance& balance, double scale) {
  EccentricityMarkSet marks;
  // Loading direction 1 holds y coordinates and radii across X walls, direction 2 x ones.
  if (balance.HasFloor != 0) marks.gravity = PlanToPage(balance.Gravity[Dir::Y], balance.Gravity[Dir::X], scale);
  if (balance.Stiffness[Dir::X] > 0 || balance.Stiffness[Dir::Y] > 0) {
    marks.rigidity = PlanToPage(balance.Rigidity[Dir::Y], balance.Rigidity[Dir::X], scale);
  }
  if (!marks.gravity && !marks.rigidity) return std::nullopt;
  const double rx = balance.ElasticRadius[Dir::Y] * scale;
  const double ry = balance.ElasticRadius[Dir::X] * scale;
  marks.inner = QSizeF(kInnerShare * rx, kInnerShare * ry);
  marks.outer = QSizeF(kOuterShare * rx, kOuterShare * ry);
  return marks;
}

void DrawEccentricityMarks(CanvasPainter& canvas, const EccentricityMarkSet& marks) {
  if (const std::optional<QPointF>& g = marks.gravity) {
    const CanvasPen white{Qt::SolidLine, 1, PaletteColor(kPalWhite)};
    canvas.Circle(g->x(), g->y(), kOuterCircle, white, CanvasFill{});
    canvas.Circle(g->x(), g->y(), kInnerCircle, white, CanvasFill{});
  }
  if (const std::optional<QPointF>& r = marks.rigidity) {
    const CanvasPen cyan{Qt::SolidLine, 1, PaletteColor(kPalLightCyan)};
    canvas.Line(r->x() - kCrossHalf, r->y() - kCrossHalf, r->x() + kCrossHalf, r->y() + kCrossHalf, cyan);
    canvas.Line(r->x() - kCrossHalf, r->y() + kCrossHalf, r->x() + kCrossHalf, r->y() - kCrossHalf, cyan);
  }
  if (marks.gravity) {
    Frame(canvas, *marks.gravity, marks.inner, kPalYellow);
    Frame(canvas, *marks.gravity, marks.outer, kPalLightRed);
  }
}

void EccentricityMarks::Show(const StoreyBalance& balance, double scale) { shown_ = MarksOf(balance, scale); }

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
  QRectF bounds;
  if (m.gravity) bounds = around(*m.gravity, std::max(circle, m.outer.width()), std::max(circle, m.outer.height()));
  if (m.rigidity) bounds = bounds.united(around(*m.rigidity, circle, circle));
  return bounds;
}

}  // namespace tvk
