#include <algorithm>
#include <string>
#include <vector>

#include "export/label_space.h"
#include "export/plan_frame.h"
#include "export/plan_parts.h"
#include "model/building.h"
#include "model/line_names.h"

namespace tvk {

namespace {

// Below the plan: room for the labels under the columns of the first line, then the names.
constexpr double kXNameDrop = 400;
// Left of the plan: room for the grades left of the columns of the first line.
constexpr double kYNameShift = 700;
constexpr double kTitleDrop = 1000;
// Clear space kept either side of a name.
constexpr double kNamePad = 50;

struct NameSpot {
  PlanText text;
  bool main = true;
  double from = 0;  // the stretch along the plan's edge the name takes, padded
  double to = 0;
};

// Main names always; a sub-grid name only where it keeps clear of the names already placed.
void PlaceNames(PlanDrawing& drawing, const std::vector<NameSpot>& spots) {
  std::vector<const NameSpot*> placed;
  for (const bool mainPass : {true, false}) {
    for (const NameSpot& spot : spots) {
      if (spot.main != mainPass || spot.text.text.empty()) continue;
      const bool clear = std::none_of(placed.begin(), placed.end(), [&](const NameSpot* other) {
        return spot.from < other->to && other->from < spot.to;
      });
      if (!mainPass && !clear) continue;
      placed.push_back(&spot);
      drawing.Text(PlanLayer::GridName, spot.text);
    }
  }
}

NameSpot XName(const PlanFrame& frame, int i) {
  const bool main = IsMainGridLine(i, frame.building.Divisions());
  const double height = main ? kDxfMainNameHeight : kDxfSubNameHeight;
  const DxfPoint at{frame.At(i, 1).x, frame.origin.y - kXNameDrop};
  const std::string& name = frame.building.LineNameX(i);
  const double half = TextWidth(name, height) / 2 + kNamePad;
  return {{at, name, height, HAlign::Centre, VAlign::Top, 0}, main, at.x - half, at.x + half};
}

NameSpot YName(const PlanFrame& frame, int j) {
  const bool main = IsMainGridLine(j, frame.building.Divisions());
  const double height = main ? kDxfMainNameHeight : kDxfSubNameHeight;
  const DxfPoint at{frame.origin.x - kYNameShift, frame.At(1, j).y};
  const double half = height / 2 + kNamePad;
  return {{at, frame.building.LineNameY(j), height, HAlign::Right, VAlign::Middle, 0}, main, at.y - half, at.y + half};
}

}  // namespace

void AddGrid(PlanDrawing& drawing, const PlanFrame& frame) {
  const Building& b = frame.building;
  std::vector<NameSpot> xNames;
  for (int i = 1; i <= b.PointsX(); ++i) {
    drawing.Line(PlanLayer::Grid, frame.At(i, 1), frame.At(i, b.PointsY()));
    xNames.push_back(XName(frame, i));
  }
  std::vector<NameSpot> yNames;
  for (int j = 1; j <= b.PointsY(); ++j) {
    drawing.Line(PlanLayer::Grid, frame.At(1, j), frame.At(b.PointsX(), j));
    yNames.push_back(YName(frame, j));
  }
  PlaceNames(drawing, xNames);
  PlaceNames(drawing, yNames);
  const DxfPoint title{(frame.origin.x + frame.Far().x) / 2, frame.origin.y - kTitleDrop};
  drawing.Text(PlanLayer::Title,
               {title, std::to_string(frame.storey) + " 階構造伏図", kDxfTitleHeight, HAlign::Centre, VAlign::Top, 0});
}

}  // namespace tvk
