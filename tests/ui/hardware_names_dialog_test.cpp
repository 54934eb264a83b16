#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "model/hardware_names_file.h"
#include "model/settings_folder.h"
#include "ui/dialogs/hardware_names_dialog.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

using test::ScriptedWindowPrompts;

class HardwareNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureResultWindowApp();
    ASSERT_TRUE(folder.isValid());
    names = LoadBuiltInHardwareNames();
    dialog = std::make_unique<HardwareNamesDialog>(names, folder.path().toStdString(), "試験邸", nullptr, &prompts);
    dialog->show();
  }
  bool fileExists() const { return QFileInfo::exists(folder.filePath(QString::fromUtf8(kHardwareFileName))); }

  QTemporaryDir folder;
  HardwareNames names;
  ScriptedWindowPrompts prompts;
  std::unique_ptr<HardwareNamesDialog> dialog;
};

TEST(HardwareNameCells, BlankCellsShowAndStoreAsDashes) {
  HardwareNames names = LoadBuiltInHardwareNames();
  const NameCells cells = CellsOfNames(names);
  EXPECT_EQ(cells[0][0], "短ほぞ差し");
  EXPECT_EQ(cells[1][1], "(1.62)");
  EXPECT_EQ(cells[7][0], "---");  // (に) has no second name
  NameCells edited = cells;
  edited[0][0] = "  ";
  edited[2][0] = "  長ほぞ ";
  const NameCells tidy = TidyCells(edited);
  EXPECT_EQ(tidy[0][0], "---");
  EXPECT_EQ(tidy[2][0], "長ほぞ");
  const HardwareNames back = NamesOfCells(tidy);
  EXPECT_EQ(back[0].Name1, "");
  EXPECT_EQ(back[1].Name1, "長ほぞ");
  EXPECT_EQ(back[3].Name2, "");
  EXPECT_EQ(back[10].Value1, "(40.00)");
}

TEST_F(HardwareNamesTest, OkTakesTheTidiedGridWithoutWritingTheFile) {
  dialog->setCell(0, 0, QStringLiteral("   "));
  dialog->setCell(5, 1, QStringLiteral(" 6.00 "));
  EXPECT_TRUE(dialog->modified());
  dialog->accept();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->cells()[0][0], "---");
  EXPECT_EQ(names[0].Name1, "");
  EXPECT_EQ(names[2].Value2, "6.00");
  EXPECT_FALSE(fileExists());
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(HardwareNamesTest, CancelWithChangesAsksYesNo) {
  dialog->setCell(3, 0, QStringLiteral("新しい金物"));
  prompts.answers = {false, true};
  dialog->reject();
  EXPECT_TRUE(dialog->isVisible());
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(names, LoadBuiltInHardwareNames());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kAbandonNamesQuestion));
}

TEST_F(HardwareNamesTest, CancelWithoutChangesJustCloses) {
  dialog->reject();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(HardwareNamesTest, DefaultButtonWritesTheFileAndStaysOpen) {
  dialog->setCell(21, 0, QStringLiteral(""));
  dialog->setCell(20, 0, QStringLiteral("引き寄せ金物(HD-20)×２個"));
  prompts.answers = {false};
  EXPECT_FALSE(dialog->setAsDefault());
  EXPECT_FALSE(fileExists());
  prompts.answers = {true};
  EXPECT_TRUE(dialog->setAsDefault());
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kNamesDefaultQuestion));
  ASSERT_TRUE(fileExists());
  const HardwareNames read = ReadHardwareNames(folder.path().toStdString());
  EXPECT_EQ(read, names);
  EXPECT_EQ(read[10].Name1, "引き寄せ金物(HD-20)×２個");
  EXPECT_EQ(dialog->cells()[21][0], "---");
}

std::vector<std::string> warnings;

void RecordWarning(QtMsgType, const QMessageLogContext&, const QString& text) {
  warnings.push_back(text.toStdString());
}

TEST_F(HardwareNamesTest, ReturnStartsAndEndsAnEditWithoutComplaint) {
  auto* grid = dialog->findChild<QTableWidget*>();
  ASSERT_NE(grid, nullptr);
  grid->setCurrentCell(4, 3);
  warnings.clear();
  const QtMessageHandler before = qInstallMessageHandler(RecordWarning);
  const auto pressReturn = [](QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &press);
  };
  pressReturn(grid);
  auto* editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("羽子板ボルト"));
  pressReturn(editor);  // taken by the editor, then passed on to the grid
  QApplication::processEvents();
  qInstallMessageHandler(before);
  EXPECT_EQ(warnings, std::vector<std::string>{});
  EXPECT_EQ(dialog->cells()[4][0], "羽子板ボルト");
  EXPECT_TRUE(dialog->modified());
}

TEST_F(HardwareNamesTest, TitleAndButtonsReadAsTheProgramWordsThem) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("金物名の設定   試験邸"));
  QStringList buttons;
  for (const QPushButton* button : dialog->findChildren<QPushButton*>()) buttons << button->text();
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("O K"), QStringLiteral("ｷｬﾝｾﾙ"), QStringLiteral("デフォルトに設定")}));
}

}  // namespace
}  // namespace tvk
