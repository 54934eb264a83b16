#pragma once
// The project file (.TVK): a packed little-endian byte image of the persistent part
// of the building, written and read field by field.

#include <optional>
#include <string>
#include <string_view>

#include "model/building.h"
#include "model/file_result.h"

namespace tvk {

// The path of a building never saved.
inline constexpr const char* kNewDataPath = "新規データ";

// The refusal of a project file that cannot be used; a detail may follow after a blank line.
inline constexpr const char* kBadDataMessage =
    "データファイルが正しくありません。\n選択した物件データは利用できません。";

// Project files larger than this are not read (a real one stays far below it).
constexpr size_t kMaxProjectFileBytes = 256u * 1024u * 1024u;

struct ProjectBytes {
  FileResult result;
  std::string bytes;  // the whole file when result.ok
};

// The file image of the building. Fails, naming the text and its field, when a text
// cannot be held by CP932 or is longer than 65535 bytes.
ProjectBytes SerializeProject(const Building& b);

// Reads a file image into out. Every size and count is checked before anything is
// allocated; on failure out is left exactly as it was.
FileResult ParseProject(std::string_view bytes, Building& out);

// Writes b to path: floor outlines refreshed, product code and version stamped, the file
// replaced atomically (an old file stays until the new one is complete).
FileResult SaveProject(Building& b, const std::string& path);

// Replaces b by the building stored at path. Any failure leaves b exactly as it was.
FileResult LoadProject(Building& b, const std::string& path);

// The open dialog's identification check: nullopt when the file's product code is
// "VOLN-TVK", else the message refusing the file.
std::optional<std::string> CheckProductCode(const std::string& path);

}  // namespace tvk
