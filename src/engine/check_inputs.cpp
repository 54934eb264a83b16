#include "engine/check_inputs.h"

#include <array>
#include <cstddef>
#include <optional>

#include "model/profile_fields.h"

namespace tvk {

namespace {

// The profile field behind each input; the plan's floors have none.
constexpr std::array<std::optional<ProfileField>, 12> kProfileFields = {{
    ProfileField::H1,
    ProfileField::H2,
    ProfileField::Rise,
    ProfileField::Eaves,
    ProfileField::Pitch,
    ProfileField::Roof,
    ProfileField::Wall,
    ProfileField::Wood,
    ProfileField::Column1,
    ProfileField::Column2,
    std::nullopt,
    std::nullopt,
}};

const std::optional<ProfileField>& ProfileFieldOf(CheckInput field) {
  return kProfileFields[static_cast<size_t>(field)];
}

}  // namespace

const char* CheckInputKey(CheckInput field) {
  if (const auto& profile = ProfileFieldOf(field)) return FieldInfo(*profile).key;
  return field == CheckInput::Floor1 ? "floor1" : "floor2";
}

const char* CheckInputLabel(CheckInput field) {
  if (const auto& profile = ProfileFieldOf(field)) return FieldInfo(*profile).label;
  return field == CheckInput::Floor1 ? "１階の床" : "２階の床";
}

std::vector<CheckInput> MissingFields::List() const {
  std::vector<CheckInput> fields;
  for (size_t k = 0; k < kProfileFields.size(); ++k) {
    const auto field = static_cast<CheckInput>(k);
    if (Has(field)) fields.push_back(field);
  }
  return fields;
}

std::string MissingFieldNames(const MissingFields& missing, const std::string& separator) {
  std::string names;
  for (const CheckInput field : missing.List()) names += (names.empty() ? "" : separator) + CheckInputLabel(field);
  return names;
}

const char* ValueSourceKey(ValueSource source) {
  switch (source) {
    case ValueSource::Formula:
      return "formula";
    case ValueSource::Entered:
      return "entered";
    case ValueSource::Default:
      return "default";
    case ValueSource::Estimated:
      return "estimated";
  }
  return "formula";
}

}  // namespace tvk
