#pragma once
// Texts of the figures: face, size, weight and colour given per call, positions in cm from
// the margin box. Each call leaves the surface state as it found it. Shapes use the page
// primitives (page_primitives.h).

#include <QColor>
#include <QSizeF>
#include <QString>
#include <initializer_list>

#include "report/figures/figure_geometry.h"

namespace tvk {

class PageSurface;

// Console palette entries the figures use.
inline constexpr int kFigBlack = 0;
inline constexpr int kFigLightGrey = 7;
inline constexpr int kFigRed = 12;  // pure red (255, 0, 0)
inline constexpr int kFigWhite = 15;
inline constexpr int kPenSolid = 0;
inline constexpr int kPenNone = 5;

// The report's body font and the face of the figure labels.
inline const QString kFigBodyFace = QStringLiteral("ＭＳ 明朝");
inline constexpr double kFigBodySize = 11;
inline const QString kFigLabelFace = QStringLiteral("ＭＳ Ｐ明朝");

struct FigText {
  QString face;
  double size = 7;  // points
  bool bold = false;
  int color = kFigBlack;
};

// A solid line and an unfilled closed outline through page points (pen width in twips).
void FigLine(PageSurface& surface, PagePoint a, PagePoint b, int penWidth, int color = kFigBlack);
void FigOutline(PageSurface& surface, std::initializer_list<PagePoint> points, int penWidth);

// Width and height of a one-line text in cm.
QSizeF MeasureFigText(PageSurface& surface, const FigText& style, const QString& text);
// A text with its top-left corner at topLeft (before rotation; angle counter-clockwise).
void DrawFigText(PageSurface& surface, const FigText& style, PagePoint topLeft, const QString& text, double angle = 0);
// A text on a white box that hides the lines behind it. Upright, the text's top-left corner
// is the box's; turned by 90 degrees it runs upwards from the box's bottom-left corner.
void DrawFigLabel(PageSurface& surface, const FigText& style, const PageBox& box, const QString& text,
                  double angle = 0);

}  // namespace tvk
