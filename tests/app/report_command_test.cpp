// End-to-end: the voln-tvk executable's report sub-command, read back with pdftotext.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "model/model_test_util.h"
#include "model/project_file.h"
#include "model/safe_file.h"
#include "support/command_run.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::CommandRun;
using test::ShellQuoted;

const std::string kSample = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";

class ReportCommand : public testing::Test {
 protected:
  // Runs the command without a display and without a platform choice, as on a server;
  // the settings folder is the scratch folder.
  // shellSetup: shell commands run before it (limits, traps).
  CommandRun Report(const std::string& arguments, const std::string& shellSetup = "") {
    const std::string env =
        "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY VOLNTVK_HOME=" + ShellQuoted(dir_.path()) + " " +
        ShellQuoted(TVK_BINARY);
    return test::RunCommand("sh", "-c " + ShellQuoted(shellSetup + env + " report " + arguments), dir_.path());
  }
  // The PDF's text, pages separated by form feeds.
  std::string PdfText(const std::string& pdf) {
    const std::string txt = dir_.file("report.txt");
    const CommandRun run = test::RunCommand("pdftotext", ShellQuoted(pdf) + " " + ShellQuoted(txt), dir_.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return test::ReadBytes(txt);
  }
  test::ScratchDir dir_;
};

TEST_F(ReportCommand, SampleReportHasEveryChapterAndItsResults) {
  const std::string pdf = dir_.file("sample.pdf");
  const CommandRun run = Report(ShellQuoted(kSample) + " -o " + ShellQuoted(pdf));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string text = PdfText(pdf);
  for (const char* heading :
       {"1.概要", "1.1.設計方針", "1.2.Ｎ値計算方法", "●筋かいの分担応力を考慮した補正値", "1.3.接合金物リスト",
        "表-1.3.1.接合部の仕様", "1.4.耐力壁リスト", "1.5.耐力壁伏図", "2.接合金物", "2.1.接合金物伏図",
        "接合金物の各階伏図を以下に示す。", "2.2.接合金物軸組図", "算定結果一覧表", "軸組Ｎ値算定"}) {
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  }
  // Results cells: line names, a through-column, the kN lines and the weak hardware's mark.
  for (const char* cell : {"X1", "Y1", "通し柱", "kN)", "NG*", "=Nx1.96x2.7", "(引抜き力)"}) {
    EXPECT_NE(text.find(cell), std::string::npos) << cell;
  }
  // The cover carries no number; the first chapter page is "- 1 -".
  // (pdftotext may drop the narrow blanks of the footer's proportional face)
  std::string packed = text;
  std::erase(packed, ' ');
  const std::string cover = packed.substr(0, packed.find('\f'));
  EXPECT_EQ(cover.find("-0-"), std::string::npos);
  EXPECT_NE(cover.find("Ver.1.0.0"), std::string::npos);
  const std::string second = packed.substr(cover.size() + 1, packed.find('\f', cover.size() + 1) - cover.size() - 1);
  EXPECT_NE(second.find("-1-"), std::string::npos);
  // The sample places one piece of hardware that is too weak.
  EXPECT_NE(run.err.find("耐力不足の金物が配置されています。"), std::string::npos) << run.err;
}

TEST_F(ReportCommand, HardwareListComesFromTheSettingsFolder) {
  std::ofstream file(dir_.file("_Kanamono.Def"), std::ios::binary);
  file << "OwnPlate 0.11\r\n--- ---\r\n";
  file.close();
  const std::string pdf = dir_.file("own.pdf");
  ASSERT_EQ(Report(ShellQuoted(kSample) + " -o " + ShellQuoted(pdf)).exitCode, 0);
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("OwnPlate"), std::string::npos);
  EXPECT_EQ(text.find("短ほぞ差し"), std::string::npos);
}

TEST_F(ReportCommand, ExistingPdfIsReplaced) {
  const std::string pdf = dir_.file("old.pdf");
  std::ofstream(pdf) << "old";
  ASSERT_EQ(Report(ShellQuoted(kSample) + " -o " + ShellQuoted(pdf)).exitCode, 0);
  EXPECT_EQ(test::ReadBytes(pdf).substr(0, 5), "%PDF-");
}

TEST_F(ReportCommand, RefusedProjectExitsOneAndWritesNothing) {
  const std::string bad = dir_.file("bad.TVK");
  std::ofstream(bad) << "not a project file";
  const std::string pdf = dir_.file("never.pdf");
  const CommandRun run = Report(ShellQuoted(bad) + " -o " + ShellQuoted(pdf));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("のデータではありません。"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(pdf));

  const CommandRun missing = Report(ShellQuoted(dir_.file("missing.TVK")) + " -o " + ShellQuoted(pdf));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportCommand, UnwritableOutputExitsOneAndKeepsTheOldFile) {
  // A regular file stands where the output's folder should be.
  std::ofstream(dir_.file("plain")) << "x";
  const CommandRun run = Report(ShellQuoted(kSample) + " -o " + ShellQuoted(dir_.file("plain/out.pdf")));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("voln-tvk report:"), std::string::npos);
  // A folder given as the output is not replaced.
  std::filesystem::create_directory(dir_.file("folder.pdf"));
  EXPECT_EQ(Report(ShellQuoted(kSample) + " -o " + ShellQuoted(dir_.file("folder.pdf"))).exitCode, 1);
  EXPECT_TRUE(std::filesystem::is_directory(dir_.file("folder.pdf")));
}

