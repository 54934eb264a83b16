#include "ui/canvas/canvas_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>

namespace tvk {
namespace {

// Device coordinates far beyond any image are left to the painter.
constexpr double kLimit = 1 << 24;
bool Near(QPointF p) { return std::abs(p.x()) < kLimit && std::abs(p.y()) < kLimit; }

// floor and ceil of a value that fits the integer type (faster than the library's).
template <class Int = int>
Int Floor(double v) {
  const auto i = Int(v);
  return i - (v < double(i) ? 1 : 0);
}
int Ceil(double v) {
  const int i = int(v);
  return i + (v > i ? 1 : 0);
}

// First pixel whose centre lies at v or beyond, v as the rasteriser keeps it (16.16 fixed point).
int FirstCentre(double v) { return Ceil(double(Floor<int64_t>(v * 65536.0 + 0.5)) / 65536.0 - 0.5); }

// A run of pixels in one colour. The C library's wide-character fill is the fastest
// 32-bit fill at hand where wchar_t has 32 bits.
void FillRun(QRgb* pixels, int count, QRgb colour) {
  if (count == 1) {
    *pixels = colour;
  } else if constexpr (sizeof(wchar_t) == sizeof(QRgb)) {
    std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(colour), size_t(count));
  } else {
    std::fill_n(pixels, count, colour);
  }
}

}  // namespace

std::optional<QRect> LinePixels(QPointF a, QPointF b) {
  if (!Near(a) || !Near(b) || (a.x() != b.x() && a.y() != b.y())) return std::nullopt;
  if (std::abs(a.x() - b.x()) < 1 && std::abs(a.y() - b.y()) < 1) return std::nullopt;
  return QRect(QPoint(Floor(std::min(a.x(), b.x())), Floor(std::min(a.y(), b.y()))),
               QPoint(Floor(std::max(a.x(), b.x())), Floor(std::max(a.y(), b.y()))));
}

std::optional<QPoint> PointPixel(QPointF p) {
  if (!Near(p)) return std::nullopt;
  return QPoint(Floor(p.x() + 0.5), Floor(p.y() + 0.5));
}

QRect BoxFillPixels(QPointF topLeft, QPointF bottomRight) {
  if (!Near(topLeft) || !Near(bottomRight)) return {};
  return QRect(QPoint(FirstCentre(topLeft.x()), FirstCentre(topLeft.y())),
               QPoint(FirstCentre(bottomRight.x()) - 1, FirstCentre(bottomRight.y()) - 1));
}

std::optional<QRect> BoxOutlinePixels(QPointF topLeft, QPointF bottomRight) {
  if (!Near(topLeft) || !Near(bottomRight)) return std::nullopt;
  const QRect pixels(QPoint(Floor(topLeft.x()), Floor(topLeft.y())),
                     QPoint(Floor(bottomRight.x()), Floor(bottomRight.y())));
  if (pixels.width() < 3 || pixels.height() < 3) return std::nullopt;
  return pixels;
}

PixelWriter::PixelWriter(QImage& image, const QRect& clip)
    : bits_(image.bits()), stride_(image.bytesPerLine()), bounds_(image.rect()), clip_(clip.intersected(bounds_)) {}

void PixelWriter::Fill(const QRect& pixels, QRgb colour) {
  const int left = std::max(pixels.left(), clip_.left());
  const int right = std::min(pixels.right(), clip_.right());
  const int top = std::max(pixels.top(), clip_.top());
  const int bottom = std::min(pixels.bottom(), clip_.bottom());
  if (left > right || top > bottom) return;
  uchar* row = bits_ + top * stride_ + left * qsizetype(sizeof(QRgb));
  const int width = right - left + 1;
  for (int y = top; y <= bottom; ++y, row += stride_) FillRun(reinterpret_cast<QRgb*>(row), width, colour);
}

void PixelRuns::Add(const QRect& pixels) {
  if (pixels.isEmpty()) return;
  const bool continues = !pending_.isEmpty() && pixels.top() == pending_.top() &&
                         pixels.bottom() == pending_.bottom() && pixels.left() <= pending_.right() + 1 &&
                         pixels.right() >= pending_.left() - 1;
  if (continues) {
    pending_.setLeft(std::min(pending_.left(), pixels.left()));
    pending_.setRight(std::max(pending_.right(), pixels.right()));
    return;
  }
  Flush();
  pending_ = pixels;
}

void PixelRuns::AddBorder(const QRect& pixels) {
  writer_.Fill(QRect(pixels.left(), pixels.top() + 1, 1, pixels.height() - 2), colour_);
  writer_.Fill(QRect(pixels.right(), pixels.top() + 1, 1, pixels.height() - 2), colour_);
  writer_.Fill(QRect(pixels.left(), pixels.bottom(), pixels.width(), 1), colour_);
  Add(QRect(pixels.left(), pixels.top(), pixels.width(), 1));
}

void PixelRuns::Flush() {
  if (!pending_.isEmpty()) writer_.Fill(pending_, colour_);
  pending_ = QRect();
}

}  // namespace tvk
