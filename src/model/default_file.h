#pragma once
// VolnTVK.Def: the 76-byte block of defaults for new buildings and the figure label
// sizes, 19 little-endian Longs.

#include <string>
#include <string_view>

#include "model/default_settings.h"
#include "model/file_result.h"

namespace tvk {

constexpr size_t kDefaultBlockBytes = 76;

// folder/VolnTVK.Def; a file that cannot be read gives the built-in defaults.
DefaultSettings ReadDefaultFile(const std::string& folder);
FileResult WriteDefaultFile(const std::string& folder, const DefaultSettings& defaults);

// A shorter block leaves the fields beyond its end at their defaults; bytes after the
// 76th are ignored. An unset line-name style (0) becomes style 1 starting at 1, and a
// label size of 0 becomes 7.
DefaultSettings ParseDefaultBlock(std::string_view bytes);
std::string SerializeDefaultBlock(const DefaultSettings& defaults);

}  // namespace tvk
