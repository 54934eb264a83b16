#include "app/calc_results.h"

#include <ostream>
#include <string>

#include "engine/calc_results.h"
#include "engine/full_calculation.h"
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

void PrintCalculationWarnings(const Building& building, const CalcResults& results, std::ostream& err,
                              std::string_view command) {
  const std::string prefix = "voln-tvk " + std::string(command) + ": ";
  if (AnyOverLimit(building, results)) err << prefix << "必要金物が (る*) を超える柱があります。\n";
  if (AnyHardwareNG(building, results)) err << prefix << "耐力不足の金物が配置されています。\n";
  if (WarnNotTransmitted(building, results)) err << prefix << kNotTransmittedWarning << "\n";
}

}  // namespace tvk
