// The main window: caption, toolbar, lists, the option boxes and the close check.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

#include "editor/main_window_texts.h"
#include "model/grid_point.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/dialogs/multiplier_box.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/session_test_support.h"
#include "ui/windows/eccentricity_panel.h"
#include "ui/windows/help_document.h"
#include "ui/windows/kind_tree.h"
#include "ui/windows/main_window.h"
#include "ui/windows/side_panel.h"

namespace tvk::test {
namespace {

using MainWindowTest = SessionFixture;

TEST_F(MainWindowTest, StartsWithTheNewDataCaptionAndNothingToUndo) {
  MainWindow window(session, &prompts);
  EXPECT_EQ(window.windowTitle().toStdString(), "VOLN-TVK /軸組Ｎ値算定   新規データ");
  EXPECT_FALSE(window.toolbarAction("Undo")->isEnabled());
  EXPECT_FALSE(window.sidePanel()->cancelButton()->isEnabled());
  EXPECT_EQ(window.statusText(2).toStdString(), "１階柱押さえ係数Ｌ ");
  EXPECT_EQ(window.statusText(3).toStdString(), " 『二年目施行』 による");
  EXPECT_EQ(window.statusText(5).toStdString(), "直交梁による柱引抜き力の伝達 ");
  EXPECT_EQ(window.statusText(6).toStdString(), " 考 慮");
}

TEST_F(MainWindowTest, ToolbarKeysStandInOrderWithTheirTips) {
  MainWindow window(session, &prompts);
  const QToolBar* bar = window.findChild<QToolBar*>("MainToolbar");
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> keys;
  for (const QAction* a : bar->actions()) {
    if (!a->isSeparator()) keys.push_back(a->objectName().toStdString());
  }
  EXPECT_EQ(keys, std::vector<std::string>(kToolbarKeys.begin(), kToolbarKeys.end()));
  EXPECT_EQ(window.toolbarAction("PreView")->toolTip().toStdString(), "計算書プレビュー");
  EXPECT_EQ(window.toolbarAction("Undo")->toolTip().toStdString(), "配置・削除 取り消し");
  std::vector<std::string> menus;
  for (const QAction* a : window.menuBar()->actions()) menus.push_back(a->text().toStdString());
  EXPECT_EQ(menus, (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "金物(&H)", "軸組図(&J)", "設定(&S)",
                                             "ﾍﾙﾌﾟ(&H)"}));
}

TEST_F(MainWindowTest, FrameListsRunUpAlongXAndDownAlongY) {
  NewDataChoice choice;
  choice.subdivisionOption = 0;  // one division: 10 spans, lines 1 .. 11
  createNew(choice);
  MainWindow window(session, &prompts);
  ASSERT_EQ(window.frameMenu(Dir::Y)->actions().size(), 11);
  EXPECT_EQ(window.frameMenu(Dir::Y)->actions().front()->text(), "Y11");
  EXPECT_EQ(window.frameMenu(Dir::Y)->actions().back()->text(), "Y1");
  EXPECT_EQ(window.frameMenu(Dir::X)->actions().front()->text(), "X1");
}

TEST_F(MainWindowTest, RecentFilesStandInTheFileMenu) {
  const std::string file = saveAs("house.TVK");
  AddToRecentFiles(session.settings, file, "");
  MainWindow window(session, &prompts);
  bool found = false;
  for (const QAction* a : window.recentMenuHost()->actions()) found |= a->text().toStdString() == file;
  EXPECT_TRUE(found);
}

TEST_F(MainWindowTest, MultiplierSpinnerStopsAtZero) {
  MultiplierBox box;
  box.showValue(0.1f);
  box.spin(-1);
  EXPECT_EQ(box.text(), "0.0");
  box.spin(-1);
  EXPECT_EQ(box.text(), "0.0");
  box.spin(1);
  EXPECT_EQ(box.text(), "0.1");
}

TEST_F(MainWindowTest, MultiplierBoxTakesOnlyNumberKeys) {
  MultiplierBox box;
  float stored = -1;
  QObject::connect(&box, &MultiplierBox::valueEdited, [&stored](float v) { stored = v; });
  box.edit()->setFocus();
  const struct {
    Qt::Key key;
    const char* text;
  } keys[] = {{Qt::Key_2, "2"}, {Qt::Key_Minus, "-"},   {Qt::Key_Period, "."}, {Qt::Key_A, "a"},
              {Qt::Key_5, "5"}, {Qt::Key_Return, "\r"}, {Qt::Key_Percent, "%"}};
  for (const auto& k : keys) {
    QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, k.text);
    QCoreApplication::sendEvent(box.edit(), &press);
  }
  EXPECT_EQ(box.text(), "2.5%");
  EXPECT_FLOAT_EQ(stored, 2.5f);
}

