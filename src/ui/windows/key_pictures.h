#pragma once
// Toolbar pictures and the program icon, drawn rather than stored: a rounded tile in the
// colour of the key's group with a short mark, on a 32-pixel design scaled to any size.

#include <QColor>
#include <QImage>
#include <QString>

namespace tvk {

QImage KeyPicture(const QString& mark, const QColor& tile, int size);

// The sizes desktop icon themes ask for; the packaging renders the icon at each of them.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage ProgramIconPicture(int size);

}  // namespace tvk
