#pragma once
// The canvas pointer while a delete mode is active: an arrow with a red cross, drawn by
// the program itself.

#include <QCursor>

namespace tvk {

QCursor DeleteCursor();

}  // namespace tvk
