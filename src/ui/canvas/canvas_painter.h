#pragma once
// Canvas primitives: drawing on the plan canvas in centimetres of the logical page, with
// the origin at the page's bottom-left corner and y upwards. The QPainter handed in maps
// canvas units (567 per cm, y downwards, the whole logical page) onto its device; the
// primitives convert cm to canvas units to the nearest unit and flip y. Every primitive
// puts the painter back as it found it, so callers never reset pens, brushes or fonts.
// Line widths count device pixels (a width of 0 or less draws 1 pixel wide), so lines keep
// their weight at every zoom. Text sizes are points on the logical page (1 pt = 20 units).

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace tvk {

// Face of the canvas texts (grid line names, sheathing labels).
inline constexpr const char* kCanvasFace = "ＭＳ ゴシック";

struct CanvasPen {
  Qt::PenStyle style = Qt::SolidLine;
  int width = 1;
  QColor colour = Qt::white;
};

struct CanvasFill {
  Qt::BrushStyle style = Qt::NoBrush;
  QColor colour = Qt::black;
};

// Width and height in cm.
struct CmSize {
  double width = 0;
  double height = 0;
};

class CanvasPainter {
 public:
  using Mode = QPainter::CompositionMode;
  static constexpr Mode kCopy = QPainter::CompositionMode_SourceOver;

  explicit CanvasPainter(QPainter& painter) : p_(painter) {}

  // Canvas units of a position in cm.
  static QPointF ToUnits(double x, double y);

  void Circle(double x, double y, double radius, const CanvasPen& pen, const CanvasFill& fill, Mode mode = kCopy);
  // A rectangle between two opposite corners.
  void Box(double x1, double y1, double x2, double y2, const CanvasPen& pen, const CanvasFill& fill, Mode mode = kCopy);
  void Line(double x1, double y1, double x2, double y2, const CanvasPen& pen, Mode mode = kCopy);
  // A solid line between two points already in canvas units (no conversion, no flip).
  void LineUnits(QPointF from, QPointF to, int width, const QColor& colour, Mode mode = kCopy);
  // One device pixel.
  void Point(double x, double y, const QColor& colour);

  // Width and height of "A" in the canvas face at a size.
  static CmSize Measure(double fontSize);
  // Width and height of a text (its widest line, one text height per line).
  static CmSize MeasureText(const QString& text, double fontSize, bool bold = false);
  // Text with its top-left corner at (x, y).
  void Text(double x, double y, const QString& text, const QColor& colour, double fontSize, bool bold = false,
            const QString& fontName = QString::fromUtf8(kCanvasFace));
  // Text turned counter-clockwise by an angle in degrees about its top-left corner.
  void RotatedText(double x, double y, const QString& text, const QColor& colour, double fontSize, bool bold,
                   double angle);

 private:
  QPainter& p_;
};

}  // namespace tvk
