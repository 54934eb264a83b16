#pragma once
// The texts and tables of chapter 5 of the report (the column small diameter and the floor
// area each column carries), built from the checks' results with the arithmetic written out:
// the formula, the numbers put into it, the result.

#include <string>
#include <vector>

#include "report/chapters/check_table.h"
#include "report/chapters/report_fixed_texts.h"

namespace tvk {

class Building;
struct ColumnStorey;
struct ProfileChecks;
struct BuildingProfile;

inline constexpr const char* kHeadColumnSize = "5.柱の小径の検討";
inline constexpr const char* kHeadColumnDiameter = "5.1.柱の小径と負担可能面積";
inline constexpr const char* kHeadColumnAreaPlans = "5.2.柱の負担面積図";
inline constexpr const char* kHeadColumnAreaCheck = "5.3.柱の負担面積の検定";
inline constexpr const char* kColumnFormulaTitle = "(1)算定式";
inline constexpr const char* kColumnStoreysTitle = "(2)各階の柱の小径と負担可能面積";
inline constexpr const char* kNoNgColumns = "負担面積が負担可能面積を超える柱はありません。";
inline constexpr const char* kNgColumnsIntro = "負担面積が負担可能面積(5.1)を超える柱を以下に示す。";

// The chapter is written when the profile gives anything besides the storey heights (which
// the N values use on their own).
bool HasColumnProfile(const BuildingProfile& profile);

std::vector<std::string> ColumnDiameterIntroLines();
std::vector<std::string> ColumnAreaIntroLines();

// The formulas and the rule's constants.
FixedTable ColumnFormulaTable();

// 表-5.1.n for one storey: outer and inner columns side by side, a row per quantity, and a
// note naming what the profile lacks where a value could not be computed.
CheckTable ColumnStoreyTable(const ProfileChecks& checks, const BuildingProfile& profile, int storey, int storeys);

// The line for a storey some of whose columns could not be judged ("" when all could).
std::string NotJudgedLine(const ColumnStorey& storey);

// The columns whose tributary area exceeds what they may carry, one row each; no rows when
// there are none or nothing could be judged.
CheckTable NgColumnsTable(const Building& building, const ProfileChecks& checks);

}  // namespace tvk
