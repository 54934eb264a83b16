#include "report/grid_names.h"

#include "report/page_surface.h"

namespace tvk {

bool IsMainGridLine(int index, int divisions) { return divisions <= 1 || index % divisions == 1; }

FigText PlanGridNameStyle(bool mainLine) {
  return mainLine ? FigText{QStringLiteral("ＭＳ Ｐ明朝"), 8, true} : FigText{QStringLiteral("ＭＳ Ｐ明朝"), 6, false};
}

void DrawGridNames(PageSurface& surface, const std::vector<GridNameSpot>& spots, LabelPlacer& labels) {
  for (const bool mainPass : {true, false}) {
    for (const GridNameSpot& spot : spots) {
      if (spot.mainLine != mainPass || spot.text.isEmpty()) continue;
      PageBox box = spot.box;
      if (mainPass) {
        box = labels.Place({spot.box, spot.alternate});
      } else if (labels.IsFree(spot.box)) {
        labels.Occupy(spot.box);
      } else {
        continue;
      }
      DrawFigText(surface, spot.style, {box.x, box.y}, spot.text);
    }
  }
}

}  // namespace tvk
