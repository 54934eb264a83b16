#include "report/figures/plan_legend.h"

#include "report/figures/figure_draw.h"
#include "report/figures/figure_fonts.h"
#include "report/figures/plan_layers.h"
#include "report/figures/plan_symbols.h"
#include "report/figures/tributary_plan.h"
#include "report/surface/page_primitives.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

const QString kLegendTitle = QStringLiteral("【 凡例 】");
// Symbol box of a legend row, from the legend's left edge.
constexpr double kSymbolLeft = 0.3;
constexpr double kSymbolWidth = 1.0;
constexpr double kSymbolHalfHeight = 0.15;
constexpr double kTextLeft = 1.5;

void DrawLegendSymbol(PageSurface& surface, LegendSymbol symbol, double x1, double yc) {
  const double x2 = x1 + kSymbolWidth;
  const PagePoint mid{(x1 + x2) / 2, yc};
  // Brace symbols stand on their line: centre the whole symbol on the row.
  const double braceLine = yc + kBraceSymbolDepth / 2;
  switch (symbol) {
    case LegendSymbol::BraceRightUp:
      return DrawWallSymbol(surface, {x1, braceLine}, {x2, braceLine}, WallSymbol::BraceRightUp);
    case LegendSymbol::BraceLeftUp:
      return DrawWallSymbol(surface, {x1, braceLine}, {x2, braceLine}, WallSymbol::BraceLeftUp);
    case LegendSymbol::Crossed:
      return DrawWallSymbol(surface, {x1, braceLine}, {x2, braceLine}, WallSymbol::Crossed);
    case LegendSymbol::Sheathing:
      return DrawWallSymbol(surface, {x1, yc}, {x2, yc}, WallSymbol::Sheathing);
    case LegendSymbol::ThroughColumn:
      return DrawColumnSymbol(surface, mid, ColumnMark::Black, true);
    case LegendSymbol::ColumnOnBeam:
      DrawWallSymbol(surface, {x1, yc}, {x2, yc}, WallSymbol::Plain);
      return DrawColumnSymbol(surface, mid, ColumnMark::Black, false);
    case LegendSymbol::Floor:
    case LegendSymbol::Void: {
      const bool slab = symbol == LegendSymbol::Floor;
      const QColor grey = PaletteColor(kFigLightGrey);
      return PageRect(surface, x1, yc - kSymbolHalfHeight, kSymbolWidth, 2 * kSymbolHalfHeight,
                      slab ? kPenSolid : kPenNone, 1, grey, grey, slab ? kFillSolid : kFillDiagCross);
    }
    case LegendSymbol::Column:
      return DrawColumnSymbol(surface, mid, ColumnMark::Black, false);
    case LegendSymbol::RedColumn:
      return DrawColumnSymbol(surface, mid, ColumnMark::Red, false);
    case LegendSymbol::OpenColumn:
      return DrawColumnSymbol(surface, mid, ColumnMark::White, false);
    case LegendSymbol::LowerColumn:
      return DrawColumnSymbol(surface, mid, ColumnMark::LowerOpen, false);
    case LegendSymbol::Beam:
      return DrawWallSymbol(surface, {x1, yc}, {x2, yc}, WallSymbol::Plain);
    case LegendSymbol::TributaryArea: {
      const double top = yc - kSymbolHalfHeight;
      const double h = 2 * kSymbolHalfHeight;
      for (int k = 0; k < 2; ++k) {
        const QColor tint = TributaryTint(k);
        PageRect(surface, x1 + k * kSymbolWidth / 2, top, kSymbolWidth / 2, h, kPenNone, 0, tint, tint, kFillSolid);
      }
      return PageLine(surface, mid.x, top, mid.x, top + h, kPenSolid, kTributaryLinePen, TributaryLineColor());
    }
    case LegendSymbol::NgTributaryArea:
      PageRect(surface, x1, yc - kSymbolHalfHeight, kSymbolWidth, 2 * kSymbolHalfHeight, kPenNone, 0, TributaryNgTint(),
               TributaryNgTint(), kFillSolid);
      return DrawColumnSymbol(surface, mid, ColumnMark::Red, false);
  }
}

}  // namespace