TEST_F(ReportCommand, ReadOnlyPdfIsRefusedAndKept) {
  const std::string pdf = dir_.file("old.pdf");
  std::ofstream(pdf) << "old";
  ASSERT_EQ(chmod(pdf.c_str(), 0444), 0);
  const CommandRun run = Report(ShellQuoted(kSample) + " -o " + ShellQuoted(pdf));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(pdf + ": " + pdf + "\n\nPDF ファイルを作成できませんでした。\n" + kReadOnlyReason),
            std::string::npos)
      << run.err;
  EXPECT_EQ(test::ReadBytes(pdf), "old");
}

// The files in folder, each with its content.
std::map<std::string, std::string> FolderContents(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files[entry.path().filename().string()] = test::ReadBytes(entry.path().string());
  }
  return files;
}

TEST_F(ReportCommand, PdfTheFileCannotHoldIsNotWrittenAndTheOldOneStays) {
  // The system lets no file of the command grow past 32 kB: the write of the PDF fails
  // halfway (EFBIG), as on a full disk.
  const std::string folder = dir_.file("out");
  std::filesystem::create_directory(folder);
  const std::string pdf = folder + "/report.pdf";
  std::ofstream(pdf) << "old";
  const CommandRun run = Report(ShellQuoted(kSample) + " -o " + ShellQuoted(pdf), "trap '' XFSZ; ulimit -f 64; ");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("voln-tvk report: " + pdf + ": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(std::strerror(EFBIG)), std::string::npos) << run.err;
  EXPECT_EQ(FolderContents(folder), (std::map<std::string, std::string>{{"report.pdf", "old"}}));
}

TEST_F(ReportCommand, PdfOntoAFullDiskIsNotWrittenAndTheOldOneStays) {
  // A 64 kB file system, private to the command, holding an older PDF of 4 kB.
  const std::string disk = dir_.file("disk");
  const std::string seen = dir_.file("seen");
  std::filesystem::create_directory(disk);
  std::filesystem::create_directory(seen);
  const std::string old(4096, 'o');
  test::WriteBytes(dir_.file("old.pdf"), old);
  const std::string script =
      "mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 77; cp \"$2/old.pdf\" \"$1/out.pdf\"; "
      "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY VOLNTVK_HOME=\"$2\" \"$3\" report \"$4\" -o "
      "\"$1/out.pdf\" 2> \"$2/seen/err\"; echo $? > \"$2/seen/code\"; cp -a \"$1\"/. \"$2/seen/\"";
  const CommandRun run =
      test::RunCommand("unshare",
                       "-m sh -c " + ShellQuoted(script) + " sh " + ShellQuoted(disk) + " " + ShellQuoted(dir_.path()) +
                           " " + ShellQuoted(TVK_BINARY) + " " + ShellQuoted(kSample),
                       dir_.path());
  if (!std::filesystem::exists(seen + "/code")) {
    GTEST_SKIP() << "no file system of our own can be mounted here: " << run.err;
  }
  const std::string pdf = disk + "/out.pdf";
  EXPECT_EQ(test::ReadBytes(seen + "/code"), "1\n");
  const std::string err = test::ReadBytes(seen + "/err");
  EXPECT_NE(err.find("voln-tvk report: " + pdf + ": "), std::string::npos) << err;
  EXPECT_NE(err.find(std::strerror(ENOSPC)), std::string::npos) << err;
  std::filesystem::remove(seen + "/err");
  std::filesystem::remove(seen + "/code");
  EXPECT_EQ(FolderContents(seen), (std::map<std::string, std::string>{{"out.pdf", old}}));
}

TEST_F(ReportCommand, UsageErrorsExitTwo) {
  const std::string pdf = ShellQuoted(dir_.file("u.pdf"));
  const std::string sample = ShellQuoted(kSample);
  for (const std::string& args :
       {std::string(), sample, "-o " + pdf, sample + " -o", sample + " " + sample + " -o " + pdf,
        sample + " -o " + pdf + " -o " + pdf, sample + " --bogus -o " + pdf}) {
    const CommandRun run = Report(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
  }
}

TEST_F(ReportCommand, NeverWritesOverTheProjectFile) {
  const std::string copy = dir_.file("copy.TVK");
  std::filesystem::copy_file(kSample, copy);
  const std::string before = test::ReadBytes(copy);
  const CommandRun run = Report(ShellQuoted(copy) + " -o " + ShellQuoted(copy));
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(test::ReadBytes(copy), before);
}

TEST_F(ReportCommand, BuildingWithoutColumnsSaysSoInTheResults) {
  test::PlanBuilder p(1, 2, 2);
  ASSERT_TRUE(SaveProject(p.b, dir_.file("empty.TVK")).ok);
  const std::string pdf = dir_.file("empty.pdf");
  const CommandRun run = Report(ShellQuoted(dir_.file("empty.TVK")) + " -o " + ShellQuoted(pdf));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(PdfText(pdf).find("柱が配置されていません。"), std::string::npos);
  EXPECT_EQ(run.err.find("耐力不足"), std::string::npos);
}

}  // namespace
}  // namespace tvk
