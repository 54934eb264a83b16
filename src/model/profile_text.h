#pragma once
// The building profile as text, one field at a time: what the batch command prints after
// "key=" and what it (and the dialog's boxes) accept.
//
//   h1=3300   pitch=4.5   roof=slate   roof=820   pv=none   column1=120x105   lw1=
//
// A number is rounded to the field's resolution; an empty text means "not given".

#include <optional>
#include <string>
#include <string_view>

#include "model/profile_fields.h"

namespace tvk {

// The field's value as text; "" when it is not given.
std::string FieldText(const BuildingProfile& profile, ProfileField field);

// Reads text into the field: "" clears it, otherwise a named choice's key, a number, or
// for a column section "105" or "120x105". Returns the message for the user when the
// text is not a value of the field (range included); the profile is then unchanged.
std::optional<std::string> SetFieldText(BuildingProfile& profile, ProfileField field, std::string_view text);

// What the field takes, for help texts: "mm", "tile|slate|metal|N/m²", "105|120x105 (mm)".
std::string ValueForm(const ProfileFieldInfo& info);

// "key=value" lines of every field a building of this many storeys has, in field order.
std::string ProfileText(const BuildingProfile& profile, int storeys);

}  // namespace tvk
