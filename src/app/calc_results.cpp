#include "app/calc_results.h"

#include "engine/grade.h"
#include "engine/member_codes.h"
#include "model/building.h"

namespace tvk {

void ForEachColumn(const Building& building, const std::function<void(const ColumnRow&)>& visit) {
  for (int s = 1; s <= building.Storeys(); ++s) {
    for (int j = 1; j <= building.PointsY(); ++j) {
      for (int i = 1; i <= building.PointsX(); ++i) {
        const ColumnRec& column = building.Point(i, j, s).Column;
        if (!HasColumnAt(building.Point(i, j, s))) continue;
        visit(ColumnRow{s, i, j, column, building.Result(i, j, s)});
      }
    }
  }
}

bool AnyOverLimit(const Building& building) {
  for (int s = 1; s <= building.Storeys(); ++s) {
    if (building.Balance[static_cast<size_t>(s - 1)].OverLimit == 1) return true;
  }
  return false;
}

bool AnyHardwareNG(const Building& building) {
  bool ng = false;
  ForEachColumn(building, [&](const ColumnRow& row) {
    ng = ng || IsHardwareNG(row.column.NeedGrade, row.column.TopHardware) ||
         IsHardwareNG(row.column.NeedGrade, row.column.BottomHardware);
  });
  return ng;
}

}  // namespace tvk
