#pragma once

#include <string>

namespace tvk {

// "Ver." + major.minor.revision of the running program, as written into project files.
inline std::string VersionText() {
  return "Ver." + std::to_string(TVK_VERSION_MAJOR) + "." + std::to_string(TVK_VERSION_MINOR) + "." +
         std::to_string(TVK_VERSION_PATCH);
}

}  // namespace tvk
