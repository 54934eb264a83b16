#include "ui/canvas/canvas_cursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tvk {

QCursor DeleteCursor() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath arrow;
  arrow.moveTo(1, 1);
  arrow.lineTo(1, 17);
  arrow.lineTo(5, 13);
  arrow.lineTo(8, 20);
  arrow.lineTo(11, 19);
  arrow.lineTo(8, 12);
  arrow.lineTo(13, 12);
  arrow.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
  // The cross, outlined so that it shows on the black canvas and on light members alike.
  for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 5.0}, std::pair{QColor(255, 0, 0), 3.0}}) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(28, 28));
    p.drawLine(QPointF(17, 28), QPointF(28, 17));
  }
  p.end();
  return QCursor(picture, 1, 1);
}

}  // namespace tvk
