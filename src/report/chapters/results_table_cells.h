#pragma once
// Cell texts of the results table "2.3.Ｎ値･接合金物 算定結果一覧表". Pure functions of the
// building and its calculation results; "\r" breaks a line inside a cell.

#include <array>
#include <optional>
#include <string>

#include "model/grid_types.h"

namespace tvk {

class Building;
class CalcResults;

constexpr int kResultsColumns = 10;

struct ResultsRow {
  std::array<std::string, kResultsColumns> cells;
  bool ng = false;              // some printed placed hardware of this row is too weak
  bool notTransmitted = false;  // the storey-2 column's pull-out misses storey 1 (column 3 marked)
};

// The row of grid point `at`, or nothing when neither storey has a column there.
std::optional<ResultsRow> ResultsRowCells(const Building& building, const CalcResults& results, GridPos at);

// Column 7 for one direction d of the storey-1 column at `at`: ΔN and its terms.
std::string DeltaNCell(const Building& building, const CalcResults& results, Dir d, GridPos at);

// N of column 8: moved 0.0005 away from zero before it is printed with two decimals.
std::string ShiftedNText(float n);

// Body column format of the ten printed columns.
std::string ResultsBodyFormat();

inline constexpr const char* kNoColumnsText = "柱が配置されていません。";
inline constexpr const char* kEmptyPlaced = "(　　　 )";
inline constexpr const char* kNgMark = "  NG*";
// The last line of column 3 for a storey-2 column whose pull-out is not transmitted (the red
// column of the check view), and the two lines of its legend below the table.
inline constexpr const char* kNotTransmittedMark = "未伝達*";
inline constexpr const char* kNotTransmittedLegend1 =
    "：下階に柱がなく、その引抜き力が１階柱に正しく伝達されていない２階柱（２階Ｎ値伝達チェックの赤い柱）。";
inline constexpr const char* kNotTransmittedLegend2 =
    "　伝達されない引抜き力は、１階柱のΔNに含まれていません。梁配置のモデル化を変更してください。";

}  // namespace tvk
