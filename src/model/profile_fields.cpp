#include "model/profile_fields.h"

#include <cmath>
#include <limits>

namespace tvk {

namespace {

constexpr NamedChoice kRoofChoices[] = {{"tile", "瓦"}, {"slate", "スレート"}, {"metal", "金属板"}};
constexpr NamedChoice kSolarChoices[] = {{"none", "なし"}, {"standard", "標準 (屋根面 200N/m²)"}};
constexpr NamedChoice kWallChoices[] = {{"earthen", "土塗壁"},
                                        {"mortar", "モルタル"},
                                        {"siding", "サイディング"},
                                        {"metal", "金属板"},
                                        {"board", "下見板"}};
constexpr NamedChoice kUseChoices[] = {{"house", "住宅"}, {"office", "事務所等"}};
constexpr NamedChoice kC0Choices[] = {{"0.2", "0.2"}, {"0.3", "0.3 (指定された軟弱地盤)"}};
constexpr NamedChoice kWoodChoices[] = {
    {"sugi", "すぎ無等級 (Fc 17.7)"}, {"sugi2", "すぎ二級 (Fc 20.4)"}, {"e95", "E95-F315 (Fc 26.0)"}};

using F = ProfileField;
using K = FieldKind;

ProfileFieldInfo Number(F id, const char* key, const char* label, const char* unit, int decimals, double min,
                        double max, bool twoStoreys = false) {
  return {id, key, label, unit, K::Number, {}, false, decimals, min, max, twoStoreys, ""};
}

ProfileFieldInfo Choice(F id, const char* key, const char* label, std::span<const NamedChoice> choices,
                        const char* unit = "", int decimals = 0, double min = 0, double max = 0) {
  return {id, key, label, unit, K::Choice, choices, unit[0] != '\0', decimals, min, max, false, ""};
}

ProfileFieldInfo Section(F id, const char* key, const char* label, bool twoStoreys) {
  return {id, key, label, "mm", K::Section, {}, false, 0, 60, 500, twoStoreys, ""};
}

ProfileFieldInfo WhenEmpty(ProfileFieldInfo info, const char* text) {
  info.whenEmpty = text;
  return info;
}

// In the order of ProfileField, which is also the order the batch command prints.
const std::array<ProfileFieldInfo, kProfileFieldCount> kFields = {
    Number(F::H1, "h1", "１階の階高", "mm", 0, 1500, 6000),
    Number(F::H2, "h2", "２階の階高", "mm", 0, 1500, 6000, true),
    Number(F::Rise, "rise", "小屋の高さ", "mm", 0, 0, 10000),
    Number(F::Eaves, "eaves", "軒の出", "mm", 0, 0, 3000),
    Number(F::Pitch, "pitch", "屋根勾配", "寸", 2, 0, 20),
    Choice(F::Roof, "roof", "屋根仕上げ", kRoofChoices, "N/m²", 0, 1, 9999),
    Choice(F::Solar, "pv", "太陽光パネル", kSolarChoices, "kg", 0, 1, 9999),
    WhenEmpty(Number(F::CeilingInsulation, "ceiling_insulation", "天井断熱材", "N/m²", 0, 0, 1000), "100"),
    Choice(F::Wall, "wall", "外壁仕上げ", kWallChoices, "N/m²", 0, 1, 9999),
    WhenEmpty(Number(F::WallInsulation, "wall_insulation", "外壁断熱材", "N/m²", 0, 0, 1000), "70"),
    WhenEmpty(Choice(F::Use, "use", "用途", kUseChoices), "住宅"),
    WhenEmpty(Choice(F::C0, "c0", "標準せん断力係数Ｃ0", kC0Choices), "0.2"),
    WhenEmpty(Number(F::Wind, "wind", "風圧力の係数", "cm/m²", 1, 50, 75), "50"),
    Number(F::Lw1, "lw1", "必要壁量 Lw (２階建ての１階)", "cm/m²", 1, 1, 200, true),
    Number(F::Lw2, "lw2", "必要壁量 Lw (２階建ての２階)", "cm/m²", 1, 1, 200, true),
    Number(F::LwOneStorey, "lw_one", "必要壁量 Lw (平屋)", "cm/m²", 1, 1, 200),
    Number(F::WindAreaX1, "wind_area_x1", "見付面積 (１階・Ｘ方向加力)", "m²", 2, 0, 999.99),
    Number(F::WindAreaY1, "wind_area_y1", "見付面積 (１階・Ｙ方向加力)", "m²", 2, 0, 999.99),
    Number(F::WindAreaX2, "wind_area_x2", "見付面積 (２階・Ｘ方向加力)", "m²", 2, 0, 999.99, true),
    Number(F::WindAreaY2, "wind_area_y2", "見付面積 (２階・Ｙ方向加力)", "m²", 2, 0, 999.99, true),
    Choice(F::Wood, "wood", "柱の樹種", kWoodChoices, "N/mm²", 1, 1, 99.9),
    Section(F::Column1, "column1", "柱の断面 (１階)", false),
    Section(F::Column2, "column2", "柱の断面 (２階)", true),
    Number(F::Clear1, "clear1", "１階の横架材間内法寸法 H0", "mm", 0, 1000, 6000),
    Number(F::Clear2, "clear2", "２階の横架材間内法寸法 H0", "mm", 0, 1000, 6000, true),
};

double Scale(int decimals) { return std::pow(10.0, decimals); }

// ---- profile <-> stored form, per kind of member --------------------------------------

std::optional<FieldCode> NumberCode(const ProfileFieldInfo& info, const std::optional<double>& v) {
  if (!v) return std::nullopt;
  return FieldCode{0, ToFixed(info, *v)};
}

std::optional<double> NumberOf(const ProfileFieldInfo& info, const std::optional<FieldCode>& c) {
  if (!c) return std::nullopt;
  return FromFixed(info, c->value);
}

std::optional<FieldCode> IntCode(const std::optional<int>& v) {
  if (!v) return std::nullopt;
  return FieldCode{0, *v};
}

std::optional<int> IntOf(const std::optional<FieldCode>& c) {
  if (!c) return std::nullopt;
  return c->value;
}

// A choice whose last enumerator stands for "a number".
template <class Choice, class Enum>
std::optional<FieldCode> ChoiceCode(const ProfileFieldInfo& info, const std::optional<Choice>& v, Enum Choice::*kind,
                                    double Choice::*number) {
  if (!v) return std::nullopt;
  const auto code = static_cast<int32_t>((*v).*kind);
  const bool isNumber = static_cast<size_t>(code) == info.choices.size();
  return FieldCode{code, isNumber ? ToFixed(info, (*v).*number) : 0};
}

template <class Choice, class Enum>
std::optional<Choice> ChoiceOf(const ProfileFieldInfo& info, const std::optional<FieldCode>& c, Enum Choice::*kind,
                               double Choice::*number) {
  if (!c) return std::nullopt;
  Choice out;
  out.*kind = static_cast<Enum>(c->code);
  if (static_cast<size_t>(c->code) == info.choices.size()) out.*number = FromFixed(info, c->value);
  return out;
}

std::optional<FieldCode> C0Code(const std::optional<double>& v) {
  if (!v) return std::nullopt;
  if (std::fabs(*v - 0.2) < 1e-9) return FieldCode{0, 0};
  if (std::fabs(*v - 0.3) < 1e-9) return FieldCode{1, 0};
  return FieldCode{-1, 0};
}

std::optional<FieldCode> SectionCode(const std::optional<ColumnSection>& v) {
  if (!v) return std::nullopt;
  return FieldCode{v->b, v->d};
}

std::optional<ColumnSection> SectionOf(const std::optional<FieldCode>& c) {
  if (!c) return std::nullopt;
  return ColumnSection{c->code, c->value};
}

// The entered 見付面積 of a wind-area field (x1, y1, x2, y2 in order).
template <class Profile>
auto& WindArea(Profile& p, ProfileField f) {
  const int k = static_cast<int>(f) - static_cast<int>(F::WindAreaX1);
  return p.windArea[k / 2 + 1][k % 2 == 0 ? Dir::X : Dir::Y];
}

std::string RangeText(const ProfileFieldInfo& info) {
  std::string text =
      FixedText(ToFixed(info, info.min), info.decimals) + " ～ " + FixedText(ToFixed(info, info.max), info.decimals);
  if (info.unit[0] != '\0') text += std::string(" ") + info.unit;
  return text;
}

bool InRange(const ProfileFieldInfo& info, int32_t fixed) {
  return fixed >= ToFixed(info, info.min) && fixed <= ToFixed(info, info.max);
}

}  // namespace

std::string FixedText(int32_t fixed, int decimals) {
  const bool negative = fixed < 0;
  std::string digits = std::to_string(negative ? -static_cast<int64_t>(fixed) : static_cast<int64_t>(fixed));
  if (decimals > 0) {
    const auto places = static_cast<size_t>(decimals);
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, ".");
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
  }
  return negative ? "-" + digits : digits;
}

