#pragma once
// Sizes in the project file's layout that its reader and writer share.

#include <cstddef>

#include "model/building.h"

namespace tvk {

// Bytes the part of a file after the outline takes with every text empty: the reader
// refuses a shorter file before it allocates anything, and the writer reserves this
// much and the texts' bytes before it writes the points.
inline size_t MinimumRestBytes(const BuildingInfo& info) {
  const auto pointsX = static_cast<size_t>(info.GridSpansX) + 1;
  const auto pointsY = static_cast<size_t>(info.GridSpansY) + 1;
  const size_t points = pointsX * pointsY * (static_cast<size_t>(info.StoreyCount) + 1);
  constexpr size_t kEmptyPointBytes = 4 * 26 + 18 + 16 + 12;
  constexpr size_t kCoordBytes = 12;
  constexpr size_t kSettingsBytes = 2 * (2 + 4 + 4) + 87 * 4 + 30 * 2;
  constexpr size_t kSpareBytes = 10 * (2 + 4);
  return kSettingsBytes + 2 * (pointsX + pointsY) + points * (kEmptyPointBytes + kCoordBytes) + kSpareBytes;
}

}  // namespace tvk
