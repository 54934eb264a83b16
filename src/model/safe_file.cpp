#include "model/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "model/path_parts.h"
#include "model/temp_files.h"

namespace tvk {

namespace {

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
  const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// A file nobody may write (no write permission at all) counts as read-only even for the
// administrator, as the read-only attribute does.
bool IsReadOnly(const std::string& path, const struct stat& info) {
  return (info.st_mode & 0222) == 0 || (access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

// The replacement keeps the owner (where this process may give it), then the permissions.
void KeepOwnerAndMode(int fd, const struct stat& existing) {
  if (existing.st_uid != geteuid() || existing.st_gid != getegid()) {
    [[maybe_unused]] const int kept = fchown(fd, existing.st_uid, existing.st_gid);
  }
  fchmod(fd, existing.st_mode & 07777);
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

std::string ReadOnlyMessage(const std::string& path) { return path + "\n\nは" + kReadOnlyReason; }

bool ReplaceFile(const std::string& requested, std::string_view bytes, std::string& reason) {
  const std::string path = WriteTarget(requested);
  struct stat existing {};
  const bool replacing = stat(path.c_str(), &existing) == 0;
  if (replacing && IsReadOnly(path, existing)) {
    reason = kReadOnlyReason;
    return false;
  }
  RemoveStaleTempFiles(FolderOf(path));
  TempFile temp = CreateTempFile(path);
  if (temp.fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  if (replacing) KeepOwnerAndMode(temp.fd, existing);
  int error = 0;
  if (!WriteAll(temp.fd, bytes) || fsync(temp.fd) != 0 || !NameTempFile(temp, path)) error = errno;
  if (close(temp.fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temp.path.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    if (!temp.path.empty()) unlink(temp.path.c_str());
    reason = std::strerror(error);
    return false;
  }
  SyncFolder(path);
  return true;
}

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string reason;
  if (ReplaceFile(path, bytes, reason)) return {};
  if (reason == kReadOnlyReason) return FileResult::Failure(ReadOnlyMessage(path));
  return FileResult::Failure("ファイルに書き込めませんでした。\n\n" + path + "\n\n(" + reason + ")");
}

FileResult ReadFileBytes(const std::string& path, std::string& bytes, size_t limit, bool refuseLarger) {
  auto failure = [&](const std::string& reason) {
    return FileResult::Failure("ファイルを読み込めませんでした。\n\nFile Name: " + FileNamePart(path) + "\n\n(" +
                               reason + ")");
  };
  // Without blocking: opening a named pipe would otherwise wait for a writer forever.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return failure(std::strerror(errno));
  struct stat info {};
  std::string reason;
  std::string content;
  if (fstat(fd, &info) != 0) {
    reason = std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    reason = kNotRegularFileReason;
  } else if (refuseLarger && static_cast<unsigned long long>(info.st_size) > limit) {
    reason = "ファイルが大きすぎます";
  } else {
    content.resize(std::min(static_cast<size_t>(info.st_size), limit));
    size_t done = 0;
    while (done < content.size()) {
      const ssize_t got = read(fd, content.data() + done, content.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        reason = got < 0 ? std::strerror(errno) : "読込み中にファイルが短くなりました";
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
