#pragma once
// Unchecked access to the records of one level, for the engine's loops over whole levels.
// The tables sized with the building keep i varying fastest, then j, then the level.

#include <cstddef>
#include <span>

#include "engine/calc_results.h"
#include "model/building.h"

namespace tvk {

template <class T>
class LevelSlice {
 public:
  LevelSlice(std::span<T> table, const GridShape& shape, int level)
      : nx_(static_cast<size_t>(shape.pointsX)),
        data_(table.data() + nx_ * static_cast<size_t>(shape.pointsY) * static_cast<size_t>(level - 1)) {}

  T& operator()(int i, int j) const { return data_[static_cast<size_t>(i - 1) + nx_ * static_cast<size_t>(j - 1)]; }
  T& operator()(GridPos p) const { return (*this)(p.i, p.j); }

 private:
  size_t nx_;
  T* data_;
};

inline LevelSlice<GridPoint> LevelPoints(Building& b, int level) { return {b.Points(), b.Shape(), level}; }
inline LevelSlice<const GridPoint> LevelPoints(const Building& b, int level) { return {b.Points(), b.Shape(), level}; }
inline LevelSlice<ColumnResult> LevelResults(CalcResults& r, int level) { return {r.Columns(), r.Shape(), level}; }

}  // namespace tvk
