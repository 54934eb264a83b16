// The canvas primitives: cm with y upwards onto canvas units, and the painter left as found.

#include <functional>

#include "canvas_test_support.h"

namespace tvk::test {
namespace {

// A 1000-unit square image with one unit per pixel in x and y (the page is taller than
// the image; only its bottom 1000 units show).
class PrimitiveTest : public ::testing::Test {
 protected:
  PrimitiveTest() : image(1000, 1000, QImage::Format_RGB32) {
    EnsureWidgetApp();
    image.fill(Qt::black);
  }
  QImage image;
};

TEST_F(PrimitiveTest, PositionsInCmFromTheBottomLeftWithYUp) {
  EXPECT_EQ(CanvasPainter::ToUnits(0, 0), QPointF(0, kCanvasHeight));
  EXPECT_EQ(CanvasPainter::ToUnits(1, 2), QPointF(567, kCanvasHeight - 1134));
  // To the nearest unit, halves to even.
  EXPECT_EQ(CanvasPainter::ToUnits(0.5 / 567, 2.5 / 567).x(), 0);
  EXPECT_EQ(CanvasPainter::ToUnits(0.5 / 567, 2.5 / 567).y(), kCanvasHeight - 2);
}

TEST_F(PrimitiveTest, EveryPrimitiveLeavesThePainterAsItFoundIt) {
  QPainter p(&image);
  p.translate(0, 1000 - kCanvasHeight);
  const QPen pen(Qt::green, 3, Qt::DashLine);
  const QBrush brush(Qt::red, Qt::Dense4Pattern);
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(37);
  p.setPen(pen);
  p.setBrush(brush);
  p.setFont(font);
  const QTransform transform = p.transform();
  CanvasPainter canvas(p);
  const CanvasPen white{Qt::SolidLine, 2, Qt::white};
  const CanvasFill blue{Qt::SolidPattern, Qt::blue};
  const std::vector<std::pair<const char*, std::function<void()>>> calls = {
      {"circle", [&] { canvas.Circle(0.5, 0.5, 0.2, white, blue, QPainter::RasterOp_SourceXorDestination); }},
      {"box", [&] { canvas.Box(0.1, 0.1, 0.4, 0.3, white, blue); }},
      {"line", [&] { canvas.Line(0.1, 0.1, 1.0, 1.0, white); }},
      {"line in units", [&] { canvas.LineUnits(QPointF(0, 0), QPointF(10, 10), 2, Qt::white); }},
      {"point", [&] { canvas.Point(0.3, 0.3, Qt::yellow); }},
      {"text", [&] { canvas.Text(0.2, 1.5, QStringLiteral("X1"), Qt::white, 10, true); }},
      {"rotated text", [&] { canvas.RotatedText(1.0, 1.5, QStringLiteral("Y1"), Qt::white, 10, false, 90); }},
  };
  for (const auto& [name, call] : calls) {
    call();
    EXPECT_EQ(p.pen(), pen) << name;
    EXPECT_EQ(p.brush(), brush) << name;
    EXPECT_EQ(p.font(), font) << name;
    EXPECT_EQ(p.compositionMode(), QPainter::CompositionMode_SourceOver) << name;
    EXPECT_EQ(p.transform(), transform) << name;
  }
}

TEST_F(PrimitiveTest, WidthZeroOrLessDrawsOnePixel) {
  for (int width : {0, -3}) {
    image.fill(Qt::black);
    {
      QPainter p(&image);
      p.translate(0, 1000 - kCanvasHeight);
      CanvasPainter(p).Line(0.1, 1.0, 1.5, 1.0, CanvasPen{Qt::SolidLine, width, Qt::white});
      CanvasPainter(p).Circle(1.0, 1.0, 0.5, CanvasPen{Qt::SolidLine, width, Qt::white}, CanvasFill{});
    }
    const int row = int(1000 - 567);
    EXPECT_EQ(CountColour(image, QRect(300, row - 5, 1, 11), Qt::white), 1) << "width " << width;
    // The circle's leftmost point at x = 0.5 cm.
    EXPECT_EQ(CountColour(image, QRect(283 - 5, row - 1, 11, 1), Qt::white), 1) << "width " << width;
  }
}

TEST_F(PrimitiveTest, MeasureGivesTheSizeOfAInCm) {
  const CmSize a10 = CanvasPainter::Measure(10);
  EXPECT_NEAR(a10.height, 200 / kUnitsPerCm, 1e-9);  // 10 points = 200 units
  EXPECT_GT(a10.width, 0.1);
  EXPECT_LT(a10.width, a10.height);
  EXPECT_NEAR(CanvasPainter::Measure(20).width, 2 * a10.width, 0.01);
  EXPECT_NEAR(CanvasPainter::MeasureText(QStringLiteral("AA\nA"), 10).width, 2 * a10.width, 0.01);
  EXPECT_NEAR(CanvasPainter::MeasureText(QStringLiteral("AA\nA"), 10).height, 2 * a10.height, 1e-9);
}

}  // namespace
}  // namespace tvk::test
