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
  // An administrator running an installed program could write to its bin folder; settings
  // there would outlive the package.
  if (!executableFolder.empty() && InstalledDataFolder(executableFolder).empty() &&
      access(executableFolder.c_str(), W_OK) == 0) {
    return executableFolder;
  }
  std::string config = Environment("XDG_CONFIG_HOME");
  if (config.empty() || config.front() != '/') {
    const std::string home = Environment("HOME");
    config = (home.empty() ? std::string(".") : home) + "/.config";
  }
  return Created(config + "/voln-tvk");
}

std::string InstalledDataFolder(const std::string& executableFolder) {
  const std::filesystem::path bin = std::filesystem::path(executableFolder).lexically_normal();
  const std::filesystem::path folder = (bin.has_filename() ? bin : bin.parent_path());
  if (folder.filename() != "bin") return {};
  const std::filesystem::path data = folder.parent_path() / "share" / "voln-tvk";
  std::error_code ignored;
  return std::filesystem::is_directory(data, ignored) ? data.string() : std::string();
}

}  // namespace tvk
