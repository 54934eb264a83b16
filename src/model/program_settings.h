#pragma once
// The settings file's content: data folder, last data name and the recent-file list.

#include <string>
#include <vector>

namespace tvk {

constexpr size_t kMaxRecentFiles = 10;

struct RecentEntry {
  std::string Path;
  std::string FileName;  // file-name part of Path
  std::string BuildingName;

  bool operator==(const RecentEntry&) const = default;
};

struct ProgramSettings {
  std::string DataFolder;
  std::string DataName;             // the open document's path when the file was written
  std::vector<RecentEntry> Recent;  // most recent first, at most kMaxRecentFiles
};

// Records currentPath (trimmed) as the most recent entry with the given building name.
void AddToRecentFiles(ProgramSettings& settings, const std::string& currentPath, const std::string& buildingName);

}  // namespace tvk
