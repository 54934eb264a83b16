// What the file writer leaves on disk when it is refused or killed: a read-only target
// stays as it was, a writer killed in the middle of a write leaves no temporary file,
// and temporaries of dead processes go the next time their folder is written.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>

#include "model/project_file.h"
#include "model/safe_file.h"
#include "model/settings_file.h"
#include "model/settings_folder.h"
#include "model/temp_files.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

std::set<std::string> FolderEntries(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

ProgramSettings SettingsWithRecentFiles() {
  ProgramSettings s;
  s.DataFolder = "/home/u/物件";
  for (int k = 0; k < 10; ++k) s.Recent.push_back(RecentEntry{"/home/u/物件/" + std::to_string(k) + ".TVK", "", "邸"});
  return s;
}

// The two kinds of file the program replaces while it runs, each written into folder
// under the given name.
struct Writer {
  const char* what;
  const char* file;
  std::function<FileResult(const std::string& folder)> write;
};

const Writer kWriters[] = {
    {"project", "house.TVK",
     [](const std::string& folder) {
       Building b = test::FilledBuilding();
       return SaveProject(b, folder + "/house.TVK");
     }},
    {"settings", kSettingsFileName,
     [](const std::string& folder) { return WriteSettingsFile(folder, SettingsWithRecentFiles()); }},
};

TEST(FileSafety, ReadOnlyTargetIsRefusedAndKept) {
  for (const Writer& w : kWriters) {
    for (const mode_t mode : {0444, 0400, 0555}) {
      test::ScratchDir dir;
      const std::string target = dir.file(w.file);
      test::WriteBytes(target, "old");
      ASSERT_EQ(chmod(target.c_str(), mode), 0);
      const FileResult result = w.write(dir.path());
      EXPECT_FALSE(result.ok) << w.what << " " << mode;
      EXPECT_EQ(result.message, ReadOnlyMessage(target)) << w.what;
      EXPECT_EQ(test::ReadBytes(target), "old") << w.what;
      EXPECT_EQ(FolderEntries(dir.path()), std::set<std::string>{w.file}) << w.what;
    }
  }
  EXPECT_EQ(ReadOnlyMessage("/d/a.TVK"), "/d/a.TVK\n\nは読み取り専用のため、上書きできません。");
}

// Runs write in a child process that the system kills (SIGXFSZ) once its file grows past
// a few bytes, as a kill at that moment would.
void WriteUntilKilled(const Writer& w, const std::string& folder) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit noCore{0, 0};
    const rlimit fewBytes{16, 16};
    setrlimit(RLIMIT_CORE, &noCore);
    setrlimit(RLIMIT_FSIZE, &fewBytes);
    signal(SIGXFSZ, SIG_DFL);
    w.write(folder);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << w.what << " was not killed while writing";
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
}

// Whether the file system of folder can make files without a name.
bool UnnamedFilesWork(const std::string& folder) {
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
  if (fd < 0) return false;
  close(fd);
  return true;
}

TEST(FileSafety, WriterKilledMidWriteLeavesTheOldFileAndNoTemporary) {
  for (const Writer& w : kWriters) {
    test::ScratchDir dir;
    const std::string target = dir.file(w.file);
    test::WriteBytes(target, "old");
    WriteUntilKilled(w, dir.path());
    EXPECT_EQ(test::ReadBytes(target), "old") << w.what;
    if (UnnamedFilesWork(dir.path())) {
      EXPECT_EQ(FolderEntries(dir.path()), std::set<std::string>{w.file}) << w.what;
    }
    // Whatever a killed writer left is gone once the folder is written again.
    ASSERT_TRUE(w.write(dir.path()).ok) << w.what;
    EXPECT_EQ(FolderEntries(dir.path()), std::set<std::string>{w.file}) << w.what;
  }
}

pid_t DeadProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST(FileSafety, TemporariesOfDeadProcessesGoWhenTheFolderIsWritten) {
  test::ScratchDir dir;
  const std::string dead = std::to_string(DeadProcess());
  const std::string alive = std::to_string(getppid());
  const std::set<std::string> stale = {".house.TVK.tmp" + dead + "-0", ".other.TVK.tmp" + dead + "-12",
                                       "." + std::string(kSettingsFileName) + ".tmp" + dead + "-1"};
  const std::set<std::string> kept = {".house.TVK.tmp" + alive + "-0", ".notes.tmp", "house.TVK.tmp" + dead + "-0",
                                      ".tmp" + dead + "-0"};
  for (const auto* names : {&stale, &kept}) {
    for (const std::string& name : *names) test::WriteBytes(dir.file(name), "part");
  }
  std::filesystem::create_directory(dir.file(".dir.tmp" + dead + "-0"));
  ASSERT_TRUE(kWriters[0].write(dir.path()).ok);
  std::set<std::string> expected = kept;
  expected.insert({"house.TVK", ".dir.tmp" + dead + "-0"});
  EXPECT_EQ(FolderEntries(dir.path()), expected);
}

TEST(FileSafety, TemporaryNamesAreRecognisedWithTheirProcess) {
  const struct {
    const char* name;
    std::optional<pid_t> owner;
  } cases[] = {
      {".house.TVK.tmp123-0", 123},    {".VOLNTVK.INI.tmp7-99", 7}, {".a.tmp.b.tmp42-3", 42},
      {"house.TVK.tmp123-0", {}},      {".tmp123-0", {}},           {".house.tmp-1", {}},
      {".house.tmp12-", {}},           {".house.tmp0-1", {}},       {".house.tmp1x-1", {}},
      {".house.tmp99999999999-1", {}}, {".house.tmp12-3-4", {}},    {".house.tmp+5-1", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TempFileOwner(c.name), c.owner) << c.name;
}

TEST(FileSafety, OnlyRegularFilesAreRead) {
  test::ScratchDir dir;
  const std::string fifo = dir.file("pipe.TVK");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // A writer is there, so a reader that opened the pipe would not wait for one.
  const int writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  for (const std::string& path : {fifo, dir.path(), std::string("/dev/null")}) {
    std::string bytes = "kept";
    const FileResult read = ReadFileBytes(path, bytes, 1000, true);
    EXPECT_FALSE(read.ok) << path;
    EXPECT_NE(read.message.find(kNotRegularFileReason), std::string::npos) << read.message;
    EXPECT_EQ(bytes, "kept");
  }
  close(writer);
}

}  // namespace
}  // namespace tvk
