// End-to-end: the voln-tvk executable's export sub-command, its file read back with the
// independent reader.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/model_test_util.h"
#include "model/safe_file.h"
#include "support/command_run.h"
#include "support/dxf_readback.h"

namespace tvk {
namespace {

using test::CommandRun;
using test::ShellQuoted;

const std::string kSample = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";

class ExportCommand : public testing::Test {
 protected:
  // Without a display, as on a server; shellSetup: shell commands run before it (limits).
  CommandRun Export(const std::string& arguments, const std::string& shellSetup = "") {
    const std::string env =
        "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY VOLNTVK_HOME=" + ShellQuoted(dir_.path()) + " " +
        ShellQuoted(TVK_BINARY);
    return test::RunCommand("sh", "-c " + ShellQuoted(shellSetup + env + " export " + arguments), dir_.path());
  }
  std::string Out(const char* name) { return dir_.file(name); }
  test::ScratchDir dir_;
};

TEST_F(ExportCommand, SamplePlansOfBothStoreysReadBack) {
  const std::string dxf = Out("sample.dxf");
  const CommandRun run = Export(ShellQuoted(kSample) + " --dxf " + ShellQuoted(dxf));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // The sample has no building profile: the quarter check cannot judge, and says what it lacks.
  EXPECT_NE(run.err.find("voln-tvk export: quarter strips left out where the building profile lacks: １階の階高"),
            std::string::npos)
      << run.err;
  // The warnings of the calculation, as calc prints them.
  EXPECT_NE(run.err.find("voln-tvk export: 耐力不足の金物が配置されています。"), std::string::npos) << run.err;
  const test::DxfReadBack read = test::ReadBackDxf(dxf, dir_.path());
  ASSERT_TRUE(read.read) << read.error;
  EXPECT_EQ(read.insunits, 4);
  std::vector<std::string> titles;
  for (const test::DxfEntity* e : read.Of("TVK-TITLE")) titles.push_back(e->text);
  EXPECT_EQ(titles, (std::vector<std::string>{"1 階構造伏図", "2 階構造伏図"}));
  EXPECT_FALSE(read.Of("TVK-CENTRE").empty());
}

TEST_F(ExportCommand, OptionsChooseTheStoreyAndLeaveOutMarks) {
  const std::string dxf = Out("one.dxf");
  const CommandRun run =
      Export(ShellQuoted(kSample) + " --storey 2 --no-centres --no-quarters --dxf " + ShellQuoted(dxf));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err.find("quarter strips"), std::string::npos) << run.err;
  const test::DxfReadBack read = test::ReadBackDxf(dxf, dir_.path());
  ASSERT_EQ(read.Of("TVK-TITLE").size(), 1u);
  EXPECT_EQ(read.Of("TVK-TITLE").front()->text, "2 階構造伏図");
  EXPECT_TRUE(read.Of("TVK-CENTRE").empty());
  EXPECT_TRUE(read.Of("TVK-QUARTER").empty());
  // A storey exported alone stands at the origin: grid line X1 at x = 0.
  EXPECT_NEAR(read.Of("TVK-GRID", "LINE").front()->numbers[0], 0, 1e-9);
}

TEST_F(ExportCommand, UsageErrorsExitTwoAndWriteNothing) {
  const std::string dxf = ShellQuoted(Out("u.dxf"));
  const std::string sample = ShellQuoted(kSample);
  for (const std::string& args :
       {std::string(), sample, "--dxf " + dxf, sample + " --dxf", sample + " " + sample + " --dxf " + dxf,
        sample + " --dxf " + dxf + " --dxf " + dxf, sample + " --bogus --dxf " + dxf,
        sample + " --storey 0 --dxf " + dxf, sample + " --storey x --dxf " + dxf,
        sample + " --storey 1 --storey 2 --dxf " + dxf, sample + " --dxf " + dxf + " --storey"}) {
    const CommandRun run = Export(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.err.find("usage: voln-tvk export"), std::string::npos) << args;
  }
  const CommandRun third = Export(sample + " --storey 3 --dxf " + dxf);
  EXPECT_EQ(third.exitCode, 2);
  EXPECT_NE(third.err.find("--storey 3: the building has 2 storeys"), std::string::npos) << third.err;
  EXPECT_FALSE(std::filesystem::exists(Out("u.dxf")));
}

TEST_F(ExportCommand, NeverWritesOverTheProjectFile) {
  const std::string copy = Out("copy.TVK");
  std::filesystem::copy_file(kSample, copy);
  const std::string before = test::ReadBytes(copy);
  const CommandRun run = Export(ShellQuoted(copy) + " --dxf " + ShellQuoted(copy));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("the DXF would replace the project file"), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadBytes(copy), before);
}

TEST_F(ExportCommand, RefusedProjectExitsOneAndWritesNothing) {
  const std::string bad = Out("bad.TVK");
  std::ofstream(bad) << "not a project file";
  const CommandRun run = Export(ShellQuoted(bad) + " --dxf " + ShellQuoted(Out("never.dxf")));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("voln-tvk export: " + bad + ": "), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(Out("never.dxf")));
}

TEST_F(ExportCommand, ReadOnlyDxfIsRefusedAndKept) {
  const std::string dxf = Out("old.dxf");
  std::ofstream(dxf) << "old";
  ASSERT_EQ(chmod(dxf.c_str(), 0444), 0);
  const CommandRun run = Export(ShellQuoted(kSample) + " --dxf " + ShellQuoted(dxf));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("voln-tvk export: " + dxf + ": " + ReadOnlyMessage(dxf)), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadBytes(dxf), "old");
}

TEST_F(ExportCommand, DxfTheFileCannotHoldIsNotWrittenAndTheOldOneStays) {
  // No file of the command may grow past 32 kB: the write fails halfway, as on a full disk.
  const std::string folder = Out("out");
  std::filesystem::create_directory(folder);
  const std::string dxf = folder + "/plans.dxf";
  std::ofstream(dxf) << "old";
  const CommandRun run = Export(ShellQuoted(kSample) + " --dxf " + ShellQuoted(dxf), "trap '' XFSZ; ulimit -f 64; ");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(std::strerror(EFBIG)), std::string::npos) << run.err;
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path().string());
  EXPECT_EQ(files, std::vector<std::string>{dxf});
  EXPECT_EQ(test::ReadBytes(dxf), "old");
}

TEST_F(ExportCommand, HelpListsTheCommand) {
  const CommandRun run = test::RunCommand(TVK_BINARY, "--help", dir_.path());
  EXPECT_NE(run.out.find("voln-tvk export FILE.TVK --dxf OUT.dxf"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("[--no-quarters] [--no-centres]"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace tvk
