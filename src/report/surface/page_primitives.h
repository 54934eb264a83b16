#pragma once
// Page primitives: the surface's operations in the style of the canvas primitives —
// positions in cm from the margin corner (y down), pen and fill given with every call.
// Each primitive leaves the surface's drawing state as it found it; only a paragraph moves
// the current y.
//
// Codes:
// - pen style: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none, 6 solid (inside
//   frame); any other code draws solid. Pen width in twips (0: the thinnest line).
// - fill code: 0 no fill; k >= 1 fills with brush style k - 1 in the brush colour, the brush
//   styles being 0 solid, 1 transparent, 2 horizontal, 3 vertical, 4 forward diagonal (\),
//   5 backward diagonal (/), 6 cross, 7 diagonal cross. So fill 1 is solid and fill 8
//   (kFillDiagCross) the diagonal cross-hatch of voids.
// - colours: any QColor; PaletteColor gives the sixteen console colours (0 black ... 15 white).

#include <QColor>
#include <QPolygonF>
#include <QString>

#include "report/surface/page_surface.h"

namespace tvk {

inline constexpr int kFillNone = 0;
inline constexpr int kFillSolid = 1;
inline constexpr int kFillDiagCross = 8;

Qt::PenStyle PagePenStyle(int code);
BrushSpec PageFill(int fillCode, const QColor& color);
// Colour of the sixteen-colour console palette (0 black, 7 light grey, 11 bright cyan,
// 12 bright red, 15 white); indexes outside 0..15 give black.
QColor PaletteColor(int index);

// Points "x1 y1 x2 y2 ..." in twips (separators: spaces or commas) as a polygon; a dangling
// x without its y is dropped.
QPolygonF ParsePolygonPoints(const QString& text);

void PageLine(PageSurface& s, double x1, double y1, double x2, double y2, int penStyle, int penWidth,
              const QColor& color);
void PageLineTw(PageSurface& s, double x1, double y1, double x2, double y2, int penStyle, int penWidth,
                const QColor& color);
void PageRect(PageSurface& s, double x, double y, double width, double height, int penStyle, int penWidth,
              const QColor& penColor, const QColor& brushColor, int fill);
// Closed polygon from points in twips given as text (see ParsePolygonPoints), or in cm.
void PagePolygon(PageSurface& s, const QString& pointsTw, int penStyle, int penWidth, const QColor& penColor,
                 const QColor& brushColor, int fill);
void PagePolygon(PageSurface& s, const QPolygonF& pointsCm, int penStyle, int penWidth, const QColor& penColor,
                 const QColor& brushColor, int fill);
void PageCircle(PageSurface& s, double x, double y, double radius, int penStyle, int penWidth, const QColor& penColor,
                const QColor& brushColor, int fill);
// Text as a paragraph at (x, y) cm: the current y moves to the line below it.
void PageText(PageSurface& s, const QString& text, double fontSize, double x, double y, double angle);
// Text as a bare string at (x, y) twips.
void PageTextTw(PageSurface& s, const QString& text, double fontSize, double x, double y, double angle);
// Character width and line pitch of "A" in the current font, in cm.
CharMetrics PageMeasureA(PageSurface& s);

}  // namespace tvk
