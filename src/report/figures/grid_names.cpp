#include "report/figures/grid_names.h"

#include "report/surface/page_surface.h"

namespace tvk {

namespace {

// Clear space kept on either side of a name, so that neighbouring names never run together.
constexpr double kNamePad = 0.05;

PageBox Padded(const PageBox& box) { return {box.x - kNamePad, box.y, box.w + 2 * kNamePad, box.h}; }

}  // namespace

FigText PlanGridNameStyle(bool mainLine) {
  return mainLine ? FigText{kFigLabelFace, 8, true} : FigText{kFigLabelFace, 6, false};
}

GridNameSpot MakeGridNameSpot(PageSurface& surface, const std::string& name, const FigText& style, bool mainLine,
                              PagePoint anchor, NameAnchor placing) {
  GridNameSpot spot;
  spot.mainLine = mainLine;
  spot.style = style;
  spot.text = QString::fromStdString(name);
  const QSizeF size = MeasureFigText(surface, style, spot.text);
  if (placing == NameAnchor::TopCentre) {
    spot.box = {anchor.x - size.width() / 2, anchor.y, size.width(), size.height()};
    spot.alternate = spot.box;
    spot.alternate.y += size.height();
  } else {
    spot.box = {anchor.x - size.width(), anchor.y - size.height() / 2, size.width(), size.height()};
    spot.alternate = spot.box;
  }
  return spot;
}

void DrawGridNames(PageSurface& surface, const std::vector<GridNameSpot>& spots, LabelPlacer& labels) {
  for (const bool mainPass : {true, false}) {
    for (const GridNameSpot& spot : spots) {
      if (spot.mainLine != mainPass || spot.text.isEmpty()) continue;
      PageBox box = Padded(spot.box);
      if (mainPass) {
        box = labels.Place({box, Padded(spot.alternate)});
      } else if (labels.IsFree(box)) {
        labels.Occupy(box);
      } else {
        continue;
      }
      DrawFigText(surface, spot.style, {box.x + kNamePad, box.y}, spot.text);
    }
  }
}

}  // namespace tvk
