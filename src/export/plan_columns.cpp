#include "engine/calc_results.h"
#include "engine/member_codes.h"
#include "export/label_space.h"
#include "export/plan_frame.h"
#include "export/plan_parts.h"
#include "model/building.h"

namespace tvk {

namespace {

// Hardware texts start this far right of the column point (as the report's, in plan mm).
constexpr double kHardwareOffset = 20;
// The grade and the column-top hardware stand with their tops this many text heights above
// the column point.
constexpr double kUpperLabelRise = 1.1;

bool IsThrough(const ColumnRec& column) { return column.ColKind == ColumnKind::Through || column.Through == 1; }

// The required grade to the upper left, the hardware placed at the column top to the upper
// right and at its bottom to the lower right; the placed texts only where they are set.
void AddLabels(PlanDrawing& drawing, LabelSpace& labels, const ColumnRec& column, DxfPoint p) {
  const double top = p.y + kUpperLabelRise * kDxfLabelHeight;
  const double right = p.x + kHardwareOffset;
  const auto add = [&](PlanLayer layer, const std::string& text, DxfPoint at, HAlign h) {
    if (text.empty()) return;
    const PlanText label{at, text, kDxfLabelHeight, h, VAlign::Top, 0};
    labels.Occupy(label);
    drawing.Text(layer, label);
  };
  add(PlanLayer::Grade, column.NeedGrade, {p.x, top}, HAlign::Right);
  add(PlanLayer::Hardware, column.TopHardware, {right, top}, HAlign::Left);
  add(PlanLayer::Hardware, column.BottomHardware, {right, p.y - kDxfColumnSide / 2}, HAlign::Left);
}

}  // namespace

void AddColumns(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels) {
  const Building& b = frame.building;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPoint& point = b.Point(i, j, frame.storey);
      if (!HasColumnAt(point)) continue;
      const DxfPoint p = frame.At(i, j);
      const int colour = frame.results.Column(i, j, frame.storey).overLimit != 0 ? kRed : kByLayer;
      const bool through = IsThrough(point.Column);
      const PlanLayer layer = through ? PlanLayer::ThroughColumn : PlanLayer::Column;
      drawing.Square(layer, p, kDxfColumnSide, colour);
      if (through) drawing.Circle(layer, p, kDxfThroughRadius, colour);
      AddLabels(drawing, labels, point.Column, p);
    }
  }
}

}  // namespace tvk
