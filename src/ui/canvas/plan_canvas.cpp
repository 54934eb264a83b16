#include "ui/canvas/plan_canvas.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "editor/member_tooltip.h"
#include "editor/side_controls.h"
#include "model/building.h"
#include "ui/canvas/canvas_cursor.h"
#include "ui/canvas/canvas_layers.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_region.h"
#include "ui/canvas/palette16.h"

namespace tvk {
namespace {

// The box is smaller than the viewport by 60 twips of the screen on each axis.
double TwipsPerPixel(const QWidget& widget) { return 1440.0 / std::max(1, widget.logicalDpiX()); }

QColor OutsideBoxColour() { return QColor(128, 128, 128); }

}  // namespace

PlanCanvas::PlanCanvas(const Building& building, const EditorState& state, QWidget* parent)
    : QAbstractScrollArea(parent), b_(building), state_(state), image_(1, 1, QImage::Format_RGB32) {
  image_.fill(Qt::black);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setFrameShape(QFrame::NoFrame);
}

// ---- view settings --------------------------------------------------------------

void PlanCanvas::setZoom(double factor) {
  zoom_ = factor > 0 ? factor : 1.0;
  setBoxSize(boxForViewport(zoom_));
  fullRedraw();
}

void PlanCanvas::setHideCentres(bool hide) {
  hideCentres_ = hide;
  if (!hide) updateEccentricityMarks();
  viewport()->update();
}

void PlanCanvas::deleteModeChanged() {
  syncCursor();
  fullRedraw();  // the line names change colour
}

// ---- what the editor asks -------------------------------------------------------

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
  otherWallsStorey_ = state_.OtherStoreyWalls ? 3 - state_.Storey : 0;
  if (hasGrid()) scale_ = PlanScale(b_);
  pendingErase_ = QRectF();
  image_.fill(Qt::black);
  repaintArea(QRectF(0, 0, kCanvasWidth, kCanvasHeight));
}

void PlanCanvas::showOtherStoreyWalls(int storey, bool shown) {
  otherWallsStorey_ = shown ? storey : 0;
  repaintArea(QRectF(0, 0, kCanvasWidth, kCanvasHeight));
}

void PlanCanvas::updateEccentricityMarks() {
  if (hasGrid()) marks_.Show(b_, style().storey, scale_);
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
  return CanvasPos{box.x() * kCanvasWidth / image_.width(), box.y() * kCanvasHeight / image_.height()};
}

QPointF PlanCanvas::toViewport(CanvasPos at) const { return unitsToBox().map(QPointF(at.x, at.y)) - scrollOffset(); }

QString PlanCanvas::toolTipAt(QPointF viewportPos) const {
  if (!hasGrid()) return {};
  return QString::fromStdString(MemberTooltip(b_, state_, geometry(), toCanvas(viewportPos)));
}

// ---- drawing --------------------------------------------------------------------

bool PlanCanvas::hasGrid() const {
  const size_t points = size_t(std::max(0, b_.PointsX())) * size_t(std::max(0, b_.PointsY())) * size_t(b_.Levels());
  return b_.SpansX() >= 1 && b_.SpansY() >= 1 && b_.Storeys() >= 1 && b_.SubPitch() > 0 &&
         b_.Points().size() == points && b_.Coords().size() == points;
}

bool PlanCanvas::deleteModeActive() const { return EditModeFor(state_.Toggles) != kModePlace; }

CanvasPlanStyle PlanCanvas::style() const {
  CanvasPlanStyle s;
  s.storey = std::clamp(state_.Storey, 1, std::max(1, b_.Storeys()));
  s.category = state_.InputCategory;
  s.showAll = state_.ShowAll;
  s.deleteMode = deleteModeActive();
  s.zoom = zoom_;
  s.otherWallsStorey = otherWallsStorey_;
  return s;
}

QTransform PlanCanvas::unitsToBox() const {
  return QTransform::fromScale(image_.width() / kCanvasWidth, image_.height() / kCanvasHeight);
}

QRect PlanCanvas::boxPixels(const QRectF& units) const {
  return unitsToBox().mapRect(units).toAlignedRect().adjusted(-2, -2, 2, 2).intersected(image_.rect());
}

void PlanCanvas::repaintArea(const QRectF& units) {
  const QRect pixels = boxPixels(units);
  QPainter painter(&image_);
  painter.setClipRect(pixels);
  painter.fillRect(pixels, Qt::black);
  if (hasGrid()) {
    painter.setTransform(unitsToBox());
    CanvasPainter canvas(painter);
    DrawCanvasPlan(canvas, CanvasPlan{b_, scale_, style()});
  }
  viewport()->update();
}

void PlanCanvas::paintOverlays(QPainter& painter) const {
  painter.save();
  painter.setClipRect(image_.rect(), Qt::IntersectClip);
  painter.setTransform(unitsToBox(), true);
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

QSize PlanCanvas::boxForViewport(double factor) const {
  const double twips = TwipsPerPixel(*this);
  const QSize view = viewport()->size();
  const BoxSize box = CanvasBoxSize(factor, view.width() * twips, view.height() * twips);
  return QSize(std::max(1, int(box.width / twips)), std::max(1, int(box.height / twips)));
}

void PlanCanvas::setBoxSize(QSize size) {
  if (size != image_.size()) image_ = QImage(size, QImage::Format_RGB32);
  updateScrollBars();
}

void PlanCanvas::updateScrollBars() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, image_.width() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setRange(0, std::max(0, image_.height() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
}

QPointF PlanCanvas::scrollOffset() const {
  return QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void PlanCanvas::syncCursor() {
  const bool wanted = deleteModeActive();
  if (wanted == deleteCursor_) return;
  deleteCursor_ = wanted;
  if (wanted) {
    viewport()->setCursor(DeleteCursor());
  } else {
    viewport()->unsetCursor();
  }
}

void PlanCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setClipRegion(event->region());
  painter.fillRect(viewport()->rect(), OutsideBoxColour());
  painter.translate(-scrollOffset());
  painter.drawImage(QPointF(0, 0), image_);
  paintOverlays(painter);
}

void PlanCanvas::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (zoom_ == 1.0) {
    setBoxSize(boxForViewport(1.0));
  } else {
    updateScrollBars();
  }
  fullRedraw();
}

void PlanCanvas::scrollContentsBy(int, int) { viewport()->update(); }

void PlanCanvas::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  syncCursor();
  const QPointF box = event->position() + scrollOffset();
  if (!image_.rect().contains(box.toPoint())) return;
  if (event->button() == Qt::LeftButton) emit pressed(MouseButton::Left, toCanvas(event->position()));
  if (event->button() == Qt::RightButton) emit pressed(MouseButton::Right, toCanvas(event->position()));
}

void PlanCanvas::mouseMoveEvent(QMouseEvent* event) {
  syncCursor();
  const QPointF box = event->position() + scrollOffset();
  if (image_.rect().contains(box.toPoint())) emit moved(toCanvas(event->position()));
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
