#include "model/profile_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tvk {

namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A plain decimal number in fixed point at `decimals` places, rounded as it reads in
// decimal (halves away from zero): "4.555" at 2 places is 456. A number too large for the
// file gives INT32_MIN, which no range admits.
std::optional<int32_t> ParseFixed(std::string_view text, int decimals) {
  text = Trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  auto digits = [](std::string_view part) { return part.find_first_not_of("0123456789") == std::string_view::npos; };
  if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction)) return std::nullopt;
  constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  const auto places = static_cast<size_t>(decimals);
  for (const char c : whole) value = std::min(value * 10 + (c - '0'), kLimit + 1);
  for (size_t k = 0; k < places; ++k)
    value = std::min(value * 10 + (k < fraction.size() ? fraction[k] - '0' : 0), kLimit + 1);
  if (fraction.size() > places && fraction[places] >= '5') ++value;
  if (value > kLimit) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(negative ? -value : value);
}

// "120x105" -> (120, 105); "105" -> (105, 105).
std::optional<FieldCode> ParseSection(const ProfileFieldInfo& info, std::string_view text) {
  size_t cut = std::string_view::npos;
  size_t width = 0;
  for (std::string_view mark : {"x", "X", "×", "*"}) {
    if (const size_t at = text.find(mark); at != std::string_view::npos) {
      cut = at;
      width = mark.size();
      break;
    }
  }
  const auto b = ParseFixed(text.substr(0, cut), info.decimals);
  const auto d = cut == std::string_view::npos ? b : ParseFixed(text.substr(cut + width), info.decimals);
  if (!b || !d) return std::nullopt;
  return FieldCode{*b, *d};
}

// A named choice by its key; a key that is a number also matches the same number written
// otherwise ("0.30" for "0.3").
std::optional<int32_t> FindChoice(const ProfileFieldInfo& info, std::string_view text) {
  constexpr int kPlaces = 6;
  const std::optional<int32_t> number = ParseFixed(text, kPlaces);
  for (size_t k = 0; k < info.choices.size(); ++k) {
    const std::string_view key = info.choices[k].key;
    const std::optional<int32_t> keyNumber = ParseFixed(key, kPlaces);
    if (text == key || (number && keyNumber && *number == *keyNumber)) {
      return static_cast<int32_t>(k);
    }
  }
  return std::nullopt;
}

std::string ChoiceKeys(const ProfileFieldInfo& info) {
  std::string keys;
  for (const NamedChoice& c : info.choices) keys += (keys.empty() ? "" : " / ") + std::string(c.key);
  if (info.numberAllowed) keys += std::string(" または数値 (") + info.unit + ")";
  return keys;
}

// The stored form of a text, or the message saying what the field takes.
std::optional<FieldCode> ParseFieldCode(const ProfileFieldInfo& info, std::string_view text, std::string& error) {
  const std::string label = info.label;
  switch (info.kind) {
    case FieldKind::Number:
      if (const auto number = ParseFixed(text, info.decimals)) return FieldCode{0, *number};
      error = label + "は、数値 (" + info.unit + ") で入力してください。";
      return std::nullopt;
    case FieldKind::Choice:
      if (const auto choice = FindChoice(info, text)) return FieldCode{*choice, 0};
      if (const auto number = ParseFixed(text, info.decimals); number && info.numberAllowed) {
        return FieldCode{static_cast<int32_t>(info.choices.size()), *number};
      }
      error = label + "は、" + ChoiceKeys(info) + " のいずれかで入力してください。";
      return std::nullopt;
    case FieldKind::Section:
      if (const auto section = ParseSection(info, text)) return section;
      error = label + "は、105 または 120x105 のように mm で入力してください。";
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::string FieldText(const BuildingProfile& profile, ProfileField field) {
  const std::optional<FieldCode> code = GetFieldCode(profile, field);
  if (!code) return {};
  const ProfileFieldInfo& info = FieldInfo(field);
  switch (info.kind) {
    case FieldKind::Number:
      return FixedText(code->value, info.decimals);
    case FieldKind::Choice:
      if (code->code >= 0 && static_cast<size_t>(code->code) < info.choices.size()) {
        return info.choices[static_cast<size_t>(code->code)].key;
      }
      return FixedText(code->value, info.decimals);
    case FieldKind::Section:
      if (code->code == code->value) return FixedText(code->code, 0);
      return FixedText(code->code, 0) + "x" + FixedText(code->value, 0);
  }
  return {};
}

std::optional<std::string> SetFieldText(BuildingProfile& profile, ProfileField field, std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) {
    SetFieldCode(profile, field, std::nullopt);
    return std::nullopt;
  }
  const ProfileFieldInfo& info = FieldInfo(field);
  std::string error;
  const std::optional<FieldCode> code = ParseFieldCode(info, text, error);
  if (!code) return error;
  if (auto refused = CheckFieldCode(info, *code)) return refused;
  SetFieldCode(profile, field, code);
  return std::nullopt;
}

std::string ValueForm(const ProfileFieldInfo& info) {
  switch (info.kind) {
    case FieldKind::Number:
      return info.unit;
    case FieldKind::Choice: {
      std::string form;
      for (const NamedChoice& c : info.choices) form += (form.empty() ? "" : "|") + std::string(c.key);
      return info.numberAllowed ? form + "|" + info.unit : form;
    }
    case FieldKind::Section:
      return "105|120x105 (mm)";
  }
  return {};
}

std::string ProfileText(const BuildingProfile& profile, int storeys) {
  std::string text;
  for (const ProfileFieldInfo& info : AllProfileFields()) {
    if (info.twoStoreys && storeys < 2) continue;
    text += std::string(info.key) + "=" + FieldText(profile, info.id) + "\n";
  }
  return text;
}

}  // namespace tvk
