#pragma once
// Wall and column symbols of the plan figures, shared by the plan layers and their legends.

#include "engine/wall_members.h"
#include "report/figures/column_marks.h"
#include "report/figures/figure_geometry.h"

namespace tvk {

class PageSurface;

// Height of the brace symbols and half-thickness of the sheathing symbol (cm).
inline constexpr double kBraceSymbolDepth = 0.18;
inline constexpr double kSheathingHalfWidth = 0.04;

// A wall from a (lower grid index) to b (higher index): the line and its symbol. Brace
// symbols stand on the side to the left of the direction a -> b (above an X wall, left of a
// Y wall).
void DrawWallSymbol(PageSurface& surface, PagePoint a, PagePoint b, WallSymbol symbol);

// A column square centred at p, with the through-column circle when asked.
void DrawColumnSymbol(PageSurface& surface, PagePoint p, ColumnMark mark, bool through);

}  // namespace tvk
