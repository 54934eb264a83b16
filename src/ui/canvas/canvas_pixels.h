#pragma once
// The pixels the raster painter gives the simplest canvas shapes, and a writer that fills
// them straight into the plan image. With a one-pixel cosmetic pen, opaque colours, copy
// mode and a transform that only scales and moves, the painter draws, in device
// coordinates of each end or corner:
//   - a line along an axis, at least a pixel long: the pixels floor(a) .. floor(b);
//   - a point: the pixel floor(p + 0.5);
//   - a box's fill: the pixels whose centres lie inside it;
//   - a box's outline, at least three pixels each way: the border of the pixels
//     floor(top left) .. floor(bottom right).
// The plan canvas draws tens of thousands of these shapes; written as runs of pixels they
// cost a fraction of the painter's rasterising. tests/ui/canvas_pixels_test.cpp holds the
// rules against the painter.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <optional>

namespace tvk {

// nullopt for a line the rule does not cover (slanted, or shorter than a pixel). Here and
// below, nullopt (or an empty rectangle) also for shapes far beyond any image.
std::optional<QRect> LinePixels(QPointF a, QPointF b);
std::optional<QPoint> PointPixel(QPointF p);
QRect BoxFillPixels(QPointF topLeft, QPointF bottomRight);
// nullopt for a box under three pixels wide or high. The rule holds for outlines within
// the image only: the painter leaves out corner pixels of one the image's edge cuts.
std::optional<QRect> BoxOutlinePixels(QPointF topLeft, QPointF bottomRight);

// Fills runs of pixels of an RGB32 image within a clip rectangle. The image must not be
// shared (a painter working on it has already made it its own).
class PixelWriter {
 public:
  PixelWriter(QImage& image, const QRect& clip);

  static bool Takes(const QImage& image) { return image.format() == QImage::Format_RGB32; }
  // Whether pixels lie within the image.
  bool Holds(const QRect& pixels) const {
    return pixels.left() >= 0 && pixels.top() >= 0 && pixels.right() <= bounds_.right() &&
           pixels.bottom() <= bounds_.bottom();
  }

  void Fill(const QRect& pixels, QRgb colour);
  // The pixels that may be written, within the image.
  const QRect& Clip() const { return clip_; }

 private:
  uchar* bits_;
  qsizetype stride_;
  QRect bounds_;
  QRect clip_;
};

// Rectangles of pixels in one colour, where the order they are written in does not
// matter: one that continues the last along its rows (the same rows, touching or
// overlapping it) joins it, so that a row of boxes is written as one run.
class PixelRuns {
 public:
  PixelRuns(PixelWriter& writer, QRgb colour) : writer_(writer), colour_(colour) {}
  ~PixelRuns() { Flush(); }
  PixelRuns(const PixelRuns&) = delete;
  PixelRuns& operator=(const PixelRuns&) = delete;

  void Add(const QRect& pixels);
  // The border pixels of a rectangle of pixels.
  void AddBorder(const QRect& pixels);
  void Flush();

 private:
  PixelWriter& writer_;
  QRgb colour_;
  QRect pending_;
};

}  // namespace tvk
