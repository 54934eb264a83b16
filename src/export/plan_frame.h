#pragma once
// Where one storey's plan stands in the exported file, and the sizes its symbols and texts
// take. Positions are millimetres from grid lines X1 and Y1 of the plan; symbols and texts are
// as large as the report's plan shows them on paper, at a scale of 1:100.

#include "export/plan_drawing.h"

namespace tvk {

class Building;
class CalcResults;

inline constexpr double kMmPerM = 1000;

inline constexpr double kDxfColumnSide = 120;      // column square
inline constexpr double kDxfThroughRadius = 132;   // circle around a through-column
inline constexpr double kDxfWallInset = 60;        // walls end at the column squares
inline constexpr double kDxfBraceDepth = 180;      // brace symbols beside the wall line
inline constexpr double kDxfSheathingHalf = 40;    // sheathing bar either side of the line
inline constexpr double kDxfLabelGap = 30;         // multipliers from their wall
inline constexpr double kDxfLabelHeight = 150;     // multipliers, grades, hardware
inline constexpr double kDxfMainNameHeight = 200;  // names of main grid lines
inline constexpr double kDxfSubNameHeight = 150;   // names of sub-grid lines
inline constexpr double kDxfTitleHeight = 350;

struct PlanFrame {
  const Building& building;
  const CalcResults& results;
  int storey = 1;
  DxfPoint origin;  // where grid lines X1 and Y1 cross

  // Grid point (i, j).
  DxfPoint At(int i, int j) const;
  // A plan position in metres from grid lines X1 and Y1; to the micrometre, so that the
  // single-precision noise of the model's coordinates does not reach the drawing.
  DxfPoint Spot(double x, double y) const;
  // The last grid point: the plan's width and depth.
  DxfPoint Far() const;
};

}  // namespace tvk
