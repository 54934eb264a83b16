#include "report/figures/column_marks.h"

#include "engine/calc_results.h"

namespace tvk {

namespace {

// N above this needs hold-down hardware; the tolerance keeps a single-precision 1.6 at 1.6.
constexpr double kHoldDownN = 1.6;
constexpr double kTolerance = 1e-6;

}  // namespace

bool NeedsHoldDown(const CalcResults& results, int i, int j, int storey) {
  const ColumnResult& r = results.Column(i, j, storey);
  for (const Dir d : kDirs) {
    const double n = storey == 1 ? r.total(d) : r.n[d];
    if (n > kHoldDownN + kTolerance) return true;
  }
  return false;
}

ColumnMark HardwarePlanMark(const CalcResults& results, int i, int j, int storey) {
  if (results.Column(i, j, storey).overLimit != 0) return ColumnMark::Red;
  return NeedsHoldDown(results, i, j, storey) ? ColumnMark::Black : ColumnMark::White;
}

ColumnMark CheckViewUpperMark(const CalcResults& results, int i, int j) {
  return results.Column(i, j, 2).notTransmitted != 0 ? ColumnMark::Red : ColumnMark::Black;
}

}  // namespace tvk
