#pragma once
// The extent of the point table: points along X and along Y and levels, and where a point
// lies in file order (i fastest, then j, then the level). Every table sized with the
// building (its points, their coordinates, the calculation's results) shares it.

#include <cstddef>

namespace tvk {

struct GridShape {
  int pointsX = 0;
  int pointsY = 0;
  int levels = 0;

  size_t Count() const {
    return static_cast<size_t>(pointsX) * static_cast<size_t>(pointsY) * static_cast<size_t>(levels);
  }
  // 1-based indices.
  bool Contains(int i, int j, int level) const {
    return i >= 1 && i <= pointsX && j >= 1 && j <= pointsY && level >= 1 && level <= levels;
  }
  // Position in file order; throws std::out_of_range outside the grid.
  size_t Slot(int i, int j, int level) const {
    if (!Contains(i, j, level)) ThrowOutside(i, j, level);
    const auto nx = static_cast<size_t>(pointsX);
    const auto ny = static_cast<size_t>(pointsY);
    return static_cast<size_t>(i - 1) + nx * (static_cast<size_t>(j - 1) + ny * static_cast<size_t>(level - 1));
  }

  bool operator==(const GridShape&) const = default;

 private:
  [[noreturn]] static void ThrowOutside(int i, int j, int level);
};

}  // namespace tvk
