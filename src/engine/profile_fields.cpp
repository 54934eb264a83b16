#include "engine/profile_fields.h"

#include <array>
#include <cstddef>

namespace tvk {

namespace {

struct FieldNames {
  const char* key;
  const char* label;
};

constexpr std::array<FieldNames, 12> kFields = {{
    {"h1", "1階の階高"},
    {"h2", "2階の階高"},
    {"rise", "屋根の立ち上がり"},
    {"eaves", "軒の出"},
    {"pitch", "屋根勾配"},
    {"roof", "屋根仕上げ"},
    {"wall", "外壁仕上げ"},
    {"wood", "柱の樹種"},
    {"column1", "1階の柱断面"},
    {"column2", "2階の柱断面"},
    {"floor1", "1階の床"},
    {"floor2", "2階の床"},
}};

}  // namespace

const char* ProfileFieldKey(ProfileField field) { return kFields[static_cast<size_t>(field)].key; }

const char* ProfileFieldLabel(ProfileField field) { return kFields[static_cast<size_t>(field)].label; }

std::vector<ProfileField> MissingFields::List() const {
  std::vector<ProfileField> fields;
  for (size_t k = 0; k < kFields.size(); ++k) {
    const auto field = static_cast<ProfileField>(k);
    if (Has(field)) fields.push_back(field);
  }
  return fields;
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
