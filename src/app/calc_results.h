#pragma once
// What the calc sub-command reads from a calculated building, shared by its JSON and its
// table output.

#include <functional>
#include <iosfwd>
#include <string_view>

namespace tvk {

class Building;
class CalcResults;
struct ColumnRec;
struct ColumnResult;

struct ColumnRow {
  int storey, i, j;
  const ColumnRec& column;
  const ColumnResult& result;
};

// Every column, storey 1 first, then by the second grid index, then the first.
void ForEachColumn(const Building& building, const CalcResults& results,
                   const std::function<void(const ColumnRow&)>& visit);

// The warnings the desktop program shows after the calculation.
bool AnyOverLimit(const Building& building, const CalcResults& results);
bool AnyHardwareNG(const Building& building, const CalcResults& results);
// Their short forms on err, each after "voln-tvk " + the sub-command.
void PrintCalculationWarnings(const Building& building, const CalcResults& results, std::ostream& err,
                              std::string_view command);

}  // namespace tvk
