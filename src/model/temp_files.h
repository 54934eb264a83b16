#pragma once
// Temporary files beside a file being replaced. Where the file system allows it the
// temporary file has no name while it is written (O_TMPFILE), so a process killed
// meanwhile leaves nothing behind. Elsewhere, and for the moment between linking it in and
// renaming it over the target, it is named "." + target name + ".tmp" + PID + "-" + N;
// such files of processes that no longer run are removed the next time a file is
// written into their folder.

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace tvk {

struct TempFile {
  int fd = -1;
  std::string path;  // empty while the file has no name
};

// The folder a path's file lives in ("." or "/" where the path names none).
std::string FolderOf(const std::string& path);

// Opens a new, empty temporary file for replacing target; fd < 0 with errno set when
// none can be made.
TempFile CreateTempFile(const std::string& target);

// Gives an unnamed temporary file its name beside target, so that it can be renamed
// over it; false with errno set.
bool NameTempFile(TempFile& temp, const std::string& target);

// The process that named a temporary file so, or nullopt for any other name.
std::optional<pid_t> TempFileOwner(std::string_view name);

// Removes the temporary files in folder left by processes that no longer run.
void RemoveStaleTempFiles(const std::string& folder);

}  // namespace tvk
