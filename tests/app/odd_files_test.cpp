// End-to-end: project files that are no files (a named pipe) or hold what no dialog could
// give (an absurd grid length) are refused at once by every command, the desktop
// program too.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "model/model_test_util.h"
#include "model/project_file.h"
#include "model/safe_file.h"
#include "support/command_run.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::CommandRun;
using test::ShellQuoted;

// A command that waits longer than this has hung (timeout's own exit code is 124).
const std::string kTimeout = "timeout -s KILL 30 ";

class OddProjectFile : public testing::Test {
 protected:
  CommandRun Run(const std::string& arguments) {
    return test::RunCommand("sh",
                            "-c " + ShellQuoted(kTimeout + "env VOLNTVK_HOME=" + ShellQuoted(dir_.path()) + " " +
                                                ShellQuoted(TVK_BINARY) + " " + arguments),
                            dir_.path());
  }
  test::ScratchDir dir_;
};

TEST_F(OddProjectFile, NamedPipeIsRefusedWithoutWaiting) {
  const std::string pipe = dir_.file("pipe.TVK");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string pdf = dir_.file("pipe.pdf");
  for (const std::string& command :
       {std::string("info"), std::string("calc"), std::string("calc --json"), "report -o " + ShellQuoted(pdf)}) {
    const CommandRun run = Run(command + " " + ShellQuoted(pipe));
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_NE(run.err.find("ファイルを読み込めませんでした。"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(kNotRegularFileReason), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(OddProjectFile, DesktopProgramGivenANamedPipeDoesNotHang) {
  const std::string pipe = dir_.file("pipe.TVK");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  // The refusal is shown; the picture hook then ends the program.
  const CommandRun run = test::RunCommand(
      "sh",
      "-c " + ShellQuoted(kTimeout + "env QT_QPA_PLATFORM=offscreen VOLNTVK_HOME=" + ShellQuoted(dir_.path()) +
                          " VOLNTVK_SCREENSHOT=" + ShellQuoted(dir_.file("shot.png")) +
                          " VOLNTVK_SCREENSHOT_DELAY=1000 " + ShellQuoted(TVK_BINARY) + " " + ShellQuoted(pipe)),
      dir_.path());
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(test::ReadBytes(dir_.file("VOLNTVK.INI")).find("pipe.TVK"), std::string::npos);
}

TEST_F(OddProjectFile, GridLengthNoDialogCouldGiveIsRefused) {
  for (const float pitch : {1e20f, 10.0f, 0.0004f}) {
    test::PlanBuilder p(1, 2, 2, 1, pitch);
    p.Column(1, 1, 1).Column(3, 1, 1);
    ASSERT_TRUE(SaveProject(p.b, dir_.file("pitch.TVK")).ok);
    for (const char* command : {"info", "calc", "calc --json"}) {
      const CommandRun run = Run(std::string(command) + " " + ShellQuoted(dir_.file("pitch.TVK")));
      EXPECT_EQ(run.exitCode, 1) << command << " " << pitch;
      EXPECT_NE(run.err.find(kBadDataMessage), std::string::npos) << run.err;
      EXPECT_NE(run.err.find("グリッド長が正しくありません"), std::string::npos) << run.err;
      EXPECT_EQ(run.out.find("NaN"), std::string::npos) << run.out;
    }
  }
}

}  // namespace
}  // namespace tvk