const ProfileFieldInfo& FieldInfo(ProfileField field) { return kFields[static_cast<size_t>(field)]; }

std::span<const ProfileFieldInfo> AllProfileFields() { return kFields; }

const ProfileFieldInfo* FindProfileField(std::string_view key) {
  for (const ProfileFieldInfo& info : kFields) {
    if (key == info.key) return &info;
  }
  return nullptr;
}

int32_t ToFixed(const ProfileFieldInfo& info, double number) {
  const double scaled = std::round(number * Scale(info.decimals));
  if (!std::isfinite(scaled) || std::fabs(scaled) > 2e9) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(scaled);
}

double FromFixed(const ProfileFieldInfo& info, int32_t fixed) { return fixed / Scale(info.decimals); }

std::optional<FieldCode> GetFieldCode(const BuildingProfile& p, ProfileField field) {
  const ProfileFieldInfo& info = FieldInfo(field);
  switch (field) {
    case F::H1:
      return IntCode(p.h1);
    case F::H2:
      return IntCode(p.h2);
    case F::Rise:
      return IntCode(p.rise);
    case F::Eaves:
      return IntCode(p.eaves);
    case F::Pitch:
      return NumberCode(info, p.pitch);
    case F::Roof:
      return ChoiceCode(info, p.roof, &RoofChoice::finish, &RoofChoice::weight);
    case F::Solar:
      return ChoiceCode(info, p.solar, &SolarChoice::panels, &SolarChoice::massKg);
    case F::CeilingInsulation:
      return NumberCode(info, p.ceilingInsulation);
    case F::Wall:
      return ChoiceCode(info, p.wall, &WallChoice::finish, &WallChoice::weight);
    case F::WallInsulation:
      return NumberCode(info, p.wallInsulation);
    case F::Use:
      if (!p.use) return std::nullopt;
      return FieldCode{static_cast<int32_t>(*p.use), 0};
    case F::C0:
      return C0Code(p.c0);
    case F::Wind:
      return NumberCode(info, p.windCoefficient);
    case F::Lw1:
      return NumberCode(info, p.lw1);
    case F::Lw2:
      return NumberCode(info, p.lw2);
    case F::LwOneStorey:
      return NumberCode(info, p.lwOneStorey);
    case F::WindAreaX1:
    case F::WindAreaY1:
    case F::WindAreaX2:
    case F::WindAreaY2:
      return NumberCode(info, WindArea(p, field));
    case F::Wood:
      return ChoiceCode(info, p.wood, &WoodChoice::wood, &WoodChoice::fc);
    case F::Column1:
      return SectionCode(p.column[0]);
    case F::Column2:
      return SectionCode(p.column[1]);
    case F::Clear1:
      return IntCode(p.clearHeight[0]);
    case F::Clear2:
      return IntCode(p.clearHeight[1]);
  }
  return std::nullopt;
}

