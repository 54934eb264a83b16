#pragma once
// The fields of the building profile one by one: their keys, labels, units, named
// choices and ranges, and each field's value as the pair of integers the project file
// keeps (FieldCode). The dialog, the batch command and the file reader all check a value
// through this one table.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/building_profile.h"

namespace tvk {

enum class ProfileField {
  H1,
  H2,
  Rise,
  Eaves,
  Pitch,
  Roof,
  Solar,
  CeilingInsulation,
  Wall,
  WallInsulation,
  Use,
  C0,
  Wind,
  Lw1,
  Lw2,
  LwOneStorey,
  WindAreaX1,
  WindAreaY1,
  WindAreaX2,
  WindAreaY2,
  Wood,
  Column1,
  Column2,
  Clear1,
  Clear2,
};
inline constexpr int kProfileFieldCount = 25;

// Values the checks use where the designer gave none.
inline constexpr double kDefaultCeilingInsulation = 100;  // N/m² of floor
inline constexpr double kDefaultWallInsulation = 70;      // N/m² of wall
inline constexpr double kDefaultC0 = 0.2;
inline constexpr double kDefaultWindCoefficient = 50;  // cm/m²

enum class FieldKind {
  Number,   // value = the number at the field's resolution
  Choice,   // code = index of a named choice; with numberAllowed, code = choices.size() means a number
  Section,  // code = b, value = d (mm)
};

struct NamedChoice {
  const char* key;    // batch text
  const char* label;  // dialog text
};

struct ProfileFieldInfo {
  ProfileField id;
  const char* key;    // batch key
  const char* label;  // dialog label and messages
  const char* unit;   // unit of the number ("" = none)
  FieldKind kind;
  std::span<const NamedChoice> choices;
  bool numberAllowed;          // Choice: a number may stand instead of a named choice
  int decimals;                // the number is kept at 10^-decimals of its unit
  double min, max;             // range of the number, in its unit
  bool twoStoreys;             // only a two-storey building has it
  const char* whenEmpty = "";  // what the checks take when the field is not given ("" = nothing)
};

const ProfileFieldInfo& FieldInfo(ProfileField field);
std::span<const ProfileFieldInfo> AllProfileFields();
const ProfileFieldInfo* FindProfileField(std::string_view key);

// A field's value as stored: a choice code and a number in fixed point.
struct FieldCode {
  int32_t code = 0;
  int32_t value = 0;

  bool operator==(const FieldCode&) const = default;
};

// The stored form of a number of the field (rounded to its resolution; a value that is
// not finite or far out of range gives INT32_MIN, which no range admits).
int32_t ToFixed(const ProfileFieldInfo& info, double number);
double FromFixed(const ProfileFieldInfo& info, int32_t fixed);
// A fixed-point number as text, without trailing zeros: FixedText(450, 2) = "4.5".
std::string FixedText(int32_t fixed, int decimals);

std::optional<FieldCode> GetFieldCode(const BuildingProfile& profile, ProfileField field);
// Sets the field from its stored form; nullopt clears it. The code must pass CheckFieldCode.
void SetFieldCode(BuildingProfile& profile, ProfileField field, const std::optional<FieldCode>& code);

// Why a stored value is not acceptable for the field (the message for the user), or nullopt.
std::optional<std::string> CheckFieldCode(const ProfileFieldInfo& info, const FieldCode& code);

struct ProfileError {
  ProfileField field;
  std::string message;
};

// Every given field within its range, nothing of a second storey in a one-storey building,
// no storey-2 height without the storey-1 height and no clear height beyond its storey's
// height.
std::optional<ProfileError> CheckProfile(const BuildingProfile& profile, int storeys);

// The profile without what a one-storey building cannot have.
BuildingProfile WithoutUpperStorey(BuildingProfile profile);

}  // namespace tvk
