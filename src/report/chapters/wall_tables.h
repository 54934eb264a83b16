#pragma once
// The tables of chapter 4 (壁量の検討) as text: what the 2025 checks computed, written so
// that a building official can follow every step on paper (formula, the numbers put in,
// the result). Cells use "\r" for a line break inside the cell; "----" stands where the
// profile lacks what a value needs, and a note names the missing fields.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/profile_checks.h"
#include "report/chapters/check_table.h"

namespace tvk {

class Building;

// Number texts of the chapter.
std::string Fixed(const std::optional<double>& value, int decimals);
// A value in cm/m² (an Lw, the wind coefficient): whole numbers without decimals, an
// entered 44.5 as it is.
std::string LwText(double lw);
// "Ｘ方向", "Ｙ方向".
std::string DirectionText(Dir d);

// The chapter is written when the profile gives some field the wall checks read besides
// the storey heights (which the N values use on their own).
bool HasWallProfile(const BuildingProfile& profile);

// 4.1: every field of the profile the wall checks read, as entered and as used.
CheckTable ProfileTable(const BuildingProfile& profile, const ProfileLoads& loads, int storeys);

// 4.2: floor areas from the plan, the wall bands per floor area, the Lw derivation, and
// the Lw used per storey in one line.
CheckTable FloorAreaTable(const std::vector<StoreyPlan>& plans);
CheckTable WallBandTable(const LwDerivation& lw, const ProfileLoads& loads, int storeys);
CheckTable LwTable(const LwDerivation& lw, const ProfileLoads& loads, const std::vector<StoreyPlan>& plans);
std::string LwSummaryLine(const LwDerivation& lw, int storeys);

// 4.3: 見付面積 and the wind requirement per storey and direction, and the parts of the
// estimated areas (empty rows when every area was entered).
CheckTable WindTable(const WallQuantity& quantity, double windCoefficient);
CheckTable WindPartsTable(const WallQuantity& quantity);

// 4.4: existing against required per storey and direction, and the walls of one storey
// line by line (length x multiplier per run of equal multipliers).
CheckTable WallJudgementTable(const WallQuantity& quantity);
CheckTable WallLineTable(const Building& building, int storey, const PerDir<WallLines>& walls);

// 4.5: the side strips of one storey in both directions.
CheckTable QuarterTable(const Building& building, const QuarterStorey& quarters);

}  // namespace tvk
