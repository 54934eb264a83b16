#pragma once
// VOLNTVK.INI: the data folder, the last data name and the recent-file list, one
// value per CR LF line in CP932.

#include <string>
#include <string_view>

#include "model/file_result.h"
#include "model/program_settings.h"

namespace tvk {

// Reads folder/VOLNTVK.INI into settings; a missing file changes nothing.
void ReadSettingsFile(const std::string& folder, ProgramSettings& settings);
FileResult WriteSettingsFile(const std::string& folder, const ProgramSettings& settings);

// In-memory forms. The parser keeps at most 10 recent entries and never more than
// the lines present.
void ParseSettingsText(std::string_view bytes, ProgramSettings& settings);
std::string SerializeSettings(const ProgramSettings& settings);

}  // namespace tvk
