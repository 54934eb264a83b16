#include "model/profile_store.h"

#include <array>
#include <limits>

#include "model/building.h"
#include "model/profile_fields.h"

namespace tvk {

namespace {

// Where a field other than the two heights is kept in BuildingInfo::ReservedLongs: its bit
// in the presence mask (slot 0) and the slots of its code and value (0 = not kept).
struct Slots {
  ProfileField field;
  int bit;
  int code;
  int value;
};

constexpr int kMaskSlot = 0;
constexpr std::array<Slots, kProfileFieldCount - 2> kLayout = {{
    {ProfileField::Rise, 0, 0, 1},         {ProfileField::Eaves, 1, 0, 2},
    {ProfileField::Pitch, 2, 0, 3},        {ProfileField::Roof, 3, 4, 5},
    {ProfileField::Solar, 4, 6, 7},        {ProfileField::CeilingInsulation, 5, 0, 8},
    {ProfileField::Wall, 6, 9, 10},        {ProfileField::WallInsulation, 7, 0, 11},
    {ProfileField::Use, 8, 12, 0},         {ProfileField::C0, 9, 13, 0},
    {ProfileField::Wind, 10, 0, 14},       {ProfileField::Lw1, 11, 0, 15},
    {ProfileField::Lw2, 12, 0, 16},        {ProfileField::LwOneStorey, 13, 0, 17},
    {ProfileField::WindAreaX1, 14, 0, 18}, {ProfileField::WindAreaY1, 15, 0, 19},
    {ProfileField::WindAreaX2, 16, 0, 20}, {ProfileField::WindAreaY2, 17, 0, 21},
    {ProfileField::Wood, 18, 22, 23},      {ProfileField::Column1, 19, 24, 25},
    {ProfileField::Column2, 20, 26, 27},   {ProfileField::Clear1, 29, 0, 36},
    {ProfileField::Clear2, 30, 0, 37},
}};

constexpr uint32_t DefinedBits() {
  uint32_t bits = 0;
  for (const Slots& s : kLayout) bits |= 1u << s.bit;
  return bits;
}
constexpr uint32_t kDefinedBits = DefinedBits();

int32_t SlotValue(const BuildingInfo& info, int slot) {
  return slot == 0 ? 0 : info.ReservedLongs[static_cast<size_t>(slot)];
}

// Reads the stored profile. Fields that cannot be used are left out; the first reason is
// kept in error.
BuildingProfile Decode(const BuildingInfo& info, std::optional<std::string>& error) {
  BuildingProfile profile;
  auto refuse = [&](std::string message) {
    if (!error) error = std::move(message);
  };
  auto take = [&](ProfileField field, const FieldCode& code) {
    if (auto bad = CheckFieldCode(FieldInfo(field), code)) return refuse(std::move(*bad));
    SetFieldCode(profile, field, code);
  };
  const auto& levels = info.LevelHeight;
  if (levels[0] != 0 || levels[3] != 0 || (info.StoreyCount < 2 && levels[2] != 0)) {
    refuse("階高の記録が正しくありません。");
  }
  if (levels[1] != 0) take(ProfileField::H1, FieldCode{0, levels[1]});
  if (levels[2] != 0) {
    const int64_t h2 = int64_t{levels[2]} - levels[1];
    const bool fits = h2 >= std::numeric_limits<int32_t>::min() && h2 <= std::numeric_limits<int32_t>::max();
    take(ProfileField::H2, FieldCode{0, fits ? static_cast<int32_t>(h2) : std::numeric_limits<int32_t>::min()});
  }
  const auto mask = static_cast<uint32_t>(info.ReservedLongs[kMaskSlot]);
  if ((mask & ~kDefinedBits) != 0) refuse("建物仕様の記録に未定義の項目があります（" + std::to_string(mask) + "）。");
  for (const Slots& s : kLayout) {
    const FieldCode code{SlotValue(info, s.code), SlotValue(info, s.value)};
    if ((mask & (1u << s.bit)) != 0) {
      take(s.field, code);
    } else if (code != FieldCode{}) {
      refuse(std::string(FieldInfo(s.field).label) + "の記録が正しくありません。");
    }
  }
  return profile;
}

}  // namespace

std::optional<int> StoreyHeightMm(const BuildingInfo& info, int storey) {
  const auto& levels = info.LevelHeight;
  if (storey == 1 && levels[1] > 0) return levels[1];
  if (storey == 2 && info.StoreyCount >= 2 && levels[1] > 0 && levels[2] > levels[1]) return levels[2] - levels[1];
  return std::nullopt;
}

float LevelElevation(const BuildingInfo& info, int level) {
  if (level < 1 || level > static_cast<int>(info.LevelHeight.size())) return 0.0f;
  return static_cast<float>(Nth(info.LevelHeight, level) / 1000.0);
}

BuildingProfile ReadProfile(const Building& building) {
  std::optional<std::string> ignored;
  return Decode(building.Info, ignored);
}

std::optional<std::string> WriteProfile(Building& building, const BuildingProfile& profile) {
  BuildingInfo& info = building.Info;
  if (auto refused = CheckProfile(profile, info.StoreyCount)) return std::move(refused->message);
  const int h1 = profile.h1.value_or(0);
  const std::array<int32_t, 4> levels = {0, h1, profile.h1 && profile.h2 ? h1 + *profile.h2 : 0, 0};
  const bool moved = levels != info.LevelHeight;
  info.LevelHeight = levels;
  uint32_t mask = 0;
  for (const Slots& s : kLayout) {
    const std::optional<FieldCode> code = GetFieldCode(profile, s.field);
    if (code) mask |= 1u << s.bit;
    if (s.code != 0) info.ReservedLongs[static_cast<size_t>(s.code)] = code ? code->code : 0;
    if (s.value != 0) info.ReservedLongs[static_cast<size_t>(s.value)] = code ? code->value : 0;
  }
  info.ReservedLongs[kMaskSlot] = static_cast<int32_t>(mask);
  const size_t points = static_cast<size_t>(building.PointsX()) * static_cast<size_t>(building.PointsY()) *
                        static_cast<size_t>(building.Levels());
  // The points follow their levels; with no arrays yet they are filled when they are made.
  if (!moved || building.Coords().size() != points) return std::nullopt;
  for (int level = 1; level <= building.Levels(); ++level) {
    const float z = LevelElevation(info, level);
    for (int j = 1; j <= building.PointsY(); ++j) {
      for (int i = 1; i <= building.PointsX(); ++i) building.Coord(i, j, level).z = z;
    }
  }
  return std::nullopt;
}

std::optional<std::string> CheckStoredProfile(const BuildingInfo& info) {
  std::optional<std::string> error;
  const BuildingProfile profile = Decode(info, error);
  if (error) return error;
  if (auto refused = CheckProfile(profile, info.StoreyCount)) return std::move(refused->message);
  return std::nullopt;
}

}  // namespace tvk
