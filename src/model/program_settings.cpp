#include "model/program_settings.h"

#include <algorithm>

#include "model/path_parts.h"
#include "model/project_file.h"

namespace tvk {

void AddToRecentFiles(ProgramSettings& settings, const std::string& currentPath, const std::string& buildingName) {
  const std::string path = TrimBlanks(currentPath);
  if (path == kNewDataPath) return;
  auto& list = settings.Recent;
  auto found = std::find_if(list.begin(), list.end(), [&](const RecentEntry& e) { return TrimBlanks(e.Path) == path; });
  if (found == list.end()) {
    if (list.size() >= kMaxRecentFiles) list.resize(kMaxRecentFiles - 1);
    list.emplace_back();
    found = list.end() - 1;
  }
  std::rotate(list.begin(), found, found + 1);
  list.front() = RecentEntry{path, FileNamePart(path), buildingName};
}

}  // namespace tvk
