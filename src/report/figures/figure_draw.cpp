#include "report/figures/figure_draw.h"

#include "report/surface/page_primitives.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

// Sets a text style for one call and puts the surface state back afterwards.
class TextStyleScope {
 public:
  TextStyleScope(PageSurface& surface, const FigText& style) : surface_(surface), saved_(surface.State()) {
    surface.SetFont(style.face, style.size, style.bold);
    surface.SetTextColor(PaletteColor(style.color));
    surface.SetTextAlign(TextAlign::Left);
    surface.SetAngle(0);
  }
  ~TextStyleScope() { surface_.SetState(saved_); }
  TextStyleScope(const TextStyleScope&) = delete;
  TextStyleScope& operator=(const TextStyleScope&) = delete;

 private:
  PageSurface& surface_;
  SurfaceState saved_;
};

}  // namespace

void FigLine(PageSurface& surface, PagePoint a, PagePoint b, int penWidth, int color) {
  PageLine(surface, a.x, a.y, b.x, b.y, kPenSolid, penWidth, PaletteColor(color));
}

void FigOutline(PageSurface& surface, std::initializer_list<PagePoint> points, int penWidth) {
  QPolygonF polygon;
  for (const PagePoint& p : points) polygon << QPointF(p.x, p.y);
  PagePolygon(surface, polygon, kPenSolid, penWidth, PaletteColor(kFigBlack), PaletteColor(kFigBlack), kFillNone);
}

QSizeF MeasureFigText(PageSurface& surface, const FigText& style, const QString& text) {
  TextStyleScope scope(surface, style);
  const QSizeF tw = surface.MeasureText(text);
  return {TwipsToCm(tw.width()), TwipsToCm(tw.height())};
}

void DrawFigText(PageSurface& surface, const FigText& style, PagePoint topLeft, const QString& text, double angle) {
  TextStyleScope scope(surface, style);
  surface.Text(topLeft.x, topLeft.y, text, 0, angle);
}

void DrawFigLabel(PageSurface& surface, const FigText& style, const PageBox& box, const QString& text, double angle) {
  PageRect(surface, box.x, box.y, box.w, box.h, kPenNone, 0, PaletteColor(kFigWhite), PaletteColor(kFigWhite),
           kFillSolid);
  DrawFigText(surface, style, {box.x, angle == 0 ? box.y : box.bottom()}, text, angle);
}

}  // namespace tvk