void SetFieldCode(BuildingProfile& p, ProfileField field, const std::optional<FieldCode>& c) {
  const ProfileFieldInfo& info = FieldInfo(field);
  switch (field) {
    case F::H1:
      p.h1 = IntOf(c);
      return;
    case F::H2:
      p.h2 = IntOf(c);
      return;
    case F::Rise:
      p.rise = IntOf(c);
      return;
    case F::Eaves:
      p.eaves = IntOf(c);
      return;
    case F::Pitch:
      p.pitch = NumberOf(info, c);
      return;
    case F::Roof:
      p.roof = ChoiceOf(info, c, &RoofChoice::finish, &RoofChoice::weight);
      return;
    case F::Solar:
      p.solar = ChoiceOf(info, c, &SolarChoice::panels, &SolarChoice::massKg);
      return;
    case F::CeilingInsulation:
      p.ceilingInsulation = NumberOf(info, c);
      return;
    case F::Wall:
      p.wall = ChoiceOf(info, c, &WallChoice::finish, &WallChoice::weight);
      return;
    case F::WallInsulation:
      p.wallInsulation = NumberOf(info, c);
      return;
    case F::Use:
      p.use = c ? std::optional(static_cast<BuildingUse>(c->code)) : std::nullopt;
      return;
    case F::C0:
      p.c0 = c ? std::optional(c->code == 1 ? 0.3 : 0.2) : std::nullopt;
      return;
    case F::Wind:
      p.windCoefficient = NumberOf(info, c);
      return;
    case F::Lw1:
      p.lw1 = NumberOf(info, c);
      return;
    case F::Lw2:
      p.lw2 = NumberOf(info, c);
      return;
    case F::LwOneStorey:
      p.lwOneStorey = NumberOf(info, c);
      return;
    case F::WindAreaX1:
    case F::WindAreaY1:
    case F::WindAreaX2:
    case F::WindAreaY2:
      WindArea(p, field) = NumberOf(info, c);
      return;
    case F::Wood:
      p.wood = ChoiceOf(info, c, &WoodChoice::wood, &WoodChoice::fc);
      return;
    case F::Column1:
      p.column[0] = SectionOf(c);
      return;
    case F::Column2:
      p.column[1] = SectionOf(c);
      return;
    case F::Clear1:
      p.clearHeight[0] = IntOf(c);
      return;
    case F::Clear2:
      p.clearHeight[1] = IntOf(c);
      return;
  }
}

