// End-to-end: voln-tvk without a sub-command starts the desktop program.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/command_run.h"

namespace tvk::test {
namespace {

class DesktopCommand : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tvk-desktop-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string dir_;
};

const std::string kSample = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";

TEST_F(DesktopCommand, WithoutADisplayItSaysSoAndExitsWithTheUsageCode) {
  const CommandRun run = RunCommand(
      "env", "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + ShellQuoted(TVK_BINARY) + " " + ShellQuoted(kSample),
      dir_);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("needs a display"), std::string::npos) << run.err;
}

TEST_F(DesktopCommand, MoreThanOneFileIsAUsageError) {
  const CommandRun run = RunCommand(TVK_BINARY, ShellQuoted(kSample) + " " + ShellQuoted(kSample), dir_);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("usage:"), std::string::npos);
}

TEST_F(DesktopCommand, OpensTheFileOnAFirstStartAndRecordsIt) {
  // No settings files at all; the picture hook ends the program after half a second.
  const std::string home = dir_ + "/home";
  const CommandRun run =
      RunCommand("env",
                 "QT_QPA_PLATFORM=offscreen VOLNTVK_HOME=" + ShellQuoted(home) +
                     " VOLNTVK_SCREENSHOT=" + ShellQuoted(dir_ + "/shot.png") + " VOLNTVK_SCREENSHOT_DELAY=500 " +
                     ShellQuoted(TVK_BINARY) + " " + ShellQuoted(kSample),
                 dir_);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::ifstream ini(home + "/VOLNTVK.INI", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("sample-house.TVK"), std::string::npos) << text;
}

}  // namespace
}  // namespace tvk::test
