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

QPen MakePen(const CanvasPen& pen) {
  QPen qpen(pen.colour, std::max(1, pen.width), pen.style);
  qpen.setCosmetic(true);
  return qpen;
}

QFont CanvasFont(const QString& face, double fontSize, bool bold) {
  return MakeReportFont(FontKey{face, int(std::lround(fontSize * kTwipsPerPoint)), bold});
}

bool Opaque(const QColor& colour) { return colour.alpha() == 255; }

// What QTransform::map gives for a transform that only scales and moves (the only ones the
// pixel writer takes), without its call.
QPointF ToDevice(const QTransform& t, QPointF p) { return {t.m11() * p.x() + t.dx(), t.m22() * p.y() + t.dy()}; }

}  // namespace

CanvasPainter::CanvasPainter(QPainter& painter) : p_(painter) { p_.save(); }

CanvasPainter::CanvasPainter(QPainter& painter, QImage& image, const QRect& clip) : CanvasPainter(painter) {
  if (PixelWriter::Takes(image)) writer_.emplace(image, clip);
}

CanvasPainter::~CanvasPainter() {
  Flush();
  p_.restore();
}

double CanvasPainter::FarUnits(double units) { return RoundHalfEven(units); }

void CanvasPainter::Use(Batch batch, const Style& style) {
  // Dotted lines are drawn one by one, each starting its own pattern.
  if (batch == batch_ && style == style_ && style.pen.style == Qt::SolidLine) return;
  Flush();
  batch_ = batch;
  style_ = style;
}

void CanvasPainter::Apply() {
  if (applied_ == style_) return;
  if (!applied_ || !(applied_->pen == style_.pen)) p_.setPen(MakePen(style_.pen));
  if (!applied_ || !(applied_->fill == style_.fill)) p_.setBrush(QBrush(style_.fill.colour, style_.fill.style));
  if (!applied_ || applied_->mode != style_.mode) p_.setCompositionMode(style_.mode);
  applied_ = style_;
}

PixelWriter* CanvasPainter::Writer() {
  const CanvasPen& pen = style_.pen;
  const bool plain = style_.mode == kCopy && pen.style == Qt::SolidLine && pen.width <= 1 && Opaque(pen.colour) &&
                     Opaque(style_.fill.colour) && p_.transform().type() <= QTransform::TxScale &&
                     !p_.testRenderHint(QPainter::Antialiasing);
  return plain && writer_ ? &*writer_ : nullptr;
}

void CanvasPainter::Flush() {
  switch (batch_) {
    case Batch::Lines:
      FlushLines();
      break;
    case Batch::Boxes:
      FlushBoxes();
      break;
    case Batch::Points:
      FlushPoints();
      break;
    case Batch::None:
      break;
  }
  batch_ = Batch::None;
}

// Lines of one colour cover one another alike, so the order they are drawn in is free.
void CanvasPainter::FlushLines() {
  if (PixelWriter* writer = Writer()) {
    const QTransform& toDevice = p_.transform();
    const QRgb colour = style_.pen.colour.rgba();
    const auto drawn = [&](const QLineF& line) {
      const std::optional<QRect> run = LinePixels(ToDevice(toDevice, line.p1()), ToDevice(toDevice, line.p2()));
      if (run) writer->Fill(*run, colour);
      return run.has_value();
    };
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(), drawn), lines_.end());
  }
  if (!lines_.empty()) {
    Apply();
    p_.drawLines(lines_.data(), int(lines_.size()));
  }
  lines_.clear();
}

void CanvasPainter::FlushPoints() {
  if (PixelWriter* writer = Writer()) {
    const QTransform& toDevice = p_.transform();
    const QRgb colour = style_.pen.colour.rgba();
    const auto drawn = [&](const QPointF& point) {
      const std::optional<QPoint> pixel = PointPixel(ToDevice(toDevice, point));
      if (pixel) writer->Fill(QRect(*pixel, *pixel), colour);
      return pixel.has_value();
    };
    points_.erase(std::remove_if(points_.begin(), points_.end(), drawn), points_.end());
  }
  if (!points_.empty()) {
    Apply();
    p_.drawPoints(points_.data(), int(points_.size()));
  }
  points_.clear();
}