TEST_F(MainWindowTest, MultiplierBoxTakesNoTextFromAnInputMethod) {
  // A Japanese input method left on commits full-width text past the key filter.
  MultiplierBox box;
  box.showValue(5.0f);
  EXPECT_FALSE(box.edit()->testAttribute(Qt::WA_InputMethodEnabled));
  QInputMethodEvent commit;
  commit.setCommitString("２．５");
  QCoreApplication::sendEvent(box.edit(), &commit);
  EXPECT_EQ(box.text(), "5.0");
}

TEST_F(MainWindowTest, ChangedOptionValuesAreUnsavedChanges) {
  MainWindow window(session, &prompts);
  const QList<MultiplierBox*> boxes = window.findChildren<MultiplierBox*>();
  ASSERT_EQ(boxes.size(), 2);
  boxes[0]->edit()->setText("3.5");
  EXPECT_FLOAT_EQ(building().Settings.MaxWallMultiplier, 3.5f);
  EXPECT_TRUE(session.document.modified());
}

TEST_F(MainWindowTest, CloseAsksAndNoKeepsTheWindow) {
  MainWindow window(session, &prompts);
  Touch(session.document);
  prompts.answers = {false};
  QCloseEvent refused;
  QCoreApplication::sendEvent(&window, &refused);
  EXPECT_FALSE(refused.isAccepted());
  EXPECT_FALSE(window.closeConfirmed());
  QCloseEvent accepted;
  QCoreApplication::sendEvent(&window, &accepted);
  EXPECT_TRUE(accepted.isAccepted());
  EXPECT_EQ(prompts.asked.size(), 2u);
  EXPECT_EQ(session.document.path(), kNewDataPath);
}

TEST_F(MainWindowTest, OneStoreyBuildingSelectsStoreyOne) {
  MainWindow window(session, &prompts);
  window.editor().chooseStorey(2);
  NewDataChoice choice;
  choice.storeyOption = 0;
  createNew(choice);
  const std::string file = saveAs("one.TVK");
  prompts.files = {file};
  EXPECT_EQ(window.openFile(), FileOutcome::Done);
  EXPECT_EQ(window.editor().state().Storey, 1);
  EXPECT_EQ(window.windowTitle().toStdString(), "VOLN-TVK /軸組Ｎ値算定   one.TVK");
  const auto button = [&window](const char* text) -> QPushButton* {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
      if (b->text() == text) return b;
    }
    return nullptr;
  };
  ASSERT_NE(button("２階 床"), nullptr);
  EXPECT_FALSE(button("２階 床")->isEnabled());
  button("梁")->click();
  ASSERT_NE(button("１階 小屋梁"), nullptr);
  EXPECT_FALSE(button("２階 小屋梁")->isEnabled());
}

TEST_F(MainWindowTest, ControlsBelowTheKindListStayPutWhenBeamsHideIt) {
  MainWindow window(session, &prompts);
  window.resize(1400, 900);
  window.show();
  const QList<QComboBox*> combos = window.findChildren<QComboBox*>();
  ASSERT_EQ(combos.size(), 1);  // the zoom list
  const auto zoomTop = [&] {
    QApplication::processEvents();
    return combos.front()->mapTo(&window, QPoint(0, 0)).y();
  };
  const int before = zoomTop();
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "梁") button->click();
  }
  ASSERT_FALSE(window.sidePanel()->kindTree()->isVisible());
  EXPECT_EQ(zoomTop(), before);
}

