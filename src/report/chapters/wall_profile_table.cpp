// Chapter 4 number texts, and table 4.1.1: the building profile as entered and as used.
#include <cmath>

#include "model/grid_point.h"
#include "model/number_format.h"
#include "model/profile_fields.h"
#include "report/chapters/wall_tables.h"

namespace tvk {

namespace {

using F = ProfileField;

// The fields the wall checks read besides the heights, in the order the table lists them.
constexpr F kWallFields[] = {
    F::Rise, F::Eaves,          F::Pitch,      F::Roof,       F::Solar,      F::CeilingInsulation,
    F::Wall, F::WallInsulation, F::Use,        F::C0,         F::Wind,       F::Lw1,
    F::Lw2,  F::LwOneStorey,    F::WindAreaX1, F::WindAreaY1, F::WindAreaX2, F::WindAreaY2};

std::string WithUnit(const std::string& number, const char* unit) {
  return *unit == '\0' ? number : number + " " + unit;
}

// The field's value in the words of the profile dialog; "未入力" when it is not given.
std::string EnteredText(const BuildingProfile& profile, F field) {
  const std::optional<FieldCode> code = GetFieldCode(profile, field);
  if (!code) return "未入力";
  const ProfileFieldInfo& info = FieldInfo(field);
  if (info.kind == FieldKind::Choice && static_cast<size_t>(code->code) < info.choices.size()) {
    return info.choices[static_cast<size_t>(code->code)].label;
  }
  return WithUnit(FixedText(code->value, info.decimals), info.unit);
}

std::string Metres(const std::optional<double>& m) { return m ? FormatFixed(*m, 3) + " m" : kNoValue; }

std::string PerArea(const std::optional<double>& n, const char* where) {
  return n ? FormatFixed(*n, 0) + " N/m² (" + where + ")" : kNoValue;
}

std::string SolarText(const ProfileLoads& loads) {
  switch (loads.solar) {
    case SolarPanels::None:
      return "なし";
    case SolarPanels::Standard:
      return FormatFixed(kSolarPerRoof, 0) + " N/m² (屋根面)";
    case SolarPanels::Mass:
      return "質量×9.8/最大の床面積 (床面)";
  }
  return "なし";
}

std::string UseText(const ProfileLoads& loads) {
  const char* use = loads.use == BuildingUse::Office ? "事務所等" : "住宅";
  return std::string(use) + " (積載荷重 " + FormatFixed(loads.live, 0) + " N/m²)";
}

// What the checks take for the field.
std::string UsedText(const BuildingProfile& profile, const ProfileLoads& loads, F field) {
  const auto entered = [&](const char* formula) {
    return GetFieldCode(profile, field) ? std::string("入力値による") : std::string(formula);
  };
  switch (field) {
    case F::H1:
      return Metres(loads.h1);
    case F::H2:
      return Metres(loads.h2);
    case F::Rise:
      return Metres(loads.rise);
    case F::Eaves:
      return Metres(loads.eaves);
    case F::Pitch:
      return loads.pitch ? FormatFixed(*loads.pitch, 2) + " 寸" : kNoValue;
    case F::Roof:
      return PerArea(loads.roof, "屋根面");
    case F::Solar:
      return SolarText(loads);
    case F::CeilingInsulation:
      return PerArea(loads.ceilingInsulation.value, "床面");
    case F::Wall:
      return PerArea(loads.exteriorWall, "壁面の 91%");
    case F::WallInsulation:
      return PerArea(loads.wallInsulation.value, "壁面の 91%");
    case F::Use:
      return UseText(loads);
    case F::C0:
      return FormatFixed(loads.c0.value, 1);
    case F::Wind:
      return LwText(loads.windCoefficient.value) + " cm/m²";
    case F::Lw1:
    case F::Lw2:
    case F::LwOneStorey:
      return entered("算定式による (4.2)");
    case F::WindAreaX1:
    case F::WindAreaY1:
    case F::WindAreaX2:
    case F::WindAreaY2:
      return entered("概算による (4.3)");
    default:
      return kNoValue;
  }
}

}  // namespace

std::string Fixed(const std::optional<double>& value, int decimals) {
  return value ? FormatFixed(*value, decimals) : kNoValue;
}

std::string LwText(double lw) {
  return std::fabs(lw - std::round(lw)) < 1e-9 ? FormatFixed(lw, 0) : FormatFixed(lw, 1);
}

std::string DirectionText(Dir d) { return d == Dir::Y ? "Ｙ方向" : "Ｘ方向"; }

bool HasWallProfile(const BuildingProfile& profile) {
  for (const F field : kWallFields) {
    if (GetFieldCode(profile, field)) return true;
  }
  return false;
}

CheckTable ProfileTable(const BuildingProfile& profile, const ProfileLoads& loads, int storeys) {
  CheckTable table{"表-4.1.1.建物仕様", "+<3300|+<2600|+<3400;", {"項　　目", "入力値", "算定に用いる値"}, {}, {}, {}};
  auto add = [&](F field) {
    const ProfileFieldInfo& info = FieldInfo(field);
    if (info.twoStoreys && storeys < 2) return;
    table.rows.push_back({info.label, EnteredText(profile, field), UsedText(profile, loads, field)});
  };
  add(F::H1);
  add(F::H2);
  for (const F field : kWallFields) {
    add(field);
    if (field != F::WallInsulation) continue;
    // The rule's own loads follow the finishes they stand beside.
    table.rows.push_back({"開口部", "―", FormatFixed(kOpeningWeight, 0) + " N/m² (壁面の 9%)"});
    table.rows.push_back({"内壁", "―", FormatFixed(kInteriorWallWeight, 0) + "×h/2.8 N/m² (床面)"});
    table.rows.push_back({"床", "―", FormatFixed(kFloorWeight, 0) + " N/m² (床面)"});
  }
  table.notes = {"※ 未入力の項目は標準値による。「----」は算定に必要な値がないことを示す。"};
  return table;
}

}  // namespace tvk
