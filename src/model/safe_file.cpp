#include "model/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "model/path_parts.h"

namespace tvk {

namespace {

FileResult WriteFailure(const std::string& path, int error) {
  return FileResult::Failure("ファイルに書き込めませんでした。\n\n" + path + "\n\n(" + std::strerror(error) + ")");
}

// Creates a new, empty temporary file beside the target; -1 when none can be made.
int CreateTemporary(const std::string& path, std::string& tempPath) {
  const std::string folder = FolderPart(path);
  const std::string stem = "." + FileNamePart(path) + ".tmp" + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = JoinPath(folder, stem + std::to_string(attempt));
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be flushed is not an error.
void SyncFolder(const std::string& path) {
  const std::string folder = FolderPart(path);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// A link is followed, so that the file it names is replaced and the link stays.
std::string WriteTarget(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

}  // namespace

FileResult WriteFileAtomically(const std::string& requested, std::string_view bytes) {
  const std::string path = WriteTarget(requested);
  std::string tempPath;
  const int fd = CreateTemporary(path, tempPath);
  if (fd < 0) return WriteFailure(path, errno);
  struct stat existing {};
  if (stat(path.c_str(), &existing) == 0) fchmod(fd, existing.st_mode & 07777);
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  const int error = errno;
  if (close(fd) != 0 || !written) {
    const int reported = written ? errno : error;
    unlink(tempPath.c_str());
    return WriteFailure(path, reported);
  }
  if (rename(tempPath.c_str(), path.c_str()) != 0) {
    const int reported = errno;
    unlink(tempPath.c_str());
    return WriteFailure(path, reported);
  }
  SyncFolder(path);
  return {};
}

FileResult ReadFileBytes(const std::string& path, std::string& bytes, size_t limit, bool refuseLarger) {
  auto failure = [&](const std::string& reason) {
    return FileResult::Failure("ファイルを読み込めませんでした。\n\nFile Name: " + FileNamePart(path) + "\n\n(" +
                               reason + ")");
  };
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return failure(std::strerror(errno));
  struct stat info {};
  std::string reason;
  std::string content;
  if (fstat(fd, &info) != 0) {
    reason = std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    reason = "not a regular file";
  } else if (refuseLarger && static_cast<unsigned long long>(info.st_size) > limit) {
    reason = "file too large";
  } else {
    content.resize(std::min(static_cast<size_t>(info.st_size), limit));
    size_t done = 0;
    while (done < content.size()) {
      const ssize_t got = read(fd, content.data() + done, content.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        reason = got < 0 ? std::strerror(errno) : "file shrank while reading";
        break;
      }
      done += static_cast<size_t>(got);
    }
  }
  close(fd);
  if (!reason.empty()) return failure(reason);
  bytes = std::move(content);
  return {};
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace tvk
