#pragma once
// Legends under the plan figures and the transmission check page.

#include <QString>
#include <vector>

namespace tvk {

class PageSurface;
struct FigureFonts;

enum class LegendSymbol {
  BraceRightUp,
  BraceLeftUp,
  Crossed,
  Sheathing,
  ThroughColumn,
  ColumnOnBeam,
  Floor,
  Void,
  Column,
  RedColumn,
  LowerColumn,
  Beam,
  OpenColumn,       // an outer column of the column-area plan
  TributaryArea,    // two neighbouring column areas and the line between them
  NgTributaryArea,  // a red column on its red-tinted area
};

struct LegendRow {
  LegendSymbol symbol;
  QString text;
};

// Legend geometry in the body font: left edge, first line top, line pitch (cm).
struct LegendFrame {
  double x = 0;
  double y = 0;
  double lp = 0.5;
};

// "【 凡例 】" and one row per symbol; returns the y below the last row.
double DrawLegendRows(PageSurface& surface, const LegendFrame& frame, const std::vector<LegendRow>& rows);

// Rows of the bearing-wall plan of a storey.
std::vector<LegendRow> BearingWallLegendRows(int storey, int storeyCount);

// The hardware plan's legend: the two text lines and a column with its three label places.
double DrawHardwareLegend(PageSurface& surface, const LegendFrame& frame, const FigureFonts& fonts);

}  // namespace tvk
