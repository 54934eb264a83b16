#include "model/temp_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>

#include "model/path_parts.h"

namespace tvk {

namespace {

constexpr int kNameAttempts = 100;

std::string TempStem(const std::string& target) {
  return JoinPath(FolderOf(target), "." + FileNamePart(target) + ".tmp" + std::to_string(getpid()) + "-");
}

// Tries the names of this process in turn until make(name) succeeds or fails otherwise
// than by the name being taken.
template <typename Make>
bool UseFreeName(const std::string& target, std::string& path, Make make) {
  const std::string stem = TempStem(target);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    path = stem + std::to_string(attempt);
    if (make(path)) return true;
    if (errno != EEXIST) break;
  }
  path.clear();
  return false;
}

bool ProcessRuns(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// A decimal number written with digits only.
std::optional<long long> Digits(std::string_view text) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  long long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const std::string folder = FolderPart(path);
  if (!folder.empty()) return folder;
  return !path.empty() && path[0] == '/' ? "/" : ".";
}

TempFile CreateTempFile(const std::string& target) {
  TempFile temp;
  // The unnamed file can only be linked in through /proc.
  if (access("/proc/self/fd", X_OK) == 0) {
    temp.fd = open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (temp.fd >= 0) return temp;
  }
  UseFreeName(target, temp.path, [&](const std::string& name) {
    temp.fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return temp.fd >= 0;
  });
  return temp;
}

bool NameTempFile(TempFile& temp, const std::string& target) {
  if (!temp.path.empty()) return true;
  const std::string self = "/proc/self/fd/" + std::to_string(temp.fd);
  return UseFreeName(target, temp.path, [&](const std::string& name) {
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  });
}

std::optional<pid_t> TempFileOwner(std::string_view name) {
  const size_t tmp = name.rfind(".tmp");
  const size_t dash = name.rfind('-');
  if (name.size() < 2 || name[0] != '.' || tmp == std::string_view::npos || tmp < 2 || dash == std::string_view::npos ||
      dash < tmp) {
    return std::nullopt;
  }
  const auto pid = Digits(name.substr(tmp + 4, dash - tmp - 4));
  if (!pid || !Digits(name.substr(dash + 1)) || *pid < 1 || *pid > INT32_MAX) return std::nullopt;
  return static_cast<pid_t>(*pid);
}

void RemoveStaleTempFiles(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir)) {
    const std::optional<pid_t> owner = TempFileOwner(entry->d_name);
    if (!owner || *owner == getpid() || ProcessRuns(*owner)) continue;
    struct stat info {};
    if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)) {
      unlinkat(dirfd(dir), entry->d_name, 0);
    }
  }
  closedir(dir);
}

}  // namespace tvk
