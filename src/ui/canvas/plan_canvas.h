#pragma once
// The plan canvas of the main window: the plan of the storey being edited on black, the
// centre marks of its eccentricity and the rubber band of a pending edit.
//
// Drawing. The canvas keeps the plan in a backing image the size of the canvas box. The
// logical page (35.7 x 27.0 cm, 567 canvas units per cm, y downwards) is mapped onto the
// box with one scale on both axes, so grid cells are square whatever the window's shape
// (editor/canvas_view.h). The plan in the image is always what a full redraw from the
// building would give: redrawing a grid rectangle repaints, from the model, every pixel an
// edit there can have changed. The centre marks and rubber bands are painted over the
// image, never into it, so taking them away leaves nothing behind.
//
// Zoom and scrolling. At factor 1 ("全体表示") the plan with its line names fills the
// viewport; at factor z it is z times that size and the viewport scrolls over the box.
// Changing the zoom keeps the plan point under the cursor (Ctrl+wheel) or at the view's
// centre (the zoom list) in place; a resize keeps the point at the centre. The wheel
// scrolls about a grid per notch (Shift+wheel across), and the middle button drags the
// plan.
//
// The canvas is the plan editor's tvk::PlanView (rubber bands, redraws after a change of the
// view, the other storey's walls, the centre marks) and a view of the document: an edit
// takes the members of its rectangle off the plan before it is applied and draws the
// area afresh after, a change of everything redraws the whole plan. The main window feeds
// the signals pressed / moved / escapePressed into tvk::PlanEditor.

#include <QAbstractScrollArea>
#include <QImage>
#include <QTransform>
#include <functional>
#include <vector>

#include "editor/canvas_geometry.h"
#include "editor/canvas_view.h"
#include "editor/document.h"
#include "editor/plan_editor.h"
#include "editor/plan_view.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/check_overlays.h"
#include "ui/canvas/eccentricity_marks.h"
#include "ui/canvas/quasi_overlay.h"

namespace tvk {

class PlanCanvas : public QAbstractScrollArea, public PlanView, public DocumentView {
  Q_OBJECT

 public:
  // The editor's state (storey, category, show-all, delete toggles, other-storey walls) as
  // it is at the moment; the editor that keeps it is made with the canvas as its view.
  using StateSource = std::function<const EditorState&()>;

  // The canvas reads the document (its building and eccentricity) and the editor's state
  // whenever it draws; both must outlive it. It follows the document's changes until it
  // is destroyed.
  PlanCanvas(Document& document, StateSource state, QWidget* parent = nullptr);
  ~PlanCanvas() override;

  // ---- view settings of the main window -----------------------------------------
  // Zoom factor of the zoom list (1 "全体表示", 1.2, 1.5, 2, 2.5, 3): sizes the box,
  // then redraws fully.
  void setZoom(double factor);
  // The same about a point of the viewport, which stays where it is.
  void zoomAt(double factor, QPointF viewportPos);
  double zoom() const { return zoom_; }
  // "重心・剛心を伏図表示しない": hides the centre marks, or shows the current ones again.
  void setHideCentres(bool hide);
  bool hideCentres() const { return hideCentres_; }
  // The plan options of the 2025 checks: the quarter strips, the columns' tributary areas.
  void setOverlayShown(CheckOverlay which, bool shown);
  const CheckOverlays& overlays() const { return overlays_; }
  // After a delete toggle was switched: the pointer and the colour of the grid line names
  // follow the toggles.
  void deleteModeChanged();

  // ---- PlanView --------------------------------------------------------------------
  // Rubber bands are exclusive-or: drawing the band that is shown takes it away again.
  void drawRubberBand(const RubberBand& band) override;
  void eraseRubberBand(const RubberBand& band) override;
  // Clears the canvas, recomputes the plan scale and draws the whole plan.
  void fullRedraw() override;
  void showOtherStoreyWalls(int storey, bool shown) override;
  // The centre marks of the current storey follow its eccentricity.
  void updateEccentricityMarks() override;

  // ---- DocumentView ----------------------------------------------------------------
  void documentChanging(const DocumentChange& change) override;
  void documentChanged(const DocumentChange& change) override;

  // ---- inspection (tests, screenshots) --------------------------------------------
  // The plan alone, the size of the box.
  const QImage& planImage() const { return image_; }
  // The whole box as the user sees it: plan, centre marks and rubber bands.
  QImage viewImage() const;
  QSize boxSize() const { return image_.size(); }
  const CanvasView& view() const { return view_; }
  // Plan scale of the last full redraw.
  CanvasGeometry geometry() const { return CanvasGeometry{scale_}; }
  const EccentricityMarks& marks() const { return marks_; }
  const QuasiOverlay& quasiWalls() const { return quasi_; }
  const std::vector<RubberBand>& rubberBands() const { return bands_; }
  // Canvas units of a point of the viewport, and back.
  CanvasPos toCanvas(QPointF viewportPos) const;
  QPointF toViewport(CanvasPos at) const;
  // The tooltip at a point of the viewport: the members there (kind, multiplier, extent).
  QString toolTipAt(QPointF viewportPos) const;

 signals:
  // The wheel changed the zoom factor.
  void zoomChanged(double factor);
  void pressed(tvk::MouseButton button, tvk::CanvasPos at);
  void moved(tvk::CanvasPos at);
  void escapePressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // Takes the members of a grid rectangle off the plan; the drawRect that follows the
  // edit paints that area, and anything the edit changed around it, afresh.
  void eraseRect(const GridRect& rect);
  void drawRect(const GridRect& rect);
  bool hasGrid() const;
  const EditorState& state() const { return state_(); }
  bool deleteModeActive() const;
  CanvasPlanStyle style() const;
  // Canvas units -> pixels of the box.
  QTransform unitsToBox() const;
  // Sizes the box for the plan, the viewport and the zoom; a canvas position shown at the
  // anchor (viewport pixels) stays there.
  void fitView(QPointF anchor);
  QPointF viewportCentre() const;
  void updateScrollBars();
  void scrollTo(int x, int y);
  void syncCursor();
  void showEditCursor();
  // Repaints part of the plan image (canvas units) from the building.
  void repaintArea(const QRectF& units);
  // The whole plan image.
  void repaintAll();
  // The pixels of the image that hold an area (canvas units).
  void repaintPixels(const QRect& pixels, const QRectF& units);
  QRect boxPixels(const QRectF& units) const;
  void paintOverlays(QPainter& painter) const;
  void refreshOverlays();
  // The partly sheathed walls of the storey as the document's wall checks judge them.
  void showQuasiWalls();
  void toggleBand(const RubberBand& band);
  QPointF scrollOffset() const;

  Document& doc_;
  const Building& b_;
  StateSource state_;
  double zoom_ = 1.0;
  bool hideCentres_ = false;
  int otherWallsStorey_ = 0;
  double scale_ = 1.0;
  CanvasView view_;
  QImage image_;
  QRectF pendingErase_;  // canvas units erased and not yet drawn again
  EccentricityMarks marks_;
  CheckOverlays overlays_;
  QuasiOverlay quasi_;
  std::vector<RubberBand> bands_;
  bool deleteCursor_ = false;
  bool panning_ = false;  // the middle button drags the plan
  QPointF panFrom_;
  QPoint panScroll_;
  int wheelZoom_ = 0;  // Ctrl+wheel turned short of a whole notch
};

}  // namespace tvk
