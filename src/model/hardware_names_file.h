#pragma once
// _Kanamono.Def: the hardware name table, 22 CR LF lines in CP932, two per grade row:
// Name1 and Value1, then Name2 and Value2, separated by a blank. The reader splits a
// line at blanks, commas, apostrophes and double quotes (and control characters), and
// takes "---" as empty.
//
// So that every text reads back as it was written, the writer drops a text's leading
// and trailing blanks (the reader would), puts the full-width forms in place of the
// separators inside it (blank -> "　", "," -> "，", "'" -> "＇", '"' -> "＂", a control
// character -> "　"), and
// writes "---" for an empty text, as the hardware name dialog does.

#include <string>
#include <string_view>

#include "model/file_result.h"
#include "model/hardware_names.h"

namespace tvk {

// folder/_Kanamono.Def; the built-in table when the file does not exist or cannot be read.
HardwareNames ReadHardwareNames(const std::string& folder);
FileResult WriteHardwareNames(const std::string& folder, const HardwareNames& names);

// In-memory forms; missing lines give empty texts.
HardwareNames ParseHardwareNames(std::string_view bytes);
struct HardwareNamesBytes {
  FileResult result;
  std::string bytes;
};
// Fails, naming the text, when a text cannot be held by CP932.
HardwareNamesBytes SerializeHardwareNames(const HardwareNames& names);

}  // namespace tvk
