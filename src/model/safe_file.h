#pragma once
// Whole-file reads and writes. A write goes to a temporary file in the target's
// folder, is flushed to disk and then renamed over the target, so a failure at any
// point leaves the previous file as it was (see temp_files.h for what a killed
// process leaves).

#include <cstddef>
#include <string>
#include <string_view>

#include "model/file_result.h"

namespace tvk {

// Replaces the file at path (a link: the file it names) by bytes. An existing file that
// is read-only (not writable by this user, or by nobody) is left alone. On failure:
// false, and reason is the system's text for the step that failed or kReadOnlyReason.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& reason);

// ReplaceFile with the program's message for a failure: ReadOnlyMessage, or
// "ファイルに書き込めませんでした。" with the path and the system's reason.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

inline constexpr const char* kReadOnlyReason = "読み取り専用のため、上書きできません。";
std::string ReadOnlyMessage(const std::string& path);

// Reads a regular file into bytes: the whole file, refused when it is larger than
// limit (refuseLarger), or only its first limit bytes. Anything else (a named pipe, a
// device, a folder) is refused at once with kNotRegularFileReason in the message.
FileResult ReadFileBytes(const std::string& path, std::string& bytes, size_t limit, bool refuseLarger);

inline constexpr const char* kNotRegularFileReason = "通常のファイルではありません";

bool FileExists(const std::string& path);

}  // namespace tvk
