#pragma once
// Unchecked access to the records of one level, for the engine's loops over whole levels.
// The model keeps its arrays with i varying fastest, then j, then the level.

#include <cstddef>
#include <utility>

#include "model/building.h"

namespace tvk {

template <class B>
class BasicLevelView {
 public:
  BasicLevelView(B& b, int level)
      : nx_(static_cast<size_t>(b.PointsX())),
        offset_(nx_ * static_cast<size_t>(b.PointsY()) * static_cast<size_t>(level - 1)),
        points_(b.Points().data() + offset_),
        results_(b.Results().data() + offset_) {}

  auto& point(int i, int j) const { return points_[slot(i, j)]; }
  auto& result(int i, int j) const { return results_[slot(i, j)]; }

 private:
  size_t slot(int i, int j) const { return static_cast<size_t>(i - 1) + nx_ * static_cast<size_t>(j - 1); }

  size_t nx_;
  size_t offset_;
  decltype(std::declval<B&>().Points().data()) points_;
  decltype(std::declval<B&>().Results().data()) results_;
};

using LevelView = BasicLevelView<Building>;
using ConstLevelView = BasicLevelView<const Building>;

}  // namespace tvk