TEST_F(MainWindowTest, TheEccentricityPanelStaysInSightOnALowScreen) {
  // A 1366 x 768 screen: the window gets 85 % of it.
  MainWindow window(session, &prompts);
  window.resize(1161, 620);
  window.show();
  QApplication::processEvents();
  const QWidget* panel = window.sidePanel()->eccentricityPanel();
  EXPECT_EQ(panel->visibleRegion().boundingRect(), panel->rect());
}

TEST_F(MainWindowTest, AnEditOnTheCanvasCanBeUndoneOnceAndStaysAnUnsavedChange) {
  MainWindow window(session, &prompts);
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "柱") button->click();
  }
  ASSERT_EQ(window.editor().state().InputCategory, Category::Column);
  const Building& b = building();
  const CanvasPos at = CanvasGeometry::For(b).ToCanvas(b.Coord(3, 3, 1).x, b.Coord(3, 3, 1).y);
  emit window.canvas()->pressed(MouseButton::Left, at);
  EXPECT_EQ(b.Point(3, 3, 1).Column.ColKind, ColumnKind::Storey);
  EXPECT_TRUE(session.document.modified());
  QAction* undo = window.toolbarAction("Undo");
  ASSERT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(b.Point(3, 3, 1).Column.ColKind, ColumnKind::None);
  EXPECT_FALSE(undo->isEnabled());
  prompts.answers = {false};
  window.close();
  EXPECT_EQ(prompts.asked.back(), "データは変更されています。\n\n(新規データ)\n\nこのまま保存せず、終了しますか？");
}

TEST_F(MainWindowTest, APendingEditEndsWhenAnotherBuildingIsOpened) {
  NewDataChoice small;
  small.gridsX = small.gridsY = 2;
  small.subdivisionOption = 0;
  createNew(small);
  const std::string file = saveAs("small.TVK");
  createNew(NewDataChoice{});
  MainWindow window(session, &prompts);
  const Building& b = building();
  const auto at = [&b](int i, int j) {
    return CanvasGeometry::For(b).ToCanvas(b.Coord(i, j, 1).x, b.Coord(i, j, 1).y);
  };
  emit window.canvas()->pressed(MouseButton::Left, at(15, 15));
  ASSERT_EQ(window.editor().state().ClickState, 1);
  prompts.files = {file};
  ASSERT_EQ(window.openFile(), FileOutcome::Done);
  EXPECT_EQ(window.editor().state().ClickState, 0);
  EXPECT_FALSE(window.sidePanel()->cancelButton()->isEnabled());
  emit window.canvas()->pressed(MouseButton::Left, at(2, 2));
  emit window.canvas()->pressed(MouseButton::Left, at(3, 3));
  EXPECT_EQ(b.Point(2, 2, 1).FloorKind, FloorCell::Slab);
}

TEST_F(MainWindowTest, HelpIsTheInstalledDocumentOrTheBuiltInOne) {
  const std::string built = HelpDocument(session);
  EXPECT_EQ(built, path("VOLNTVK.html"));
  QFile file(QString::fromStdString(built));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains("VOLN-TVK /軸組Ｎ値算定"));
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(session.programFolder)));
  QFile installed(QString::fromStdString(session.programFolder + "/VOLNTVK.HLP"));
  ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
  installed.close();
  EXPECT_EQ(HelpDocument(session), session.programFolder + "/VOLNTVK.HLP");
}

TEST_F(MainWindowTest, InstalledProgramOpensTheHelpInItsDataFolder) {
  session.programFolder = path("usr/bin");
  const std::string data = path("usr/share/voln-tvk");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(data)));
  EXPECT_EQ(HelpDocument(session), path("VOLNTVK.html")) << "data folder without the document";
  QFile installed(QString::fromStdString(data + "/VOLNTVK.html"));
  ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
  installed.close();
  EXPECT_EQ(HelpDocument(session), data + "/VOLNTVK.html");
}

}  // namespace
}  // namespace tvk::test
