// The shapes the canvas writes straight into the plan image come out pixel for pixel as the
// painter draws them, at the scales and offsets the canvas uses, clipped or not.

#include <functional>
#include <random>

#include "canvas_test_support.h"
#include "ui/canvas/canvas_pixels.h"

namespace tvk::test {
namespace {

constexpr int kSide = 120;

// Canvas units (whole, as the primitives give them) onto device pixels.
struct Mapping {
  double scale;
  double dx;
  double dy;
};
const Mapping kMappings[] = {{0.0666713, 2, 3}, {0.07, 0.5, 0}, {1.0 / 14, 0, 0}, {0.13372, 7.25, 1}, {0.2, -3, 0}};

QImage Blank() {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

// One shape drawn by the painter and by the pixel writer, with the painter's clip.
void ExpectSame(const Mapping& m, const QRect& clip, const std::function<void(QPainter&)>& paint,
                const std::function<void(PixelWriter&, const QTransform&)>& write, const std::string& what) {
  const QTransform toDevice(m.scale, 0, 0, m.scale, m.dx, m.dy);
  QImage painted = Blank();
  {
    QPainter p(&painted);
    p.setClipRect(clip);
    p.setTransform(toDevice);
    QPen pen(Qt::yellow, 1);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(QColor(Qt::blue));
    paint(p);
  }
  QImage written = Blank();
  PixelWriter writer(written, clip);
  write(writer, toDevice);
  ASSERT_TRUE(painted == written) << what << " scale " << m.scale << ": " << FirstDifference(painted, written);
}

class PixelRuleTest : public ::testing::Test {
 protected:
  PixelRuleTest() { EnsureWidgetApp(); }

  std::mt19937 random{20250};
  std::uniform_int_distribution<int> unit{0, 1700};
  std::uniform_int_distribution<int> length{-250, 250};
  const QRgb yellow = QColor(Qt::yellow).rgba();
  const QRgb blue = QColor(Qt::blue).rgba();
  const QRect whole{0, 0, kSide, kSide};
  const QRect clip{20, 30, 60, 45};
};

TEST_F(PixelRuleTest, LinesAlongAnAxis) {
  for (const Mapping& m : kMappings) {
    for (int n = 0; n < 400; ++n) {
      const QPointF a(unit(random), unit(random));
      const QPointF b = n % 2 == 0 ? a + QPointF(length(random), 0) : a + QPointF(0, length(random));
      const QTransform t(m.scale, 0, 0, m.scale, m.dx, m.dy);
      const std::optional<QRect> run = LinePixels(t.map(a), t.map(b));
      if (!run) continue;  // under a pixel: left to the painter
      for (const QRect& c : {whole, clip}) {
        ExpectSame(
            m, c, [&](QPainter& p) { p.drawLine(a, b); },
            [&](PixelWriter& w, const QTransform&) { w.Fill(*run, yellow); }, "line");
      }
    }
  }
}

TEST_F(PixelRuleTest, Points) {
  for (const Mapping& m : kMappings) {
    for (int n = 0; n < 300; ++n) {
      const QPointF a(unit(random), unit(random));
      ExpectSame(
          m, whole, [&](QPainter& p) { p.drawPoint(a); },
          [&](PixelWriter& w, const QTransform& t) {
            const std::optional<QPoint> pixel = PointPixel(t.map(a));
            ASSERT_TRUE(pixel.has_value());
            w.Fill(QRect(*pixel, *pixel), yellow);
          },
          "point");
    }
  }
}

TEST_F(PixelRuleTest, BoxesFilledAndOutlined) {
  for (const Mapping& m : kMappings) {
    for (int n = 0; n < 300; ++n) {
      const QPointF a(unit(random), unit(random));
      const QRectF box = QRectF(a, a + QPointF(length(random), length(random))).normalized();
      const QTransform t(m.scale, 0, 0, m.scale, m.dx, m.dy);
      const QPointF topLeft = t.map(box.topLeft());
      const QPointF bottomRight = t.map(box.bottomRight());
      const std::optional<QRect> outline = BoxOutlinePixels(topLeft, bottomRight);
      // Thin boxes, and outlines the image's edge cuts, are left to the painter.
      if (!outline || !whole.contains(*outline)) continue;
      for (const QRect& c : {whole, clip}) {
        ExpectSame(
            m, c, [&](QPainter& p) { p.drawRect(box); },
            [&](PixelWriter& w, const QTransform&) {
              w.Fill(BoxFillPixels(topLeft, bottomRight), blue);
              PixelRuns runs(w, yellow);
              runs.AddBorder(*outline);
            },
            "box");
      }
    }
  }
}

// Runs that continue one another are written as one; the pixels are the same.
TEST_F(PixelRuleTest, RunsJoinAlongTheirRows) {
  QImage joined = Blank();
  QImage single = Blank();
  const QRect rects[] = {{10, 10, 5, 3}, {15, 10, 7, 3}, {12, 10, 2, 3}, {30, 10, 4, 3}, {30, 13, 4, 2}};
  {
    PixelWriter writer(joined, whole);
    PixelRuns runs(writer, yellow);
    for (const QRect& r : rects) runs.Add(r);
  }
  PixelWriter writer(single, whole);
  for (const QRect& r : rects) writer.Fill(r, yellow);
  EXPECT_TRUE(joined == single) << FirstDifference(joined, single);
}

}  // namespace
}  // namespace tvk::test
