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

TEST_F(PrimitiveTest, ThePainterIsBackAsFoundWhenTheCanvasPainterEnds) {
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
  const CanvasPen white{Qt::SolidLine, 2, Qt::white};
  const CanvasFill blue{Qt::SolidPattern, Qt::blue};
  const std::vector<std::pair<const char*, std::function<void(CanvasPainter&)>>> calls = {
      {"circle",
       [&](CanvasPainter& canvas) {
         canvas.Circle(0.5, 0.5, 0.2, white, blue, QPainter::RasterOp_SourceXorDestination);
       }},
      {"box", [&](CanvasPainter& canvas) { canvas.Box(0.1, 0.1, 0.4, 0.3, white, blue); }},
      {"line", [&](CanvasPainter& canvas) { canvas.Line(0.1, 0.1, 1.0, 1.0, white); }},
      {"line in units", [&](CanvasPainter& canvas) { canvas.LineUnits(QPointF(0, 0), QPointF(10, 10), 2, Qt::white); }},
      {"point", [&](CanvasPainter& canvas) { canvas.Point(0.3, 0.3, Qt::yellow); }},
      {"text", [&](CanvasPainter& canvas) { canvas.Text(0.2, 1.5, QStringLiteral("X1"), Qt::white, 10, true); }},
      {"rotated text",
       [&](CanvasPainter& canvas) { canvas.RotatedText(1.0, 1.5, QStringLiteral("Y1"), Qt::white, 10, false, 90); }},
  };
  for (const auto& [name, call] : calls) {
    {
      CanvasPainter canvas(p);
      call(canvas);
    }
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

// Shapes written straight into the image look exactly as the painter draws them: boxes in
// runs (fills, then outlines), thin and hatched boxes, lines along an axis and slanted,
// dotted lines, points, and shapes on top of one another, in a clip and at two scales.
TEST_F(PrimitiveTest, ShapesWrittenIntoTheImageLookAsPainted) {
  const CanvasPen blackPen{Qt::SolidLine, 1, Qt::black};
  const CanvasPen yellowPen{Qt::SolidLine, 1, Pal(kPalYellow)};
  const CanvasFill blue{Qt::SolidPattern, Pal(kPalBlue)};
  const CanvasFill yellow{Qt::SolidPattern, Pal(kPalYellow)};
  auto scene = [&](CanvasPainter& canvas) {
    for (int i = 0; i < 6; ++i) canvas.Box(0.3 + 0.21 * i, 0.3, 0.51 + 0.21 * i, 0.55, blackPen, blue);
    canvas.Box(0.2, 0.8, 0.9, 1.2, yellowPen, CanvasFill{Qt::DiagCrossPattern, Pal(kPalLightBlue)});
    canvas.Box(1.0, 0.8, 1.004, 1.3, yellowPen, yellow);  // under a pixel wide
    for (int i = 0; i < 5; ++i) canvas.Box(0.4 + 0.3 * i, 0.45, 0.47 + 0.3 * i, 0.52, yellowPen, yellow);
    canvas.Line(0.1, 0.4, 1.6, 0.4, CanvasPen{Qt::SolidLine, 1, Pal(kPalLightRed)});
    canvas.Line(0.7, 0.1, 0.7, 1.4, CanvasPen{Qt::SolidLine, 1, Pal(kPalLightRed)});
    canvas.Line(0.2, 0.2, 1.5, 1.1, CanvasPen{Qt::SolidLine, 1, Pal(kPalLightRed)});
    canvas.Line(0.1, 1.0, 1.6, 1.0, CanvasPen{Qt::DotLine, 1, Pal(kPalLightGreen)});
    canvas.Line(0.1, 1.1, 1.6, 1.1, CanvasPen{Qt::SolidLine, 3, Pal(kPalWhite)});
    for (int i = 0; i < 20; ++i) canvas.Point(0.1 + 0.07 * i, 0.9, Pal(i % 3 == 0 ? kPalWhite : kPalGreen));
  };
  for (const double scale : {1.0, 0.667138}) {
    for (const QRect& clip : {image.rect(), QRect(120, 650, 500, 200)}) {
      auto draw = [&](bool direct) {
        QImage out(1000, 1000, QImage::Format_RGB32);
        out.fill(Qt::black);
        QPainter p(&out);
        p.setClipRect(clip);
        p.setTransform(QTransform(scale, 0, 0, scale, 3.5, 1000 - kCanvasHeight * scale));
        if (direct) {
          CanvasPainter canvas(p, out, clip);
          scene(canvas);
        } else {
          CanvasPainter canvas(p);
          scene(canvas);
        }
        p.end();
        return out;
      };
      const QImage painted = draw(false);
      const QImage written = draw(true);
      EXPECT_TRUE(painted == written) << "scale " << scale << ": " << FirstDifference(painted, written);
      EXPECT_GT(CountColour(painted, clip, Pal(kPalYellow)), 0);
    }
  }
}

// Boxes drawn one after another look as each drawn by itself: the painter, given a run of
// outlines at once, can join the end of one to the start of the next.
TEST_F(PrimitiveTest, ThinBoxesInARowLookAsEachDrawnAlone) {
  const CanvasPen red{Qt::SolidLine, 1, Pal(kPalLightRed)};
  const QTransform scale(0.0499053, 0, 0, 0.0499053, 120, 1000 - kCanvasHeight * 0.0499053);
  std::vector<QRectF> boxes;
  for (int k = 0; k < 40; ++k) {
    const double x = 0.2 + 0.11 * k;
    const double y = 0.3 + 0.07 * (k % 5);
    boxes.emplace_back(QPointF(x, y), QPointF(x + 0.1, y + 0.002 * (k % 3)));
  }
  for (const bool direct : {false, true}) {
    QImage together(1000, 1000, QImage::Format_RGB32);
    together.fill(Qt::black);
    QImage alone = together.copy();
    {
      QPainter p(&together);
      p.setTransform(scale);
      if (direct) {
        CanvasPainter canvas(p, together, together.rect());
        for (const QRectF& b : boxes) canvas.Box(b.left(), b.top(), b.right(), b.bottom(), red, CanvasFill{});
      } else {
        CanvasPainter canvas(p);
        for (const QRectF& b : boxes) canvas.Box(b.left(), b.top(), b.right(), b.bottom(), red, CanvasFill{});
      }
    }
    for (const QRectF& b : boxes) {
      QPainter p(&alone);
      p.setTransform(scale);
      CanvasPainter(p).Box(b.left(), b.top(), b.right(), b.bottom(), red, CanvasFill{});
    }
    EXPECT_TRUE(together == alone) << (direct ? "written" : "painted") << ": " << FirstDifference(together, alone);
    EXPECT_GT(CountColour(together, together.rect(), Pal(kPalLightRed)), 40);
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
