#include "engine/tributary_area.h"

#include <cstdint>
#include <vector>

#include "engine/floor_map.h"
#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "engine/storey_plan.h"
#include "model/building.h"

namespace tvk {

namespace {

// Distances are measured in half sub-grids, where cell centres and grid points both have
// integer coordinates (a centre at 2c - 1, a point at 2(k - 1)), so ties are exact.
//
// Per row of cells, every grid line along Y offers its nearest columns below and above the
// row's centres at a vertical distance dy; the squared distance from a centre at x to that
// line's nearest column is the parabola (x - X)² + dy². The lower envelope of these
// parabolas, built once per row with exact rational breakpoints, names each cell's nearest
// columns in one left-to-right pass: the whole storey costs time linear in its points.

// num / den with den > 0.
struct Ratio {
  int64_t num = 0;
  int64_t den = 1;
};

bool Less(const Ratio& a, const Ratio& b) { return a.num * b.den < b.num * a.den; }
bool Less(const Ratio& a, int64_t x) { return a.num < x * a.den; }
bool Equal(const Ratio& a, int64_t x) { return a.num == x * a.den; }

// The nearest columns on one grid line for the row being processed.
struct LineReach {
  int i = 0;
  int below = 0;  // j of the nearest column below the row, 0 when none
  int above = 0;  // j of the nearest column above, 0 when none
  int64_t x = 0;  // 2(i - 1)
  int64_t dy = 0;
};

// Where the parabolas of lines p and q (p.x < q.x) cross.
Ratio Crossing(const LineReach& p, const LineReach& q) {
  return {q.dy * q.dy + q.x * q.x - p.dy * p.dy - p.x * p.x, 2 * (q.x - p.x)};
}

class NearestColumns {
 public:
  // columns: one flag per grid point of the storey, i fastest.
  NearestColumns(const std::vector<uint8_t>& columns, int pointsX, int spansY) : nx_(pointsX), rows_(spansY) {
    below_.assign(static_cast<size_t>(nx_) * static_cast<size_t>(rows_), 0);
    above_.assign(below_.size(), 0);
    auto hasColumn = [&](int i, int j) { return columns[slot(i, j)] != 0; };
    // Row by row, carrying each line's last column upwards and its next one downwards.
    for (int cj = 1; cj <= rows_; ++cj) {
      for (int i = 1; i <= nx_; ++i) {
        below_[slot(i, cj)] = hasColumn(i, cj) ? cj : (cj > 1 ? below_[slot(i, cj - 1)] : 0);
      }
    }
    for (int cj = rows_; cj >= 1; --cj) {
      for (int i = 1; i <= nx_; ++i) {
        above_[slot(i, cj)] = hasColumn(i, cj + 1) ? cj + 1 : (cj < rows_ ? above_[slot(i, cj + 1)] : 0);
      }
    }
  }

  // Builds the lower envelope of row cj.
  void StartRow(int cj) {
    envelope_.clear();
    starts_.clear();
    pointer_ = 0;
    for (int i = 1; i <= nx_; ++i) {
      const int below = below_[slot(i, cj)];
      const int above = above_[slot(i, cj)];
      if (below == 0 && above == 0) continue;
      LineReach q{i, below, above, 2 * static_cast<int64_t>(i - 1), 0};
      const int64_t dyBelow = below > 0 ? 2 * (cj - below) + 1 : INT64_MAX;
      const int64_t dyAbove = above > 0 ? 2 * (above - cj) - 1 : INT64_MAX;
      q.dy = dyBelow < dyAbove ? dyBelow : dyAbove;
      if (dyBelow != q.dy) q.below = 0;
      if (dyAbove != q.dy) q.above = 0;
      // A parabola that the new one undercuts before its own region begins never reaches the
      // minimum; one that meets it exactly at that point is kept (a tie there).
      while (envelope_.size() > 1 && Less(Crossing(envelope_.back(), q), starts_.back())) {
        envelope_.pop_back();
        starts_.pop_back();
      }
      starts_.push_back(envelope_.empty() ? Ratio{} : Crossing(envelope_.back(), q));
      envelope_.push_back(q);
    }
  }

