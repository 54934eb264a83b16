// End-to-end: the voln-tvk executable's info sub-command.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct CommandRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class InfoCommand : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tvk-info-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  CommandRun Info(const std::string& arguments) {
    const std::string command =
        std::string("'") + TVK_BINARY + "' info " + arguments + " > '" + dir_ + "/out' 2> '" + dir_ + "/err'";
    const int status = std::system(command.c_str());
    return CommandRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir_ + "/out"), Slurp(dir_ + "/err")};
  }

  std::string File(const std::string& name, const std::string& content) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return "'" + path + "'";
  }

  std::string dir_;
};

std::string Sample() { return std::string("'") + TVK_SOURCE_DIR + "/examples/sample-house.TVK'"; }

TEST_F(InfoCommand, PrintsTheSampleOutlineAndMemberCounts) {
  const CommandRun run = Info(Sample());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const char* expected :
       {"file:        sample-house.TVK (Ver.", "building:    サンプル邸 新築工事\n",
        "office:      みどり建築設計事務所\n", "person:      佐藤 一郎\n", "storeys:     2\n",
        "grid:        X 8 grids (16 spans), Y 6 grids (12 spans), 2 divisions, pitch 0.910 m\n",
        "line names:  X X1 .. X9 (style 1), Y Y1 .. Y7 (style 1)\n",
        "\nstorey 1:\n  columns:         19 (storey 15, through 4)\n  single braces:   8\n  crossed braces:  4\n"
        "  sheathed walls:  5\n  floor cells:     176\n  voids:           0\n"
        "  floor beams (２階 床梁): 116 segments\n  placed hardware: 4\n",
        "\nstorey 2:\n  columns:         13 (storey 9, through 4)\n  single braces:   5\n  crossed braces:  1\n"
        "  sheathed walls:  2\n  floor cells:     140\n  voids:           4\n"
        "  roof beams (２階 小屋梁): 60 segments\n  placed hardware: 1\n"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n---\n" << run.out;
  }
}

TEST_F(InfoCommand, RefusedFilesExitOneWithTheirMessage) {
  struct Case {
    std::string file;
    const char* message;
  };
  const std::string sample = Slurp(std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK");
  for (const Case& c :
       {Case{File("notes.txt", "hello"), "このファイルは、[ VOLN-TVK /軸組Ｎ値算定 ] のデータではありません。"},
        Case{File("cut.TVK", sample.substr(0, sample.size() / 2)), "データファイルが正しくありません。"},
        Case{"'" + dir_ + "/missing.TVK'", "missing.TVK"}}) {
    const CommandRun run = Info(c.file);
    EXPECT_EQ(run.exitCode, 1) << c.file;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST_F(InfoCommand, UsageErrorsExitTwo) {
  for (const std::string& arguments : {std::string(""), Sample() + " " + Sample(), std::string("--json")}) {
    const CommandRun run = Info(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments;
    EXPECT_NE(run.err.find("usage"), std::string::npos);
  }
}

}  // namespace