double DrawLegendRows(PageSurface& surface, const LegendFrame& frame, const std::vector<LegendRow>& rows) {
  const FigText body{kFigBodyFace, kFigBodySize};
  DrawFigText(surface, body, {frame.x, frame.y}, kLegendTitle);
  const double textHeight = MeasureFigText(surface, body, kLegendTitle).height();
  double y = frame.y + frame.lp;
  for (const LegendRow& row : rows) {
    DrawLegendSymbol(surface, row.symbol, frame.x + kSymbolLeft, y + textHeight / 2);
    DrawFigText(surface, body, {frame.x + kTextLeft, y}, row.text);
    y += frame.lp;
  }
  return y;
}

std::vector<LegendRow> BearingWallLegendRows(int storey, int storeyCount) {
  QString beams = QStringLiteral("：１階柱･２階床梁");
  if (storey == 2) beams = QStringLiteral("：２階柱･２階小屋梁");
  // A one-storey building has roof beams over storey 1, no storey-2 floor.
  if (storeyCount == 1) beams = QStringLiteral("：１階柱･１階小屋梁");
  return {
      {LegendSymbol::BraceRightUp, QStringLiteral("：筋かい(右上がり)")},
      {LegendSymbol::BraceLeftUp, QStringLiteral("：筋かい(左上がり)")},
      {LegendSymbol::Crossed, QStringLiteral("：筋かい(たすき)")},
      {LegendSymbol::Sheathing, QStringLiteral("：面材")},
      {LegendSymbol::ThroughColumn, QStringLiteral("：通し柱")},
      {LegendSymbol::ColumnOnBeam, beams},
      {LegendSymbol::Floor, storey == 2 ? QStringLiteral("：２階床") : QStringLiteral("：１階床")},
      {LegendSymbol::Void, QStringLiteral("：吹抜け")},
  };
}

double DrawHardwareLegend(PageSurface& surface, const LegendFrame& frame, const FigureFonts& fonts) {
  const FigText body{kFigBodyFace, kFigBodySize};
  const QString indent = QStringLiteral("            　");
  DrawFigText(surface, body, {frame.x, frame.y},
              kLegendTitle + QStringLiteral("  ※配置金物は、配置指定がある場合のみ表示されます。"));
  DrawFigText(surface, body, {frame.x, frame.y + frame.lp},
              indent + QStringLiteral("■は、ＨＤ金物が必要な柱を示します。"));
  // The sample column stands under the "■" of the line above, its labels where the plan puts them.
  const FigText label{kFigLabelFace, double(fonts.planHardware)};
  const double squareCentre = MeasureFigText(surface, body, QStringLiteral("■")).width() / 2;
  const QString need = QStringLiteral("(必要金物)");
  const QSizeF needSize = MeasureFigText(surface, label, need);
  const double height = needSize.height();
  const PagePoint p{frame.x + MeasureFigText(surface, body, indent).width() + squareCentre,
                    frame.y + 2 * frame.lp + 1.1 * height + kPlanColumnSide};
  DrawColumnSymbol(surface, p, ColumnMark::Black, false);
  const double right = p.x + kPlanColumnSide / 2 + 0.05;
  DrawFigText(surface, label, {p.x - needSize.width(), p.y - 1.1 * height}, need);
  DrawFigText(surface, label, {right, p.y - 1.1 * height}, QStringLiteral("(柱頭 配置金物)"));
  DrawFigText(surface, label, {right, p.y + kPlanColumnSide / 2}, QStringLiteral("(柱脚 配置金物)"));
  return p.y + kPlanColumnSide / 2 + height + frame.lp;
}

}  // namespace tvk