std::optional<std::string> CheckFieldCode(const ProfileFieldInfo& info, const FieldCode& c) {
  const std::string label = info.label;
  const std::string range = "は、" + RangeText(info) + " の範囲で入力してください。";
  const auto choices = static_cast<int32_t>(info.choices.size());
  switch (info.kind) {
    case FieldKind::Number:
      if (c.code != 0) break;
      if (!InRange(info, c.value)) return label + range;
      return std::nullopt;
    case FieldKind::Choice:
      if (c.code >= 0 && c.code < choices && c.value == 0) return std::nullopt;
      if (!info.numberAllowed || c.code != choices) break;
      if (!InRange(info, c.value)) return label + "の数値" + range;
      return std::nullopt;
    case FieldKind::Section:
      if (!InRange(info, c.code) || !InRange(info, c.value)) return label + "の各辺" + range;
      return std::nullopt;
  }
  return label + "の値が正しくありません（" + std::to_string(c.code) + ", " + std::to_string(c.value) + "）。";
}

std::optional<ProfileError> CheckProfile(const BuildingProfile& profile, int storeys) {
  for (const ProfileFieldInfo& info : kFields) {
    const std::optional<FieldCode> code = GetFieldCode(profile, info.id);
    if (!code) continue;
    if (info.twoStoreys && storeys < 2) {
      return ProfileError{info.id, std::string(info.label) + "は、２階建ての場合にだけ入力できます。"};
    }
    if (auto message = CheckFieldCode(info, *code)) return ProfileError{info.id, std::move(*message)};
  }
  if (profile.h2 && !profile.h1) {
    return ProfileError{F::H2, "２階の階高を入力するときは、１階の階高も入力してください。"};
  }
  const std::array<std::optional<int>, 2> heights = {profile.h1, profile.h2};
  for (size_t k = 0; k < heights.size(); ++k) {
    const auto& clear = profile.clearHeight[k];
    if (clear && heights[k] && *clear >= *heights[k]) {
      const ProfileField field = k == 0 ? F::Clear1 : F::Clear2;
      return ProfileError{field, std::string(FieldInfo(field).label) + "は、階高より小さく入力してください。"};
    }
  }
  return std::nullopt;
}

BuildingProfile WithoutUpperStorey(BuildingProfile profile) {
  for (const ProfileFieldInfo& info : kFields) {
    if (info.twoStoreys) SetFieldCode(profile, info.id, std::nullopt);
  }
  return profile;
}

}  // namespace tvk
