#include "ui/canvas/eccentricity_marks.h"

#include <algorithm>

#include "engine/centre_marks.h"
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

void Frame(CanvasPainter& canvas, QPointF centre, QSizeF half, int colour) {
  canvas.Box(centre.x() - half.width(), centre.y() - half.height(), centre.x() + half.width(),
             centre.y() + half.height(), CanvasPen{Qt::SolidLine, 1, PaletteColor(colour)}, CanvasFill{});
}

}  // namespace

std::optional<EccentricityMarkSet> MarksOf(const StoreyBalance& balance, double scale) {
  const std::optional<CentreMarks> centres = CentreMarksOf(balance);
  if (!centres) return std::nullopt;
  EccentricityMarkSet marks;
  if (const auto& g = centres->gravity) marks.gravity = PlanToPage(g->x, g->y, scale);
  if (const auto& r = centres->rigidity) marks.rigidity = PlanToPage(r->x, r->y, scale);
  marks.inner = QSizeF(centres->inner.x * scale, centres->inner.y * scale);
  marks.outer = QSizeF(centres->outer.x * scale, centres->outer.y * scale);
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
