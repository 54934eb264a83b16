#pragma once
// The sixteen-colour console palette by name, and the two greys of members whose category
// is not the one being edited. The colours themselves come from the report layer's
// PaletteColor, so canvas and report agree on every index.

#include <QColor>
#include <array>

#include "report/surface/page_primitives.h"

namespace tvk {

inline constexpr int kPalBlack = 0;
inline constexpr int kPalBlue = 1;
inline constexpr int kPalGreen = 2;
inline constexpr int kPalMagenta = 5;
inline constexpr int kPalBrown = 6;
inline constexpr int kPalLightGrey = 7;
inline constexpr int kPalGrey = 8;
inline constexpr int kPalLightBlue = 9;
inline constexpr int kPalLightGreen = 10;
inline constexpr int kPalLightCyan = 11;
inline constexpr int kPalLightRed = 12;
inline constexpr int kPalLightMagenta = 13;
inline constexpr int kPalYellow = 14;
inline constexpr int kPalWhite = 15;

// PaletteColor made once: the canvas asks for its colours hundreds of thousands of times
// a repaint.
inline const QColor& CanvasColour(int index) {
  static const std::array<QColor, 17> kColours = [] {
    std::array<QColor, 17> colours;
    for (int k = 0; k < 17; ++k) colours[size_t(k)] = PaletteColor(k < 16 ? k : -1);
    return colours;
  }();
  return kColours[index >= 0 && index < 16 ? size_t(index) : 16];
}

// Members of a category that is not the current one (grey A: walls, beams, columns,
// voids, labels; grey B: floors).
inline QColor GreyA() { return QColor(96, 96, 96); }
inline QColor GreyB() { return QColor(32, 32, 32); }

}  // namespace tvk
