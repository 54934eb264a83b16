#include "engine/column_size.h"

#include "model/building.h"

namespace tvk {

namespace {

// Tributary areas are sums of cell shares; an area equal to the allowance must pass.
constexpr double kSlack = 1e-9;

}  // namespace

ColumnSize CheckColumnSize(const Building& building, const BuildingProfile& profile, const ProfileLoads& loads,
                           const SeismicWeights& weights, int onlyStorey) {
  ColumnSize check;
  for (int s = 1; s <= building.Storeys(); ++s) {
    if (onlyStorey != 0 && s != onlyStorey) continue;
    const ColumnStorey storey = CheckColumnDiameter(profile, loads, weights, building.Storeys(), s);
    check.missing.Add(storey.outer.missing);
    check.missing.Add(storey.inner.missing);
    const std::vector<ColumnTributary> tributaries = TributaryAreas(building, s);
    check.columns.reserve(check.columns.size() + tributaries.size());
    for (const ColumnTributary& column : tributaries) {
      ColumnSizeColumn row{column, std::nullopt, std::nullopt};
      const ColumnDiameter& figure = column.outer ? storey.outer : storey.inner;
      if (figure.capacity) {
        row.allowedM2 = figure.capacity->allowedM2;
        row.ok = column.areaM2 <= figure.capacity->allowedM2 + kSlack;
      }
      check.columns.push_back(row);
    }
    check.storeys.push_back(storey);
  }
  return check;
}

}  // namespace tvk
