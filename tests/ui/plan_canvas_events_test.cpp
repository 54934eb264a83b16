// Presses, movements and keys on the plan canvas reach the editor in canvas units, also
// when the canvas is zoomed and scrolled; the pointer follows the delete toggles.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <optional>

#include "canvas_test_support.h"

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
  std::pair<int, int> Snapped(CanvasPos at) {
    const SnapResult snap = Snap(plan.b, CanvasGeometry::For(plan.b), at);
    return {snap.i, snap.j};
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
    EXPECT_EQ(Snapped(*pressedAt), std::make_pair(5, 4)) << "zoom " << zoom;
    EXPECT_NEAR(pressedAt->x, GridPoint(5, 4).x, kCanvasWidth / Canvas().boxSize().width());
    Send(QEvent::MouseMove, Canvas().toViewport(GridPoint(6, 2)), Qt::NoButton);
    ASSERT_TRUE(movedTo.has_value());
    EXPECT_EQ(Snapped(*movedTo), std::make_pair(6, 2)) << "zoom " << zoom;
  }
}

TEST_F(EventTest, MiddleButtonAndPressesBeyondTheBoxAreIgnored) {
  Send(QEvent::MouseButtonPress, QPointF(100, 100), Qt::MiddleButton);
  Send(QEvent::MouseButtonPress, QPointF(1003, 100), Qt::LeftButton);  // the 4 pixels beside the box
  EXPECT_FALSE(pressedAt.has_value());
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

TEST_F(EventTest, WholeViewBoxFollowsResizesOtherZoomsKeepTheirBox) {
  EXPECT_EQ(Canvas().boxSize(), QSize(1000, 760));
  Canvas().resize(804, 604);
  EXPECT_EQ(Canvas().boxSize(), QSize(800, 600));
  Canvas().setZoom(1.5);
  const QSize zoomed = Canvas().boxSize();
  EXPECT_EQ(zoomed, QSize(int(1.5 * 804 - 4), int(1.5 * 604 - 4)));
  Canvas().resize(1004, 764);
  EXPECT_EQ(Canvas().boxSize(), zoomed);
  EXPECT_GT(Canvas().horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace tvk::test
