#include "model/settings_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>

#include "model/path_parts.h"
#include "model/safe_file.h"
#include "model/settings_folder.h"
#include "model/text_codec.h"
#include "model/text_lines.h"

namespace tvk {

namespace {

constexpr size_t kMaxSettingsBytes = 1024 * 1024;

// The entry count line: a decimal number; anything else counts as no entries.
int ParseCount(const std::string& line) {
  const std::string text = TrimBlanks(line);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) return text.front() == '-' ? 0 : INT_MAX;
  if (error != std::errc() || end == text.data()) return 0;
  return value < 0 ? 0 : static_cast<int>(std::min<long long>(value, INT_MAX));
}

// A value that fits on one CP932 line, or nullopt.
std::optional<std::string> LineValue(const std::string& text) {
  if (text.find_first_of("\r\n") != std::string::npos) return std::nullopt;
  return Utf8ToCp932(text);
}

}  // namespace

void ParseSettingsText(std::string_view bytes, ProgramSettings& settings) {
  const std::vector<std::string> lines = ReadTextLines(bytes);
  auto line = [&](size_t k) { return k < lines.size() ? lines[k] : std::string(); };
  settings.DataFolder = line(1);
  settings.DataName = line(3);
  const int count = ParseCount(line(5));
  settings.Recent.clear();
  for (size_t k = 6; k < lines.size() && settings.Recent.size() < static_cast<size_t>(count) &&
                     settings.Recent.size() < kMaxRecentFiles;
       k += 2) {
    settings.Recent.push_back(RecentEntry{lines[k], FileNamePart(lines[k]), line(k + 1)});
  }
}

std::string SerializeSettings(const ProgramSettings& settings) {
  // A path or name CP932 cannot hold could not be read back: such an entry is left out.
  std::vector<std::string> entries;
  for (const RecentEntry& e : settings.Recent) {
    const auto path = LineValue(e.Path);
    const auto name = LineValue(e.BuildingName);
    if (!path || !name || entries.size() / 2 >= kMaxRecentFiles) continue;
    entries.push_back(*path);
    entries.push_back(*name);
  }
  std::vector<std::string> lines = {"[DataDir]",     LineValue(settings.DataFolder).value_or(""),
                                    "[DataName]",    LineValue(settings.DataName).value_or(""),
                                    "[DataHistory]", std::to_string(entries.size() / 2)};
  lines.insert(lines.end(), entries.begin(), entries.end());
  return JoinCrlfLines(lines);
}

void ReadSettingsFile(const std::string& folder, ProgramSettings& settings) {
  std::string bytes;
  if (ReadFileBytes(JoinPath(folder, kSettingsFileName), bytes, kMaxSettingsBytes, true).ok) {
    ParseSettingsText(bytes, settings);
  }
}

FileResult WriteSettingsFile(const std::string& folder, const ProgramSettings& settings) {
  return WriteFileAtomically(JoinPath(folder, kSettingsFileName), SerializeSettings(settings));
}

}  // namespace tvk
