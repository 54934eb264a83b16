#pragma once
// The column-size check: per storey the required small diameter and the area a column of the
// building's section may carry, and every column's tributary area against it.

#include <optional>
#include <vector>

#include "engine/column_diameter.h"
#include "engine/tributary_area.h"

namespace tvk {

class Building;

struct ColumnSizeColumn {
  ColumnTributary tributary;
  std::optional<double> allowedM2;  // the storey's outer or inner figure
  std::optional<bool> ok;           // tributary ≤ allowed
};

struct ColumnSize {
  std::vector<ColumnStorey> storeys;
  std::vector<ColumnSizeColumn> columns;  // storey 1 first, then by j, then by i
  MissingFields missing;
};

// onlyStorey: that storey alone (the plan's overlay of the storey being edited); 0 for every storey.
ColumnSize CheckColumnSize(const Building& building, const BuildingProfile& profile, const ProfileLoads& loads,
                           const SeismicWeights& weights, int onlyStorey = 0);

}  // namespace tvk
