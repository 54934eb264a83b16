#include "ui/windows/key_pictures.h"

#include <QFont>
#include <QPainter>

namespace tvk {

QImage KeyPicture(const QString& mark, const QColor& tile, int size) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  p.setPen(QPen(tile.darker(140), 1));
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
  QFont font("ＭＳ ゴシック");
  font.setPixelSize(mark.size() > 1 ? 13 : 19);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, mark);
  return picture;
}

QImage ProgramIconPicture(int size) { return KeyPicture("Ｎ", QColor(31, 63, 115), size); }

}  // namespace tvk
