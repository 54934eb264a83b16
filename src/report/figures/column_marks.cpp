#include "report/figures/column_marks.h"

#include "model/building.h"

namespace tvk {

namespace {

// N above this needs hold-down hardware; the tolerance keeps a single-precision 1.6 at 1.6.
constexpr double kHoldDownN = 1.6;
constexpr double kTolerance = 1e-6;

}  // namespace

bool NeedsHoldDown(const Building& building, int i, int j, int storey) {
  const ColumnResult& r = building.Result(i, j, storey);
  for (int d = kDirX; d <= kDirY; ++d) {
    const double n = storey == 1 ? r.total(d) : r.n[static_cast<size_t>(d - 1)];
    if (n > kHoldDownN + kTolerance) return true;
  }
  return false;
}

ColumnMark HardwarePlanMark(const Building& building, int i, int j, int storey) {
  if (building.Result(i, j, storey).overLimit != 0) return ColumnMark::Red;
  return NeedsHoldDown(building, i, j, storey) ? ColumnMark::Black : ColumnMark::White;
}

ColumnMark CheckViewUpperMark(const Building& building, int i, int j) {
  return building.Result(i, j, 2).notTransmitted != 0 ? ColumnMark::Red : ColumnMark::Black;
}

}  // namespace tvk
