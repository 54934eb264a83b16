#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the target's
// folder, is flushed to disk and then renamed over the target, so a failure at any
// point leaves the previous file as it was.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/file_result.h"

namespace tvk {

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a regular file into bytes: the whole file, refused when it is larger than
// limit (refuseLarger), or only its first limit bytes.
FileResult ReadFileBytes(const std::string& path, std::string& bytes, size_t limit, bool refuseLarger);

bool FileExists(const std::string& path);

}  // namespace tvk
