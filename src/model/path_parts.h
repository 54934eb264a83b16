#pragma once
// Parts of a path. Both "/" and "\" count as separators, so paths written by older
// settings files and native paths are taken apart alike.

#include <string>
#include <string_view>

namespace tvk {

// Everything after the last separator (the whole path when there is none).
std::string FileNamePart(std::string_view path);

// Everything before the last separator (empty when there is none).
std::string FolderPart(std::string_view path);

// Folder + native separator + name; no separator is doubled.
std::string JoinPath(std::string_view folder, std::string_view name);

// Text without leading and trailing blanks (half-width spaces).
std::string TrimBlanks(std::string_view text);

}  // namespace tvk
