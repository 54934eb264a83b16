#include "ui/canvas/tributary_overlay.h"

#include <QPainter>

#include "editor/column_areas.h"
#include "editor/live_checks.h"
#include "model/building.h"
#include "report/figures/tributary_plan.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"

namespace tvk {

namespace {

constexpr int kTintAlpha = 96;
constexpr double kNgRing = 0.2;  // cm of the logical page
constexpr int kNgRingWidth = 2;

}  // namespace

QColor TributaryOverlay::AreaFill(int colourClass, ReadoutState state) {
  if (state == ReadoutState::Short) return QColor(255, 40, 40, 150);
  QColor tint = TributaryTint(colourClass);
  tint.setAlpha(kTintAlpha);
  return tint;
}

QColor TributaryOverlay::LineColour() { return QColor(230, 230, 230, 170); }

QColor TributaryOverlay::NgColour() { return QColor(255, 60, 60); }

void TributaryOverlay::Hide() {
  fills_.clear();
  lines_.clear();
  ng_.clear();
}

void TributaryOverlay::Show(const Building& building, const LiveColumns& live, double scale) {
  Hide();
  if (!building.Contains(GridPos{1, 1}, live.storey)) return;
  const PointCoord& origin = building.Coord(1, 1, live.storey);
  const double pitch = building.SubPitch();
  // Regions count sub-grid pitches from grid point (1, 1).
  auto units = [&](const GridXY& g) {
    const QPointF cm = PlanToPage(origin.x + g.x * pitch, origin.y + g.y * pitch, scale);
    return CanvasPainter::ToUnits(cm.x(), cm.y());
  };
  const std::vector<ReadoutState> states = ColumnStates(live);
  const std::vector<int> classes = ColourClasses(live.regions, kTributaryTints);
  auto stateOf = [&](size_t k) { return k < states.size() ? states[k] : ReadoutState::Unknown; };
  // Fill kTributaryTints: the NG areas.
  fills_.resize(kTributaryTints + 1);
  for (int k = 0; k < kTributaryTints; ++k) fills_[static_cast<size_t>(k)].fill = AreaFill(k, ReadoutState::Met);
  fills_.back().fill = AreaFill(0, ReadoutState::Short);
  for (const TributaryPiece& piece : live.regions.pieces) {
    const auto k = static_cast<size_t>(piece.column);
    FillPieces& f = stateOf(k) == ReadoutState::Short ? fills_.back() : fills_[static_cast<size_t>(classes[k])];
    f.starts.push_back(static_cast<int>(f.corners.size()));
    for (const GridXY& g : piece.outline) f.corners.push_back(units(g));
  }
  for (FillPieces& f : fills_) f.starts.push_back(static_cast<int>(f.corners.size()));
  lines_.reserve(live.regions.edges.size());
  for (const TributaryEdge& e : live.regions.edges) lines_.emplace_back(units(e.a), units(e.b));
  for (size_t k = 0; k < live.regions.columns.size(); ++k) {
    if (stateOf(k) != ReadoutState::Short) continue;
    const GridPos at = live.regions.columns[k].at;
    const PointCoord& c = building.Coord(at, live.storey);
    const QPointF cm = PlanToPage(c.x, c.y, scale);
    ng_.push_back(CanvasPainter::ToUnits(cm.x(), cm.y()));
  }
}

void TributaryOverlay::Paint(QPainter& painter) const {
  painter.save();
  painter.setPen(Qt::NoPen);
  for (const FillPieces& f : fills_) {
    painter.setBrush(f.fill);
    for (size_t k = 0; k + 1 < f.starts.size(); ++k) {
      painter.drawConvexPolygon(f.corners.data() + f.starts[k], f.starts[k + 1] - f.starts[k]);
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(LineColour(), 0));
  painter.drawLines(lines_.data(), static_cast<int>(lines_.size()));
  QPen ring(NgColour(), kNgRingWidth);
  ring.setCosmetic(true);
  painter.setPen(ring);
  const double radius = kNgRing * kUnitsPerCm;
  for (const QPointF& c : ng_) painter.drawEllipse(c, radius, radius);
  painter.restore();
}

}  // namespace tvk
