#pragma once
// How a column square is filled in the plan figures and the transmission check page.

namespace tvk {

class CalcResults;

enum class ColumnMark {
  Black,      // bearing-wall plan, hold-down column of the hardware plan, transmitted storey-2 column
  White,      // hardware plan column that needs no hold-down hardware
  Red,        // beyond (る)* in the hardware plan; pull-out not transmitted in the check page
  LowerOpen,  // storey-1 column under the storey-2 plan of the check page
};

// Hardware plan: a column needs hold-down hardware when its N exceeds 1.6 in X or Y
// (storey 1 counts what reaches it from above).
bool NeedsHoldDown(const CalcResults& results, int i, int j, int storey);

ColumnMark HardwarePlanMark(const CalcResults& results, int i, int j, int storey);

// Storey-2 column of the check page.
ColumnMark CheckViewUpperMark(const CalcResults& results, int i, int j);

}  // namespace tvk
