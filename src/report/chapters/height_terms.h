#pragma once
// How the report shows the storey-height factor of the N values: the formulas of chapter
// 1.2 with their H/2.7 terms and the heights used, and the "x3.30/2.7" term of the results
// table. Only where some storey is taller than 3.2 m; otherwise the report is as before.

#include <string>

#include "report/chapters/report_fixed_texts.h"

namespace tvk {

class Building;

// Some storey's A x B products are scaled.
bool AnyHeightFactor(const Building& building);

// "x3.30/2.7" for a storey whose products are scaled, "" for one whose are not.
std::string HeightFactorTerm(const Building& building, int storey);

// The formula tables of chapter 1.2 with the H/2.7 terms.
FixedTable FormulaTable1WithHeight();
FixedTable FormulaTable2WithHeight(int lMethod);

// The line under the formula tables naming the heights used.
std::string HeightsUsedLine(const Building& building);

// A height in metres with two decimals, three when the millimetres need them: "3.00", "3.255".
std::string HeightMetres(int mm);

}  // namespace tvk
