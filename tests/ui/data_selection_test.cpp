// The start: an empty default building behind the data selection dialog, and the rules of
// that dialog's list and buttons.
#include <QPushButton>
#include <QTableWidget>

#include "model/settings_file.h"
#include "ui/dialogs/data_select_dialog.h"
#include "ui/session_test_support.h"

namespace tvk::test {
namespace {

using DataSelection = SessionFixture;

TEST_F(DataSelection, FirstStartWithoutSettingsFiles) {
  const Building& b = building();
  EXPECT_EQ(b.Storeys(), 2);
  EXPECT_EQ(b.SpansX(), 20);
  EXPECT_EQ(b.SpansY(), 20);
  EXPECT_EQ(b.PointsX() * b.PointsY() * b.Levels(), 21 * 21 * 3);
  EXPECT_FLOAT_EQ(b.SubPitch(), 0.455f);
  EXPECT_FALSE(session.document.modified());
  EXPECT_EQ(session.document.path(), kNewDataPath);

  DataSelectDialog dialog(session, prompts, true);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "VOLN-TVK /軸組Ｎ値算定  <データ選択>");
  EXPECT_FALSE(dialog.selectButton()->isEnabled());
  EXPECT_FALSE(dialog.clearButton()->isEnabled());
  EXPECT_TRUE(dialog.newButton()->isEnabled());
  EXPECT_EQ(dialog.exitButton()->text().toStdString(), "終  了");
  EXPECT_EQ(dialog.exitButton()->toolTip().toStdString(), "VOLN-TVK を終了します");
  QTableWidget* table = dialog.table();
  ASSERT_EQ(table->rowCount(), 10);
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(table->item(row, 0)->text(), QString::number(row + 1));
    EXPECT_TRUE(table->item(row, 1)->text().isEmpty());
    EXPECT_TRUE(table->item(row, 2)->text().isEmpty());
  }
  EXPECT_EQ(table->currentRow(), 0);
  EXPECT_EQ(table->currentColumn(), 1);
}

TEST_F(DataSelection, ListsTheRecentFilesOfTheSettingsFile) {
  const std::string file = saveAs("house.TVK");
  ProgramSettings stored;
  AddToRecentFiles(stored, file, "山田邸");
  ASSERT_TRUE(WriteSettingsFile(session.settingsFolder, stored).ok);
  DataSelectDialog dialog(session, prompts, true);
  EXPECT_EQ(dialog.table()->item(0, 1)->text().toStdString(), "house.TVK");
  EXPECT_EQ(dialog.table()->item(0, 2)->text().toStdString(), "山田邸");
  EXPECT_TRUE(dialog.selectButton()->isEnabled());
  EXPECT_TRUE(dialog.clearButton()->isEnabled());
  dialog.chooseRow(2);  // an empty row
  EXPECT_EQ(dialog.selectionResult(), kSelectNothing);
  dialog.selectButton()->click();
  EXPECT_EQ(dialog.selectionResult(), 1);
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(DataSelection, AFileThatHasGoneIsToldAndTheDialogStays) {
  AddToRecentFiles(session.settings, path("gone.TVK"), "");
  WriteSettings(session);
  DataSelectDialog dialog(session, prompts, true);
  dialog.chooseRow(1);
  EXPECT_EQ(dialog.selectionResult(), kSelectNothing);
  EXPECT_EQ(prompts.asked, std::vector<std::string>{"選択したデータファイル：\n\n" + path("gone.TVK") +
                                                    "\n\nが見つかりませんでした。"});
  EXPECT_EQ(session.settings.Recent.size(), 1u);
}

TEST_F(DataSelection, ExitAtTheStartAsksAndCancelKeepsTheDialog) {
  DataSelectDialog dialog(session, prompts, true);
  prompts.answers = {false, true};
  dialog.exitButton()->click();
  EXPECT_EQ(dialog.selectionResult(), kSelectNothing);
  EXPECT_EQ(prompts.asked.back(), "『 VOLN-TVK /軸組Ｎ値算定 』 を終了します");
  dialog.reject();  // Esc
  EXPECT_EQ(dialog.selectionResult(), kSelectQuit);
}

TEST_F(DataSelection, FromTheMenuTheExitButtonCancelsWithoutAQuestion) {
  DataSelectDialog dialog(session, prompts, false);
  EXPECT_EQ(dialog.exitButton()->text().toStdString(), "ｷｬﾝｾﾙ");
  EXPECT_EQ(dialog.exitButton()->toolTip().toStdString(), "データ選択をキャンセルします");
  dialog.reject();
  EXPECT_EQ(dialog.selectionResult(), kSelectNothing);
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(DataSelection, NewAndOtherDataClose) {
  DataSelectDialog a(session, prompts, true);
  a.newButton()->click();
  EXPECT_EQ(a.selectionResult(), kSelectNew);
  DataSelectDialog b(session, prompts, true);
  b.otherButton()->click();
  EXPECT_EQ(b.selectionResult(), kSelectOther);
}

TEST_F(DataSelection, ClearingTheHistoryAsksThenEmptiesTheList) {
  AddToRecentFiles(session.settings, path("a.TVK"), "A");
  WriteSettings(session);
  DataSelectDialog dialog(session, prompts, true);
  prompts.answers = {false};
  dialog.clearButton()->click();
  EXPECT_EQ(session.settings.Recent.size(), 1u);
  dialog.clearButton()->click();
  EXPECT_EQ(prompts.asked.back(), "データ履歴をクリアーします。");
  EXPECT_TRUE(session.settings.Recent.empty());
  EXPECT_TRUE(dialog.table()->item(0, 1)->text().isEmpty());
  EXPECT_FALSE(dialog.selectButton()->isEnabled());
  EXPECT_FALSE(dialog.clearButton()->isEnabled());
}

}  // namespace
}  // namespace tvk::test
