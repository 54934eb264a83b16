#include "report/surface/page_primitives.h"

#include <QRegularExpression>
#include <array>

namespace tvk {
namespace {

// Puts back the surface's drawing state when a primitive ends, keeping the position the
// primitive moved to.
class StateGuard {
 public:
  explicit StateGuard(PageSurface& s) : surface_(s), saved_(s.State()) {}
  ~StateGuard() {
    SurfaceState restored = saved_;
    restored.x = surface_.State().x;
    restored.y = surface_.State().y;
    surface_.SetState(restored);
  }
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  PageSurface& surface_;
  SurfaceState saved_;
};

PenSpec MakePen(int style, int width, const QColor& color) {
  return PenSpec{PagePenStyle(style), double(std::max(0, width)), color};
}

void SetStyle(PageSurface& s, int penStyle, int penWidth, const QColor& penColor, const QColor& brushColor, int fill) {
  s.SetPen(MakePen(penStyle, penWidth, penColor));
  s.SetBrush(PageFill(fill, brushColor));
}

}  // namespace

Qt::PenStyle PagePenStyle(int code) {
  switch (code) {
    case 1:
      return Qt::DashLine;
    case 2:
      return Qt::DotLine;
    case 3:
      return Qt::DashDotLine;
    case 4:
      return Qt::DashDotDotLine;
    case 5:
      return Qt::NoPen;
    default:
      return Qt::SolidLine;
  }
}

BrushSpec PageFill(int fillCode, const QColor& color) {
  static constexpr std::array<Qt::BrushStyle, 8> kStyles{Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                                         Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                                         Qt::CrossPattern, Qt::DiagCrossPattern};
  if (fillCode < 1 || fillCode > int(kStyles.size())) return BrushSpec{Qt::NoBrush, color};
  return BrushSpec{kStyles[fillCode - 1], color};
}

QColor PaletteColor(int index) {
  static constexpr std::array<QRgb, 16> kPalette{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                 0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (index < 0 || index >= int(kPalette.size())) return Qt::black;
  return QColor::fromRgb(kPalette[index]);
}

QPolygonF ParsePolygonPoints(const QString& text) {
  static const QRegularExpression kSeparators(QStringLiteral("[\\s,]+"));
  const QStringList values = text.split(kSeparators, Qt::SkipEmptyParts);
  QPolygonF points;
  for (qsizetype i = 0; i + 1 < values.size(); i += 2) {
    points << QPointF(values[i].toDouble(), values[i + 1].toDouble());
  }
  return points;
}

void PageLine(PageSurface& s, double x1, double y1, double x2, double y2, int penStyle, int penWidth,
              const QColor& color) {
  PageLineTw(s, CmToTwips(x1), CmToTwips(y1), CmToTwips(x2), CmToTwips(y2), penStyle, penWidth, color);
}

void PageLineTw(PageSurface& s, double x1, double y1, double x2, double y2, int penStyle, int penWidth,
                const QColor& color) {
  StateGuard guard(s);
  s.SetPen(MakePen(penStyle, penWidth, color));
  s.LineTw(QPointF(x1, y1), QPointF(x2, y2));
}

void PageRect(PageSurface& s, double x, double y, double width, double height, int penStyle, int penWidth,
              const QColor& penColor, const QColor& brushColor, int fill) {
  StateGuard guard(s);
  SetStyle(s, penStyle, penWidth, penColor, brushColor, fill);
  s.Rect(x, y, width, height);
}

void PagePolygon(PageSurface& s, const QString& pointsTw, int penStyle, int penWidth, const QColor& penColor,
                 const QColor& brushColor, int fill) {
  StateGuard guard(s);
  SetStyle(s, penStyle, penWidth, penColor, brushColor, fill);
  s.PolygonTw(ParsePolygonPoints(pointsTw));
}

void PagePolygon(PageSurface& s, const QPolygonF& pointsCm, int penStyle, int penWidth, const QColor& penColor,
                 const QColor& brushColor, int fill) {
  QString text;
  for (const QPointF& p : pointsCm) text += QStringLiteral("%1 %2 ").arg(CmToTwips(p.x())).arg(CmToTwips(p.y()));
  PagePolygon(s, text, penStyle, penWidth, penColor, brushColor, fill);
}

void PageCircle(PageSurface& s, double x, double y, double radius, int penStyle, int penWidth, const QColor& penColor,
                const QColor& brushColor, int fill) {
  StateGuard guard(s);
  SetStyle(s, penStyle, penWidth, penColor, brushColor, fill);
  s.Circle(x, y, radius);
}

void PageText(PageSurface& s, const QString& text, double fontSize, double x, double y, double angle) {
  StateGuard guard(s);
  s.Paragraph(x, y, text, fontSize, angle);
}

void PageTextTw(PageSurface& s, const QString& text, double fontSize, double x, double y, double angle) {
  StateGuard guard(s);
  s.TextTw(x, y, text, fontSize, angle);
}

CharMetrics PageMeasureA(PageSurface& s) { return s.MeasureA(); }

}  // namespace tvk
