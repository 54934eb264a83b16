#include "report/figures/plan_symbols.h"

#include <cmath>

#include "model/grid_point.h"
#include "report/figures/figure_draw.h"
#include "report/figures/plan_layers.h"
#include "report/surface/page_primitives.h"

namespace tvk {

namespace {

constexpr int kWallPen = 10;
constexpr int kColumnPen = 5;
// Storey-1 columns on the check page: a larger open square around the storey-2 square.
constexpr double kLowerColumnSide = 0.22;

PagePoint Offset(PagePoint p, PagePoint n, double k) { return {p.x + n.x * k, p.y + n.y * k}; }

void Square(PageSurface& surface, PagePoint p, double side, int pen, int penColor, int fillColor) {
  PageRect(surface, p.x - side / 2, p.y - side / 2, side, side, kPenSolid, pen, PaletteColor(penColor),
           PaletteColor(fillColor), kFillSolid);
}

}  // namespace

void DrawWallSymbol(PageSurface& surface, PagePoint a, PagePoint b, WallSymbol symbol) {
  FigLine(surface, a, b, kWallPen);
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length <= 0) return;
  // Unit normal to the left of a -> b as the page shows it (y grows downwards).
  const PagePoint n{(b.y - a.y) / length, -(b.x - a.x) / length};
  const PagePoint aUp = Offset(a, n, kBraceSymbolDepth);
  const PagePoint bUp = Offset(b, n, kBraceSymbolDepth);
  switch (symbol) {
    case WallSymbol::Plain:
      break;
    case WallSymbol::BraceRightUp:
      FigOutline(surface, {a, b, bUp}, kWallPen);
      break;
    case WallSymbol::BraceLeftUp:
      FigOutline(surface, {a, b, aUp}, kWallPen);
      break;
    case WallSymbol::Crossed:
      FigOutline(surface, {a, b, bUp, aUp}, kWallPen);
      FigLine(surface, a, bUp, kWallPen);
      FigLine(surface, b, aUp, kWallPen);
      break;
    case WallSymbol::Sheathing:
      FigOutline(surface,
                 {Offset(a, n, -kSheathingHalfWidth), Offset(b, n, -kSheathingHalfWidth),
                  Offset(b, n, kSheathingHalfWidth), Offset(a, n, kSheathingHalfWidth)},
                 kWallPen);
      break;
  }
}

void DrawColumnSymbol(PageSurface& surface, PagePoint p, ColumnMark mark, bool through) {
  if (mark == ColumnMark::LowerOpen) {
    Square(surface, p, kLowerColumnSide, kWallPen, kFigBlack, kFigWhite);
    return;
  }
  const int colour = mark == ColumnMark::Red ? kFigRed : kFigBlack;
  if (through) {
    PageCircle(surface, p.x, p.y, kPlanThroughRadius, kPenSolid, kColumnPen, PaletteColor(colour), PaletteColor(colour),
               kFillNone);
  }
  Square(surface, p, kPlanColumnSide, kColumnPen, colour, mark == ColumnMark::White ? kFigWhite : colour);
}

}  // namespace tvk
