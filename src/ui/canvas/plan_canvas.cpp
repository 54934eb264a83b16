#include "ui/canvas/plan_canvas.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "editor/member_tooltip.h"
#include "editor/side_controls.h"
#include "model/building.h"
#include "model/quasi_walls.h"
#include "ui/canvas/canvas_cursor.h"
#include "ui/canvas/canvas_layers.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_region.h"
#include "ui/canvas/palette16.h"

namespace tvk {
namespace {

constexpr double kWheelNotch = 120;  // angle delta of one wheel notch

}  // namespace

PlanCanvas::PlanCanvas(Document& document, StateSource state, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(document),
      b_(document.building()),
      state_(std::move(state)),
      image_(1, 1, QImage::Format_RGB32) {
  image_.fill(Qt::black);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setFrameShape(QFrame::NoFrame);
  doc_.addView(*this);
}

PlanCanvas::~PlanCanvas() { doc_.removeView(*this); }

// ---- view settings --------------------------------------------------------------

void PlanCanvas::setZoom(double factor) { zoomAt(factor, viewportCentre()); }

void PlanCanvas::zoomAt(double factor, QPointF viewportPos) {
  zoom_ = factor > 0 ? factor : 1.0;
  fitView(viewportPos);
  fullRedraw();
}

void PlanCanvas::setHideCentres(bool hide) {
  hideCentres_ = hide;
  if (!hide) updateEccentricityMarks();
  viewport()->update();
}

void PlanCanvas::setOverlayShown(CheckOverlay which, bool shown) {
  overlays_.SetShown(which, shown);
  refreshOverlays();
}

void PlanCanvas::deleteModeChanged() {
  syncCursor();
  fullRedraw();  // the line names change colour
}

// ---- what the editor and the document ask ----------------------------------------

void PlanCanvas::documentChanging(const DocumentChange& change) {
  if (change.scope == DocumentChange::Scope::Area && change.removes) eraseRect(change.rect);
}

void PlanCanvas::documentChanged(const DocumentChange& change) {
  if (!change.ShowsOnPlan()) {
    refreshOverlays();  // the building profile may have changed
    return;
  }
  if (change.scope == DocumentChange::Scope::Area) {
    drawRect(change.rect);
  } else {
    fullRedraw();
  }
  updateEccentricityMarks();
}

void PlanCanvas::drawRubberBand(const RubberBand& band) { toggleBand(band); }

void PlanCanvas::eraseRubberBand(const RubberBand& band) { toggleBand(band); }

void PlanCanvas::toggleBand(const RubberBand& band) {
  const auto shown = std::find(bands_.begin(), bands_.end(), band);
  if (shown != bands_.end()) {
    bands_.erase(shown);
  } else {
    bands_.push_back(band);
  }
  viewport()->update();
}

void PlanCanvas::eraseRect(const GridRect& rect) {
  if (!hasGrid()) return;
  const QRectF area = CanvasRedrawArea(CanvasPlan{b_, scale_, style()}, rect);
  QPainter painter(&image_);
  painter.fillRect(boxPixels(area), Qt::black);
  pendingErase_ = pendingErase_.united(area);
  viewport()->update();
}

void PlanCanvas::drawRect(const GridRect& rect) {
  if (!hasGrid()) return;
  repaintArea(pendingErase_.united(CanvasRedrawArea(CanvasPlan{b_, scale_, style()}, rect)));
  pendingErase_ = QRectF();
}

void PlanCanvas::fullRedraw() {
  otherWallsStorey_ = state().OtherStoreyWalls ? 3 - state().Storey : 0;
  if (hasGrid()) scale_ = PlanScale(b_);
  fitView(viewportCentre());
  pendingErase_ = QRectF();
  repaintAll();
  showQuasiWalls();
}

void PlanCanvas::showOtherStoreyWalls(int storey, bool shown) {
  otherWallsStorey_ = shown ? storey : 0;
  repaintAll();
}

void PlanCanvas::updateEccentricityMarks() {
  if (hasGrid()) marks_.Show(doc_.balance(style().storey), scale_);
  refreshOverlays();
}

void PlanCanvas::refreshOverlays() {
  if (hasGrid()) {
    overlays_.Refresh(doc_, style().storey, scale_);
  } else {
    overlays_.Clear();
  }
  showQuasiWalls();
}

void PlanCanvas::showQuasiWalls() {
  // Most plans have none: their checks are not worked out for nothing.
  const std::optional<LiveChecks> live =
      hasGrid() && HasQuasiWalls(b_) ? doc_.liveChecks(style().storey) : std::nullopt;
  if (live) {
    quasi_.Show(CanvasPlan{b_, scale_, style()}, live->quasi);
  } else {
    quasi_.Hide();
  }
  viewport()->update();
}

// ---- inspection -----------------------------------------------------------------

QImage PlanCanvas::viewImage() const {
  QImage view = image_.copy();
  QPainter painter(&view);
  paintOverlays(painter);
  return view;
}

CanvasPos PlanCanvas::toCanvas(QPointF viewportPos) const {
  const QPointF box = viewportPos + scrollOffset();
  return view_.ToUnits(box.x(), box.y());
}

QPointF PlanCanvas::toViewport(CanvasPos at) const {
  const auto [x, y] = view_.ToBox(at);
  return QPointF(x, y) - scrollOffset();
}

QString PlanCanvas::toolTipAt(QPointF viewportPos) const {
  if (!hasGrid()) return {};
  const CanvasPos at = toCanvas(viewportPos);
  const QuasiWalls none;
  const std::optional<LiveChecks> live = HasQuasiWalls(b_) ? doc_.liveChecks(style().storey) : std::nullopt;
  const QString members = QString::fromStdString(MemberTooltip(b_, state(), geometry(), at, live ? live->quasi : none));
  const QString area = overlays_.ToolTipAt(doc_, style().storey, geometry(), at);
  return members.isEmpty() || area.isEmpty() ? members + area : members + "\n" + area;
}

// ---- drawing --------------------------------------------------------------------

bool PlanCanvas::hasGrid() const {
  const size_t points = size_t(std::max(0, b_.PointsX())) * size_t(std::max(0, b_.PointsY())) * size_t(b_.Levels());
  return b_.SpansX() >= 1 && b_.SpansY() >= 1 && b_.Storeys() >= 1 && b_.SubPitch() > 0 &&
         b_.Points().size() == points && b_.Coords().size() == points;
}

bool PlanCanvas::deleteModeActive() const { return EditModeFor(state().Toggles) != EditMode::Place; }

CanvasPlanStyle PlanCanvas::style() const {
  CanvasPlanStyle s;
  s.storey = std::clamp(state().Storey, 1, std::max(1, b_.Storeys()));
  s.category = state().InputCategory;
  s.showAll = state().ShowAll;
  s.deleteMode = deleteModeActive();
  s.zoom = zoom_;
  s.otherWallsStorey = otherWallsStorey_;
  return s;
}

QTransform PlanCanvas::unitsToBox() const {
  return QTransform(view_.scale, 0, 0, view_.scale, view_.offsetX, view_.offsetY);
}

QRect PlanCanvas::boxPixels(const QRectF& units) const {
  return unitsToBox().mapRect(units).toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image_.rect());
}

void PlanCanvas::repaintAll() { repaintPixels(image_.rect(), QRectF(0, 0, kCanvasWidth, kCanvasHeight)); }

void PlanCanvas::repaintArea(const QRectF& units) { repaintPixels(boxPixels(units), units); }

void PlanCanvas::repaintPixels(const QRect& pixels, const QRectF& units) {
  QPainter painter(&image_);
  painter.setClipRect(pixels);
  painter.fillRect(pixels, Qt::black);
  if (hasGrid()) {
    painter.setTransform(unitsToBox());
    CanvasPainter canvas(painter, image_, pixels);
    const CanvasPlan plan{b_, scale_, style()};
    DrawCanvasPlan(canvas, plan, PointsReaching(plan, units));
  }
  viewport()->update();
}

void PlanCanvas::paintOverlays(QPainter& painter) const {
  painter.save();
  painter.setClipRect(image_.rect(), Qt::IntersectClip);
  painter.setTransform(unitsToBox(), true);
  {
    // Plan members under the option overlays; done before they draw.
    CanvasPainter walls(painter);
    quasi_.Paint(walls);
  }
  overlays_.Paint(painter);
  CanvasPainter canvas(painter);
  if (!hideCentres_) marks_.Paint(canvas);
  for (const RubberBand& band : bands_) {
    const QColor colour = PaletteColor(band.colour);
    const auto xor_ = QPainter::RasterOp_SourceXorDestination;
    if (band.shape == BandShape::Line) {
      canvas.LineUnits(QPointF(band.from.x, band.from.y), QPointF(band.to.x, band.to.y), kRubberBandWidth, colour,
                       xor_);
    } else {
      auto cm = [](CanvasPos p) { return QPointF(p.x / kUnitsPerCm, (kCanvasHeight - p.y) / kUnitsPerCm); };
      const QPointF a = cm(band.from);
      const QPointF c = cm(band.to);
      canvas.Box(a.x(), a.y(), c.x(), c.y(), CanvasPen{Qt::SolidLine, kRubberBandWidth, colour}, CanvasFill{}, xor_);
    }
  }
  painter.restore();
}

// ---- box, scrolling, events -----------------------------------------------------

void PlanCanvas::fitView(QPointF anchor) {
  const CanvasPos kept = toCanvas(anchor);
  const QSize port = viewport()->size();
  const CanvasView next =
      CanvasView::Fit(hasGrid() ? PlanContent(b_) : WholePage(), port.width(), port.height(), zoom_);
  if (next == view_ && image_.size() == QSize(next.width, next.height)) return;
  view_ = next;
  image_ = QImage(view_.width, view_.height, QImage::Format_RGB32);
  updateScrollBars();
  const auto [x, y] = ScrollToShow(view_, kept, anchor.x(), anchor.y(), port.width(), port.height());
  scrollTo(x, y);
}

QPointF PlanCanvas::viewportCentre() const { return QRectF(viewport()->rect()).center(); }

void PlanCanvas::updateScrollBars() {
  const QSize port = viewport()->size();
  // The arrows step, like a wheel notch, about one grid.
  const int grid = hasGrid() ? std::max(1, int(GridPixels(b_, view_))) : 1;
  horizontalScrollBar()->setRange(0, std::max(0, image_.width() - port.width()));
  horizontalScrollBar()->setPageStep(port.width());
  horizontalScrollBar()->setSingleStep(grid);
  verticalScrollBar()->setRange(0, std::max(0, image_.height() - port.height()));
  verticalScrollBar()->setPageStep(port.height());
  verticalScrollBar()->setSingleStep(grid);
}

void PlanCanvas::scrollTo(int x, int y) {
  horizontalScrollBar()->setValue(x);
  verticalScrollBar()->setValue(y);
}

QPointF PlanCanvas::scrollOffset() const {
  return QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void PlanCanvas::syncCursor() {
  const bool wanted = deleteModeActive();
  if (wanted == deleteCursor_) return;
  deleteCursor_ = wanted;
  if (!panning_) showEditCursor();
}

void PlanCanvas::showEditCursor() {
  if (deleteCursor_) {
    viewport()->setCursor(DeleteCursor());
  } else {
    viewport()->unsetCursor();
  }
}

void PlanCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setClipRegion(event->region());
  painter.translate(-scrollOffset());
  painter.drawImage(QPointF(0, 0), image_);
  paintOverlays(painter);
}

void PlanCanvas::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  fullRedraw();
}