  // Calls share(i, j, count) for each of the `count` columns nearest to the centre of cell
  // ci of the current row. Cells must come in increasing ci.
  template <class Share>
  void ForNearest(int ci, Share&& share) {
    if (envelope_.empty()) return;
    const int64_t x = 2 * static_cast<int64_t>(ci) - 1;
    while (pointer_ + 1 < envelope_.size() && Less(starts_[pointer_ + 1], x)) ++pointer_;
    size_t last = pointer_;
    while (last + 1 < envelope_.size() && Equal(starts_[last + 1], x)) ++last;
    int count = 0;
    for (size_t k = pointer_; k <= last; ++k) count += (envelope_[k].below > 0) + (envelope_[k].above > 0);
    for (size_t k = pointer_; k <= last; ++k) {
      if (envelope_[k].below > 0) share(envelope_[k].i, envelope_[k].below, count);
      if (envelope_[k].above > 0) share(envelope_[k].i, envelope_[k].above, count);
    }
  }

 private:
  size_t slot(int i, int cj) const {
    return static_cast<size_t>(i - 1) + static_cast<size_t>(nx_) * static_cast<size_t>(cj - 1);
  }

  int nx_;
  int rows_;
  std::vector<int> below_;
  std::vector<int> above_;
  std::vector<LineReach> envelope_;
  std::vector<Ratio> starts_;  // where each envelope parabola's region begins (the first: unbounded)
  size_t pointer_ = 0;
};

// Calls share(ci, cj, i, j, count) for every floor cell of the storey and each of the
// `count` columns nearest to its centre, cells by row (cj), then ci.
template <class Share>
void WalkShares(const Building& b, int storey, std::vector<uint8_t>& columns, Share&& share) {
  // The point records are large: read the two flags needed once, in memory order.
  const auto nx = static_cast<size_t>(b.PointsX());
  const size_t points = nx * static_cast<size_t>(b.PointsY());
  columns.assign(points, 0);
  std::vector<uint8_t> slabs(points, 0);
  const auto view = LevelPoints(b, storey);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPoint& p = view(i, j);
      const size_t k = static_cast<size_t>(i - 1) + nx * static_cast<size_t>(j - 1);
      columns[k] = HasColumnAt(p) ? 1 : 0;
      slabs[k] = p.FloorKind == FloorCell::Slab ? 1 : 0;
    }
  }
  NearestColumns nearest(columns, b.PointsX(), b.SpansY());
  for (int cj = 1; cj <= b.SpansY(); ++cj) {
    nearest.StartRow(cj);
    for (int ci = 1; ci <= b.SpansX(); ++ci) {
      if (slabs[static_cast<size_t>(ci - 1) + nx * static_cast<size_t>(cj - 1)] == 0) continue;
      nearest.ForNearest(ci, [&](int i, int j, int count) { share(ci, cj, i, j, count); });
    }
  }
}

}  // namespace

std::vector<ColumnTributary> TributaryAreas(const Building& b, int storey) {
  const auto nx = static_cast<size_t>(b.PointsX());
  std::vector<uint8_t> columns;
  std::vector<double> area(nx * static_cast<size_t>(b.PointsY()), 0.0);
  const double side = CellSide(b);
  const double cellArea = side * side;
  WalkShares(b, storey, columns, [&](int, int, int i, int j, int count) {
    area[static_cast<size_t>(i - 1) + nx * static_cast<size_t>(j - 1)] += cellArea / count;
  });
  std::vector<ColumnTributary> result;
  const FloorMap floors(b, storey);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const size_t k = static_cast<size_t>(i - 1) + nx * static_cast<size_t>(j - 1);
      if (columns[k] != 0) result.push_back({storey, GridPos{i, j}, floors.CellsAround(GridPos{i, j}) < 4, area[k]});
    }
  }
  return result;
}

std::vector<CellShare> TributaryShares(const Building& b, int storey) {
  std::vector<uint8_t> columns;
  std::vector<CellShare> shares;
  WalkShares(b, storey, columns, [&](int ci, int cj, int i, int j, int count) {
    shares.push_back({ci, cj, i, j, count});
  });
  return shares;
}

}  // namespace tvk
