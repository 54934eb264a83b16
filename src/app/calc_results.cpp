#include "app/calc_results.h"

#include "engine/calc_results.h"
#include "engine/grade.h"
#include "engine/member_codes.h"
#include "model/building.h"

namespace tvk {

void ForEachColumn(const Building& building, const CalcResults& results,
                   const std::function<void(const ColumnRow&)>& visit) {
  for (int s = 1; s <= building.Storeys(); ++s) {
    for (int j = 1; j <= building.PointsY(); ++j) {
      for (int i = 1; i <= building.PointsX(); ++i) {
        const ColumnRec& column = building.Point(i, j, s).Column;
        if (!HasColumnAt(building.Point(i, j, s))) continue;
        visit(ColumnRow{s, i, j, column, results.Column(i, j, s)});
      }
    }
  }
}

bool AnyOverLimit(const Building& building, const CalcResults& results) {
  for (int s = 1; s <= building.Storeys(); ++s) {
    if (results.Storey(s).overLimit) return true;
  }
  return false;
}

bool AnyHardwareNG(const Building& building, const CalcResults& results) {
  bool ng = false;
  ForEachColumn(building, results, [&](const ColumnRow& row) {
    ng = ng || IsHardwareNG(row.column.NeedGrade, row.column.TopHardware) ||
         IsHardwareNG(row.column.NeedGrade, row.column.BottomHardware);
  });
  return ng;
}

}  // namespace tvk