void PlanCanvas::scrollContentsBy(int, int) { viewport()->update(); }

void PlanCanvas::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  syncCursor();
  if (event->button() == Qt::MiddleButton) {
    panning_ = true;
    panFrom_ = event->position();
    panScroll_ = scrollOffset().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
    return;
  }
  const QPointF box = event->position() + scrollOffset();
  if (!image_.rect().contains(box.toPoint())) return;
  if (event->button() == Qt::LeftButton) emit pressed(MouseButton::Left, toCanvas(event->position()));
  if (event->button() == Qt::RightButton) emit pressed(MouseButton::Right, toCanvas(event->position()));
}

void PlanCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    const QPointF moved = event->position() - panFrom_;
    scrollTo(panScroll_.x() - int(std::lround(moved.x())), panScroll_.y() - int(std::lround(moved.y())));
    return;
  }
  syncCursor();
  const QPointF box = event->position() + scrollOffset();
  if (image_.rect().contains(box.toPoint())) emit moved(toCanvas(event->position()));
}

void PlanCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::MiddleButton || !panning_) return;
  panning_ = false;
  showEditCursor();
}

void PlanCanvas::wheelEvent(QWheelEvent* event) {
  event->accept();
  const QPoint delta = event->angleDelta();
  if (event->modifiers() & Qt::ControlModifier) {
    // Whole notches only: a touchpad sends a notch in small parts.
    wheelZoom_ += delta.y();
    const int steps = wheelZoom_ / int(kWheelNotch);
    wheelZoom_ -= steps * int(kWheelNotch);
    const double factor = ZoomStep(zoom_, steps);
    if (factor == zoom_) return;
    zoomAt(factor, event->position());
    emit zoomChanged(factor);
    return;
  }
  if (!hasGrid()) return;
  const double grid = GridPixels(b_, view_);
  const bool across = (event->modifiers() & Qt::ShiftModifier) && delta.x() == 0;
  const double dx = (across ? delta.y() : delta.x()) / kWheelNotch * grid;
  const double dy = (across ? 0 : delta.y()) / kWheelNotch * grid;
  const QPoint now = scrollOffset().toPoint();
  scrollTo(now.x() - int(std::lround(dx)), now.y() - int(std::lround(dy)));
}

bool PlanCanvas::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = toolTipAt(QPointF(help->pos()));
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), text, viewport());
  }
  return true;
}

void PlanCanvas::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit escapePressed();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace tvk
