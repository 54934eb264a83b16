#include "ui/canvas/check_overlays.h"

#include <QPainter>

#include "editor/column_areas.h"
#include "editor/document.h"
#include "ui/canvas/canvas_painter.h"

namespace tvk {

void CheckOverlays::SetShown(CheckOverlay which, bool shown) {
  shown_[Index(which)] = shown;
  if (shown) return;
  if (which == CheckOverlay::Quarters) quarters_.Hide();
  if (which == CheckOverlay::Tributaries) tributaries_.Hide();
}

void CheckOverlays::Refresh(const Document& document, int storey, double scale) {
  if (Shown(CheckOverlay::Quarters)) {
    const std::optional<LiveChecks> live = document.liveChecks(storey);
    quarters_.Show(live ? QuarterBands(document.building(), live->plan, live->quarters) : std::vector<QuarterBand>{},
                   scale);
  }
  if (Shown(CheckOverlay::Tributaries)) tributaries_.Show(document.building(), document.liveColumns(storey), scale);
}

void CheckOverlays::Clear() {
  quarters_.Hide();
  tributaries_.Hide();
}

void CheckOverlays::Paint(QPainter& painter) const {
  // Areas under the strips: the strips' labels stay readable.
  if (Shown(CheckOverlay::Tributaries)) tributaries_.Paint(painter);
  if (Shown(CheckOverlay::Quarters)) {
    CanvasPainter canvas(painter);
    quarters_.Paint(canvas);
  }
}

QString CheckOverlays::ToolTipAt(const Document& document, int storey, const CanvasGeometry& geometry,
                                 CanvasPos at) const {
  if (!Shown(CheckOverlay::Tributaries)) return {};
  return QString::fromStdString(ColumnAreaTooltip(document.building(), document.liveColumns(storey), geometry, at));
}

}  // namespace tvk
