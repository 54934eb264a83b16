#pragma once
// Small helpers for walking along one grid line.

#include <utility>

#include "model/building.h"

namespace tvk {

inline int OtherDir(int d) { return d == kDirX ? kDirY : kDirX; }

// The point on the same line as (i, j) along d whose index along d is k.
inline std::pair<int, int> PointAlong(int d, int i, int j, int k) {
  return d == kDirX ? std::pair{k, j} : std::pair{i, k};
}

}  // namespace tvk
