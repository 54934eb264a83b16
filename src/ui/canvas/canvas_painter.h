#pragma once
// Canvas primitives: drawing on the plan canvas in centimetres of the logical page, with
// the origin at the page's bottom-left corner and y upwards. The QPainter handed in maps
// canvas units (567 per cm, y downwards, the whole logical page) onto its device; the
// primitives convert cm to canvas units to the nearest unit and flip y. Lines, boxes and
// points that follow one another in one style are drawn together (of the boxes, all the
// fills first, then all the outlines); the painter gets only the pen, brush and mode that
// differ from the last ones it had, and is back as it was found when the CanvasPainter
// ends, so callers never reset pens, brushes or fonts. Given the image the painter works
// on, the simplest shapes are written straight into it (canvas_pixels.h), pixel for pixel
// as the painter would draw them.
// Line widths count device pixels (a width of 0 or less draws 1 pixel wide), so lines keep
// their weight at every zoom. Text sizes are points on the logical page (1 pt = 20 units).

#include <QColor>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "editor/canvas_geometry.h"
#include "ui/canvas/canvas_pixels.h"

namespace tvk {

// Face of the canvas texts (grid line names, sheathing labels).
inline constexpr const char* kCanvasFace = "ＭＳ ゴシック";

struct CanvasPen {
  Qt::PenStyle style = Qt::SolidLine;
  int width = 1;
  QColor colour = QColor(255, 255, 255);

  bool operator==(const CanvasPen&) const = default;
};

struct CanvasFill {
  Qt::BrushStyle style = Qt::NoBrush;
  QColor colour = QColor(0, 0, 0);

  bool operator==(const CanvasFill&) const = default;
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

  explicit CanvasPainter(QPainter& painter);
  // Drawing on `image`, the painter's device, within `clip` (device pixels), the painter's
  // clip too.
  CanvasPainter(QPainter& painter, QImage& image, const QRect& clip);
  ~CanvasPainter();
  CanvasPainter(const CanvasPainter&) = delete;
  CanvasPainter& operator=(const CanvasPainter&) = delete;

  // Canvas units of a position in cm.
  static QPointF ToUnits(double x, double y) { return {CmToUnits(x), kCanvasHeight - CmToUnits(y)}; }

  void Circle(double x, double y, double radius, const CanvasPen& pen, const CanvasFill& fill, Mode mode = kCopy);
  // A rectangle between two opposite corners.
  void Box(double x1, double y1, double x2, double y2, const CanvasPen& pen, const CanvasFill& fill, Mode mode = kCopy);
  void Line(double x1, double y1, double x2, double y2, const CanvasPen& pen, Mode mode = kCopy);
  // Lines in one pen, each between two positions in cm.
  void Lines(std::span<const QLineF> lines, const CanvasPen& pen, Mode mode = kCopy);
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
  // To the nearest unit, halves to even, as the editor snaps grid points (RoundHalfEven):
  // adding and taking away 1.5 x 2^52 rounds so in the default rounding mode.
  static double CmToUnits(double cm) {
    constexpr double kRounder = 6755399441055744.0;
    const double units = cm * kUnitsPerCm;
    return std::abs(units) < 1.0e9 ? (units + kRounder) - kRounder : FarUnits(units);
  }
  static double FarUnits(double units);

  // What is waiting to be drawn in the current style.
  enum class Batch { None, Lines, Boxes, Points };
  struct Style {
    CanvasPen pen;
    CanvasFill fill;
    Mode mode = kCopy;

    bool operator==(const Style&) const = default;
  };

  void Use(Batch batch, const Style& style);
  // Gives the painter the current style.
  void Apply();
  void Flush();
  void FlushLines();
  void FlushBoxes();
  void FlushPoints();
  // The pixel writer, when shapes in the current style may be written straight into the image.
  PixelWriter* Writer();

  QPainter& p_;
  std::optional<PixelWriter> writer_;
  Batch batch_ = Batch::None;
  Style style_;
  std::optional<Style> applied_;  // what the painter has, when known
  std::vector<QLineF> lines_;
  std::vector<QRectF> boxes_;
  std::vector<QRect> outlines_;          // of the boxes being drawn: device pixels
  std::vector<QRectF> painterOutlines_;  // those left to the painter
  std::vector<QPointF> points_;
};

}  // namespace tvk
