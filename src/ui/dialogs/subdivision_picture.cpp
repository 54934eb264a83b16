#include "ui/dialogs/subdivision_picture.h"

#include <QPainter>
#include <algorithm>

namespace tvk {

namespace {

constexpr int kGrids = 2;

}  // namespace

SubdivisionPicture::SubdivisionPicture(QWidget* parent) : QWidget(parent) { setMinimumSize(sizeHint()); }

void SubdivisionPicture::setAuxiliaryGrids(int count) {
  auxiliary_ = count;
  update();
}

void SubdivisionPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::black);
  const double side = std::min(width(), height()) - 30.0;
  const QPointF origin((width() - side) / 2, (height() - side) / 2);
  const int steps = kGrids * (auxiliary_ + 1);
  const double pitch = side / steps;
  // The grid lines themselves, faint, so the sub-division reads as parts of one grid.
  p.setPen(QPen(QColor(96, 96, 96), 1));
  for (int k = 0; k <= kGrids; ++k) {
    const double at = k * side / kGrids;
    p.drawLine(origin + QPointF(at, 0), origin + QPointF(at, side));
    p.drawLine(origin + QPointF(0, at), origin + QPointF(side, at));
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i <= steps; ++i) {
    for (int j = 0; j <= steps; ++j) {
      const bool main = i % (auxiliary_ + 1) == 0 && j % (auxiliary_ + 1) == 0;
      p.setBrush(main ? Qt::white : Qt::green);
      const double r = main ? 4.0 : 3.0;
      p.drawEllipse(origin + QPointF(i * pitch, j * pitch), r, r);
    }
  }
}

}  // namespace tvk
