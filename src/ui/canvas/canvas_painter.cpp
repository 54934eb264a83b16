#include "ui/canvas/canvas_painter.h"

#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "editor/canvas_geometry.h"
#include "editor/numeric.h"
#include "report/surface/report_fonts.h"

namespace tvk {
namespace {

// Puts the painter back when a primitive ends.
class SavedState {
 public:
  explicit SavedState(QPainter& p) : p_(p) { p_.save(); }
  ~SavedState() { p_.restore(); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

 private:
  QPainter& p_;
};

// To the nearest unit, halves to even, as the editor snaps grid points.
double CmToUnits(double cm) { return RoundHalfEven(cm * kUnitsPerCm); }

QPen MakePen(const CanvasPen& pen) {
  QPen qpen(pen.colour, std::max(1, pen.width), pen.style);
  qpen.setCosmetic(true);
  return qpen;
}

void SetStyle(QPainter& p, const CanvasPen& pen, const CanvasFill& fill, QPainter::CompositionMode mode) {
  p.setPen(MakePen(pen));
  p.setBrush(QBrush(fill.colour, fill.style));
  p.setCompositionMode(mode);
}

QFont CanvasFont(const QString& face, double fontSize, bool bold) {
  return MakeReportFont(FontKey{face, int(std::lround(fontSize * kTwipsPerPoint)), bold});
}

}  // namespace

QPointF CanvasPainter::ToUnits(double x, double y) { return {CmToUnits(x), kCanvasHeight - CmToUnits(y)}; }

void CanvasPainter::Circle(double x, double y, double radius, const CanvasPen& pen, const CanvasFill& fill, Mode mode) {
  SavedState saved(p_);
  SetStyle(p_, pen, fill, mode);
  const double r = CmToUnits(radius);
  p_.drawEllipse(ToUnits(x, y), r, r);
}

void CanvasPainter::Box(double x1, double y1, double x2, double y2, const CanvasPen& pen, const CanvasFill& fill,
                        Mode mode) {
  SavedState saved(p_);
  SetStyle(p_, pen, fill, mode);
  p_.drawRect(QRectF(ToUnits(x1, y1), ToUnits(x2, y2)).normalized());
}

void CanvasPainter::Line(double x1, double y1, double x2, double y2, const CanvasPen& pen, Mode mode) {
  SavedState saved(p_);
  SetStyle(p_, pen, CanvasFill{}, mode);
  p_.drawLine(ToUnits(x1, y1), ToUnits(x2, y2));
}

void CanvasPainter::LineUnits(QPointF from, QPointF to, int width, const QColor& colour, Mode mode) {
  SavedState saved(p_);
  SetStyle(p_, CanvasPen{Qt::SolidLine, width, colour}, CanvasFill{}, mode);
  p_.drawLine(from, to);
}

void CanvasPainter::Point(double x, double y, const QColor& colour) {
  SavedState saved(p_);
  p_.setPen(MakePen(CanvasPen{Qt::SolidLine, 1, colour}));
  p_.drawPoint(ToUnits(x, y));
}

CmSize CanvasPainter::Measure(double fontSize) { return MeasureText(QStringLiteral("A"), fontSize); }

CmSize CanvasPainter::MeasureText(const QString& text, double fontSize, bool bold) {
  const ReportFontMetrics metrics(CanvasFont(QString::fromUtf8(kCanvasFace), fontSize, bold));
  const QStringList lines = text.split(QLatin1Char('\n'));
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.Width(line));
  return {widest / kUnitsPerCm, metrics.Height() * double(lines.size()) / kUnitsPerCm};
}

void CanvasPainter::Text(double x, double y, const QString& text, const QColor& colour, double fontSize, bool bold,
                         const QString& fontName) {
  SavedState saved(p_);
  const QFont font = CanvasFont(fontName, fontSize, bold);
  const ReportFontMetrics metrics(font);
  p_.setFont(font);
  p_.setPen(colour);
  const QPointF topLeft = ToUnits(x, y);
  p_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.Ascent()), text);
}

void CanvasPainter::RotatedText(double x, double y, const QString& text, const QColor& colour, double fontSize,
                                bool bold, double angle) {
  SavedState saved(p_);
  const QPointF topLeft = ToUnits(x, y);
  p_.translate(topLeft);
  p_.rotate(-angle);  // the canvas's y runs downwards
  p_.translate(-topLeft);
  Text(x, y, text, colour, fontSize, bold);
}

}  // namespace tvk
