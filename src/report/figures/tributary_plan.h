#pragma once
// The plan of one storey with the floor area each column carries (report chapter 5.2):
// every column's area in a light tint of its own, the lines between the areas, the area in
// m² at the column, and a column that carries more than it may (NG) in red on a red tint.

#include <QColor>
#include <QString>
#include <vector>

#include "engine/column_size.h"
#include "report/figures/figure_fonts.h"

namespace tvk {

class Building;
class PageSurface;

// Tints of the areas: neighbours differ; NG areas take their own.
inline constexpr int kTributaryTints = 6;
QColor TributaryTint(int colourClass);
QColor TributaryNgTint();
// The lines between the areas: colour and pen width (twips).
QColor TributaryLineColor();
inline constexpr int kTributaryLinePen = 20;

// "(1) 1 階柱の負担面積図 (数値は負担面積 m²)".
QString TributaryPlanTitle(int storey);

// Draws the storey's plan on the current page below chapterY (title, plan, legend) as the
// other report plans stand; columns: the check's columns (those of other storeys are
// skipped); fonts: the label sizes that place the grid names. Returns the y below the legend.
double DrawTributaryPlanPage(PageSurface& surface, const Building& building, int storey,
                             const std::vector<ColumnSizeColumn>& columns, double chapterY, const FigureFonts& fonts);

}  // namespace tvk
