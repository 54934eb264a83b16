// "DXF出力...": the save dialog, the question before a file is replaced (its default keeps the
// file), the messages, and what the main window's display options put into the file.
#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <filesystem>

#include "editor/file_commands.h"
#include "model/model_test_util.h"
#include "model/project_file.h"
#include "model/safe_file.h"
#include "support/dxf_readback.h"
#include "ui/session_test_support.h"
#include "ui/windows/dxf_output.h"
#include "ui/windows/main_window.h"

namespace tvk::test {
namespace {

const std::string kSample = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";

struct DxfOutput : SessionFixture {
  void SetUp() override {
    SessionFixture::SetUp();
    ASSERT_TRUE(session.document.load(kSample).ok);
  }
  bool Run(const DxfExportOptions& options = {}) { return DxfOutputCommand(session, prompts, options); }
};

TEST_F(DxfOutput, DialogStartsInTheDataFolderWithTheBuildingName) {
  EXPECT_FALSE(Run());  // cancelled
  ASSERT_EQ(prompts.dialogs.size(), 1u);
  const FileDialogSpec& dialog = prompts.dialogs.front();
  EXPECT_EQ(dialog.title, "『 構造伏図 の DXF 出力 』");
  EXPECT_EQ(dialog.filter, "DXF(*.dxf);;すべてのﾌｧｲﾙ(*.*)");
  EXPECT_EQ(dialog.defaultSuffix, "dxf");
  EXPECT_EQ(dialog.initialPath, DialogFolder(session) + "/構造伏図_サンプル邸 新築工事.dxf");
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(DxfOutput, WritesTheFileAndSaysSo) {
  const std::string dxf = path("plans.dxf");
  prompts.files = {dxf};
  EXPECT_TRUE(Run());
  EXPECT_EQ(prompts.asked, std::vector<std::string>{dxf + "\n\nを作成しました。"});
  const DxfReadBack read = ReadBackDxf(dxf, folder());
  ASSERT_TRUE(read.read) << read.error;
  EXPECT_EQ(read.Of("TVK-TITLE").size(), 2u);
  // The calculation ran: the required grades are on the plans.
  EXPECT_FALSE(read.Of("TVK-GRADE").empty());
}

TEST_F(DxfOutput, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
  const std::string dxf = path("old.dxf");
  WriteBytes(dxf, "old");
  prompts.files = {dxf, dxf};
  prompts.answers = {false, true};
  EXPECT_FALSE(Run());
  EXPECT_EQ(ReadBytes(dxf), "old");
  EXPECT_EQ(prompts.keepingByDefault, std::vector<std::string>{ExistingFileQuestion(dxf)});
  EXPECT_TRUE(Run());
  EXPECT_EQ(ReadBytes(dxf).substr(0, 4), "999\n");
}

TEST_F(DxfOutput, AReadOnlyFileIsKeptAndTheUserTold) {
  const std::string dxf = path("kept.dxf");
  WriteBytes(dxf, "old");
  ASSERT_EQ(chmod(dxf.c_str(), 0444), 0);
  prompts.files = {dxf};
  prompts.answers = {true};
  EXPECT_FALSE(Run());
  EXPECT_EQ(prompts.asked.back(), ReadOnlyMessage(dxf));
  EXPECT_EQ(ReadBytes(dxf), "old");
}

TEST_F(DxfOutput, TheProjectFileIsNeverReplaced) {
  const std::string project = saveAs("house.TVK");
  const std::string before = ReadBytes(project);
  prompts.files = {project};
  EXPECT_FALSE(Run());
  EXPECT_EQ(prompts.asked, std::vector<std::string>{DxfOverProjectMessage(project)});
  EXPECT_EQ(ReadBytes(project), before);
}

TEST_F(DxfOutput, FileMenuEntryFollowsTheCentreMarksOption) {
  MainWindow window(session, &prompts);
  QAction* entry = nullptr;
  for (QAction* a : window.recentMenuHost()->actions()) {
    if (a->text() == "DXF出力...") entry = a;
  }
  ASSERT_NE(entry, nullptr);
  for (const bool hidden : {false, true}) {
    for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
      if (box->text() == "重心・剛心を伏図表示しない") box->setChecked(hidden);
    }
    const std::string dxf = path(hidden ? "hidden.dxf" : "shown.dxf");
    prompts.files = {dxf};
    entry->trigger();
    const DxfReadBack read = ReadBackDxf(dxf, folder());
    ASSERT_TRUE(read.read) << read.error;
    EXPECT_EQ(read.Of("TVK-CENTRE").empty(), hidden);
  }
}

}  // namespace
}  // namespace tvk::test
