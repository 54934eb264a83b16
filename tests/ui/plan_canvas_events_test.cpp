// Presses, movements and keys on the plan canvas reach the editor in canvas units, also
// when the canvas is zoomed and scrolled; the pointer follows the delete toggles.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "canvas_test_support.h"
#include "support/grid_print.h"

namespace tvk::test {
namespace {

class EventTest : public CanvasTest {
 protected:
  EventTest() {
    QObject::connect(&Canvas(), &PlanCanvas::pressed, [this](MouseButton button, CanvasPos at) {
      pressedButton = button;
      pressedAt = at;
    });
    QObject::connect(&Canvas(), &PlanCanvas::moved, [this](CanvasPos at) { movedTo = at; });
    QObject::connect(&Canvas(), &PlanCanvas::escapePressed, [this] { ++escapes; });
  }
  void Send(QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, Canvas().viewport()->mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(Canvas().viewport(), &event);
  }
  // The grid point the editor would snap a canvas position to.
  GridPos Snapped(CanvasPos at) { return Snap(plan.b, CanvasGeometry::For(plan.b), at).at; }
  void Wheel(QPointF at, int notchDelta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(at, Canvas().viewport()->mapToGlobal(at), QPoint(), QPoint(0, notchDelta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Canvas().viewport(), &wheel);
  }
  CanvasPos GridPoint(int i, int j) {
    const PointCoord& c = plan.b.Coord(i, j, 1);
    return CanvasGeometry::For(plan.b).ToCanvas(c.x, c.y);
  }

  std::optional<MouseButton> pressedButton;
  std::optional<CanvasPos> pressedAt;
  std::optional<CanvasPos> movedTo;
  int escapes = 0;
};

TEST_F(EventTest, PressesAndMovesArriveInCanvasUnits) {
  for (double zoom : {1.0, 2.5}) {
    Canvas().setZoom(zoom);
    Canvas().horizontalScrollBar()->setValue(Canvas().horizontalScrollBar()->maximum() / 2);
    Canvas().verticalScrollBar()->setValue(Canvas().verticalScrollBar()->maximum() / 3);
    const QPointF onScreen = Canvas().toViewport(GridPoint(5, 4));
    ASSERT_TRUE(Canvas().viewport()->rect().contains(onScreen.toPoint())) << "zoom " << zoom;
    Send(QEvent::MouseButtonPress, onScreen, Qt::RightButton);
    ASSERT_TRUE(pressedAt.has_value());
    EXPECT_EQ(pressedButton, MouseButton::Right);
    EXPECT_EQ(Snapped(*pressedAt), (GridPos{5, 4})) << "zoom " << zoom;
    EXPECT_NEAR(pressedAt->x, GridPoint(5, 4).x, kCanvasWidth / Canvas().boxSize().width());
    Send(QEvent::MouseMove, Canvas().toViewport(GridPoint(6, 2)), Qt::NoButton);
    ASSERT_TRUE(movedTo.has_value());
    EXPECT_EQ(Snapped(*movedTo), (GridPos{6, 2})) << "zoom " << zoom;
  }
}

TEST_F(EventTest, TheMiddleButtonDragsThePlan) {
  Canvas().setZoom(2.0);
  QScrollBar* h = Canvas().horizontalScrollBar();
  QScrollBar* v = Canvas().verticalScrollBar();
  h->setValue(300);
  v->setValue(200);
  Send(QEvent::MouseButtonPress, QPointF(500, 400), Qt::MiddleButton);
  EXPECT_EQ(Canvas().viewport()->cursor().shape(), Qt::ClosedHandCursor);
  QMouseEvent drag(QEvent::MouseMove, QPointF(400, 350), Canvas().viewport()->mapToGlobal(QPointF(400, 350)),
                   Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(Canvas().viewport(), &drag);
  Send(QEvent::MouseButtonRelease, QPointF(400, 350), Qt::MiddleButton);
  EXPECT_EQ(h->value(), 400);
  EXPECT_EQ(v->value(), 250);
  EXPECT_EQ(Canvas().viewport()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(pressedAt.has_value());
  EXPECT_FALSE(movedTo.has_value());
}

TEST_F(EventTest, EscapeKeyIsPassedOn) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&Canvas(), &escape);
  QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(&Canvas(), &other);
  EXPECT_EQ(escapes, 1);
}

TEST_F(EventTest, DeleteCursorWhileADeleteToggleIsDown) {
  EXPECT_EQ(Canvas().viewport()->cursor().shape(), Qt::ArrowCursor);
  for (bool group : {false, true}) {
    state.Toggles = DeleteToggles{!group, group};
    Canvas().deleteModeChanged();
    EXPECT_EQ(Canvas().viewport()->cursor().shape(), Qt::BitmapCursor) << "group " << group;
  }
  state.Toggles = DeleteToggles{};
  Canvas().deleteModeChanged();
  EXPECT_EQ(Canvas().viewport()->cursor().shape(), Qt::ArrowCursor);
}

// What stays under the pointer when the zoom changes: the canvas position shown at a
// viewport point before and after, within a pixel of the box.
double Drift(PlanCanvas& canvas, CanvasPos before, QPointF at) {
  const QPointF now = canvas.toViewport(before);
  return std::hypot(now.x() - at.x(), now.y() - at.y());
}

TEST_F(EventTest, CtrlWheelZoomsAboutThePointerAndTheListAboutTheCentre) {
  std::vector<double> announced;
  QObject::connect(&Canvas(), &PlanCanvas::zoomChanged, [&announced](double f) { announced.push_back(f); });
  const QPointF pointer(700, 250);
  for (const double expected : {1.2, 1.5, 2.0}) {
    const CanvasPos under = Canvas().toCanvas(pointer);
    Wheel(pointer, 120, Qt::ControlModifier);
    EXPECT_EQ(Canvas().zoom(), expected);
    EXPECT_LT(Drift(Canvas(), under, pointer), 1.0) << expected;
  }
  EXPECT_EQ(announced, (std::vector<double>{1.2, 1.5, 2.0}));
  Wheel(pointer, -240, Qt::ControlModifier);
  EXPECT_EQ(Canvas().zoom(), 1.2);
  // The zoom list keeps the view's centre.
  const QPointF centre = QRectF(Canvas().viewport()->rect()).center();
  const CanvasPos middle = Canvas().toCanvas(centre);
  Canvas().setZoom(2.5);
  EXPECT_LT(Drift(Canvas(), middle, centre), 1.0);
  // Back to the whole plan: nothing to scroll.
  Canvas().setZoom(1.0);
  EXPECT_EQ(Canvas().horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(Canvas().verticalScrollBar()->maximum(), 0);
}

TEST_F(EventTest, AWheelNotchScrollsAGrid) {
  Canvas().setZoom(2.0);
  QScrollBar* h = Canvas().horizontalScrollBar();
  QScrollBar* v = Canvas().verticalScrollBar();
  const int grid = int(std::lround(GridPixels(plan.b, Canvas().view())));
  ASSERT_GT(grid, 100);
  v->setValue(0);
  Wheel(QPointF(300, 300), -120, Qt::NoModifier);  // one notch down
  EXPECT_EQ(v->value(), std::min(grid, v->maximum()));
  h->setValue(0);
  Wheel(QPointF(300, 300), -120, Qt::ShiftModifier);  // across
  EXPECT_EQ(h->value(), std::min(grid, h->maximum()));
  EXPECT_EQ(v->singleStep(), grid);
}

TEST_F(EventTest, GridCellsStaySquareAndTheWholePlanInSightInAnyShape) {
  for (const QSize size : {QSize(1004, 764), QSize(404, 904), QSize(1604, 304)}) {
    Canvas().resize(size);
    Canvas().setZoom(1.0);
    EXPECT_EQ(Canvas().boxSize(), Canvas().viewport()->size());
    const QPointF origin = Canvas().toViewport(GridPoint(1, 1));
    const QPointF alongX = Canvas().toViewport(GridPoint(3, 1));
    const QPointF alongY = Canvas().toViewport(GridPoint(1, 3));
    EXPECT_NEAR(alongX.x() - origin.x(), origin.y() - alongY.y(), 1e-6) << size.width() << "x" << size.height();
    const QRectF port(Canvas().viewport()->rect());
    for (const QPointF corner : {origin, Canvas().toViewport(GridPoint(9, 7))}) {
      EXPECT_TRUE(port.contains(corner)) << size.width() << "x" << size.height();
    }
  }
}

}  // namespace
}  // namespace tvk::test
