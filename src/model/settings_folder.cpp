#include "model/settings_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tvk {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string Created(const std::string& folder) {
  std::error_code ignored;  // a folder that cannot be made shows up when a file is written
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

}  // namespace

std::string SettingsFolder(const std::string& executableFolder) {
  if (const std::string home = Environment("VOLNTVK_HOME"); !home.empty()) return Created(home);
  if (!executableFolder.empty() && access(executableFolder.c_str(), W_OK) == 0) return executableFolder;
  std::string config = Environment("XDG_CONFIG_HOME");
  if (config.empty() || config.front() != '/') {
    const std::string home = Environment("HOME");
    config = (home.empty() ? std::string(".") : home) + "/.config";
  }
  return Created(config + "/voln-tvk");
}

}  // namespace tvk
