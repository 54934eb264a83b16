#pragma once
// The recorded form of report pages: each page is a list of drawing operations in twips
// (567 per cm) from the top-left corner of the paper, y downwards. The surface records them,
// the replay draws them onto any QPainter, and tests read them directly.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

#include "report/surface/report_fonts.h"

namespace tvk {

inline constexpr int kTwipsPerCm = 567;

// Pen of a recorded shape. width is in twips; 0 draws the thinnest line the device has.
struct PenSpec {
  Qt::PenStyle style = Qt::SolidLine;
  double width = 0;
  QColor color = Qt::black;
  bool operator==(const PenSpec&) const = default;
};

// Fill of a recorded shape. Qt::NoBrush leaves the inside empty. Hatch styles are drawn by
// the replay itself at a fixed spacing in page units, so they look alike on screen, paper
// and PDF.
struct BrushSpec {
  Qt::BrushStyle style = Qt::NoBrush;
  QColor color = Qt::black;
  bool operator==(const BrushSpec&) const = default;
};

// A text line with its top-left corner at pos (before rotation). angle is in degrees,
// counter-clockwise, about pos. font indexes PageDocument::fonts.
struct TextOp {
  QString text;
  QPointF pos;
  int font = 0;
  QColor color = Qt::black;
  double angle = 0;
};

struct LineOp {
  QPointF from;
  QPointF to;
  PenSpec pen;
};

struct RectOp {
  QRectF rect;
  PenSpec pen;
  BrushSpec brush;
};

// A closed polygon; a single point is kept as it was given.
struct PolygonOp {
  QPolygonF points;
  PenSpec pen;
  BrushSpec brush;
};

struct CircleOp {
  QPointF centre;
  double radius = 0;
  PenSpec pen;
  BrushSpec brush;
};

// A picture scaled into rect.
struct PictureOp {
  QImage image;
  QRectF rect;
};

using PageOp = std::variant<TextOp, LineOp, RectOp, PolygonOp, CircleOp, PictureOp>;

// Paper sizes the page setup knows (cm, portrait): A2 42 x 59.4, A3 29.7 x 42, A4 21 x 29.7,
// A5 14.8 x 21, B4 25.7 x 36.4, B5 18.2 x 25.7; User takes the size given with it.
enum class PaperCode { A2, A3, A4, A5, B4, B5, User };

// One recorded page. paperSize is in twips as oriented (landscape pages are wider than
// high); header and footer are the three-part texts ("left|centre|right") in force when the
// page was finished; their texts are also recorded as TextOps at the end of the page.
struct Page {
  PaperCode paper = PaperCode::A4;
  QSizeF paperSize;
  bool landscape = false;
  QString header;
  QString footer;
  std::vector<PageOp> ops;
};

// The recorded document: its pages and the fonts their texts use.
struct PageDocument {
  std::vector<Page> pages;
  std::vector<FontKey> fonts;

  const FontKey& FontOf(const TextOp& op) const { return fonts[op.font]; }
  // Every text of page index (0-based) in recording order.
  QStringList Texts(int pageIndex) const;
};

}  // namespace tvk