// Boxes of one style: all the fills, then all the outlines. The painter draws each outline
// by itself: drawn together, one outline can add a pixel to the next.
void CanvasPainter::FlushBoxes() {
  PixelWriter* writer = Writer();
  const Style style = style_;
  const bool solid = style.fill.style == Qt::SolidPattern;
  // Hatching is left to the painter, which lines the pattern up with the plan.
  const bool pixelFills = writer != nullptr && solid;
  const bool oneColour = pixelFills && style.fill.colour == style.pen.colour;
  outlines_.clear();
  painterOutlines_.clear();
  if (!pixelFills && style.fill.style != Qt::NoBrush) {
    style_.pen.style = Qt::NoPen;
    Apply();
    p_.drawRects(boxes_.data(), int(boxes_.size()));
    style_ = style;
  }
  std::optional<PixelRuns> fills;
  if (pixelFills) fills.emplace(*writer, style.fill.colour.rgba());
  const QTransform& toDevice = p_.transform();
  for (const QRectF& box : boxes_) {
    const QPointF topLeft = ToDevice(toDevice, box.topLeft());
    const QPointF bottomRight = ToDevice(toDevice, box.bottomRight());
    std::optional<QRect> outline;
    if (writer != nullptr) outline = BoxOutlinePixels(topLeft, bottomRight);
    if (outline && !writer->Holds(*outline)) outline.reset();
    if (oneColour && outline) {
      fills->Add(*outline);  // the fill lies inside the outline
      continue;
    }
    if (pixelFills) fills->Add(BoxFillPixels(topLeft, bottomRight));
    if (outline) {
      outlines_.push_back(*outline);
    } else {
      painterOutlines_.push_back(box);
    }
  }
  boxes_.clear();
  if (fills) fills->Flush();
  if (!outlines_.empty()) {
    PixelRuns outlines(*writer, style.pen.colour.rgba());
    for (const QRect& outline : outlines_) outlines.AddBorder(outline);
  }
  if (painterOutlines_.empty()) return;
  style_.fill = CanvasFill{};
  Apply();
  for (const QRectF& box : painterOutlines_) p_.drawRect(box);
  style_ = style;
}

void CanvasPainter::Circle(double x, double y, double radius, const CanvasPen& pen, const CanvasFill& fill, Mode mode) {
  Use(Batch::None, Style{pen, fill, mode});
  Apply();
  const double r = CmToUnits(radius);
  p_.drawEllipse(ToUnits(x, y), r, r);
}

void CanvasPainter::Box(double x1, double y1, double x2, double y2, const CanvasPen& pen, const CanvasFill& fill,
                        Mode mode) {
  Use(Batch::Boxes, Style{pen, fill, mode});
  boxes_.push_back(QRectF(ToUnits(x1, y1), ToUnits(x2, y2)).normalized());
}

void CanvasPainter::Line(double x1, double y1, double x2, double y2, const CanvasPen& pen, Mode mode) {
  Use(Batch::Lines, Style{pen, CanvasFill{}, mode});
  lines_.emplace_back(ToUnits(x1, y1), ToUnits(x2, y2));
}

void CanvasPainter::Lines(std::span<const QLineF> lines, const CanvasPen& pen, Mode mode) {
  Use(Batch::Lines, Style{pen, CanvasFill{}, mode});
  for (const QLineF& line : lines) {
    lines_.emplace_back(ToUnits(line.x1(), line.y1()), ToUnits(line.x2(), line.y2()));
  }
}

void CanvasPainter::LineUnits(QPointF from, QPointF to, int width, const QColor& colour, Mode mode) {
  Use(Batch::Lines, Style{CanvasPen{Qt::SolidLine, width, colour}, CanvasFill{}, mode});
  lines_.emplace_back(from, to);
}

void CanvasPainter::Point(double x, double y, const QColor& colour) {
  Use(Batch::Points, Style{CanvasPen{Qt::SolidLine, 1, colour}, CanvasFill{}, kCopy});
  points_.push_back(ToUnits(x, y));
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
  const QPointF topLeft = ToUnits(x, y);
  if (writer_ && p_.transform().type() <= QTransform::TxScale) {
    // A text wholly outside the part being redrawn is left out: laying it out is slow.
    // No character is wider than the font's em, nor the line higher than two.
    const double em = fontSize * kTwipsPerPoint;
    const QPointF far = topLeft + QPointF(em * double(text.size()), 2 * em);
    if (!QRectF(ToDevice(p_.transform(), topLeft), ToDevice(p_.transform(), far)).intersects(writer_->Clip())) return;
  }
  Flush();
  applied_.reset();
  const QFont font = CanvasFont(fontName, fontSize, bold);
  const ReportFontMetrics metrics(font);
  p_.setFont(font);
  p_.setPen(colour);
  p_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.Ascent()), text);
}

void CanvasPainter::RotatedText(double x, double y, const QString& text, const QColor& colour, double fontSize,
                                bool bold, double angle) {
  Flush();
  const QTransform unturned = p_.transform();
  const QPointF topLeft = ToUnits(x, y);
  p_.translate(topLeft);
  p_.rotate(-angle);  // the canvas's y runs downwards
  p_.translate(-topLeft);
  Text(x, y, text, colour, fontSize, bold);
  p_.setTransform(unturned);
}

}  // namespace tvk
