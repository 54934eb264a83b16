// Editing in the main window as a designer meets it: unsaved changes in the title and the
// close question, the member-kind list, the position read-out, the status bar prompt, the
// tooltips over members, the menu shortcuts and help.
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>

#include "editor/main_window_texts.h"
#include "model/grid_point.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/common/elided_label.h"
#include "ui/dialogs/multiplier_box.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/session_test_support.h"
#include "ui/windows/help_document.h"
#include "ui/windows/kind_tree.h"
#include "ui/windows/main_window.h"
#include "ui/windows/side_panel.h"

namespace tvk::test {
namespace {

class MainWindowEditing : public SessionFixture {
 protected:
  QPushButton* Button(const MainWindow& window, const QString& text) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
      if (b->text() == text) return b;
    }
    return nullptr;
  }
  CanvasPos At(int i, int j) const {
    const Building& b = building();
    return CanvasGeometry::For(b).ToCanvas(b.Coord(i, j, 1).x, b.Coord(i, j, 1).y);
  }
  void Press(MainWindow& window, int i, int j) { emit window.canvas()->pressed(MouseButton::Left, At(i, j)); }
  std::string Title(const MainWindow& window) const { return window.windowTitle().toStdString(); }
};

TEST_F(MainWindowEditing, AnUndoAfterASaveIsAnUnsavedChange) {
  MainWindow window(session, &prompts);
  Button(window, "柱")->click();
  Press(window, 3, 3);
  const std::string file = path("house.TVK");
  prompts.files = {file};
  ASSERT_EQ(window.save(), FileOutcome::Done);
  window.toolbarAction("Undo")->trigger();
  EXPECT_EQ(building().Point(3, 3, 1).Column.ColKind, ColumnKind::None);
  prompts.answers = {false};
  window.close();
  EXPECT_EQ(prompts.asked.back(), "データは変更されています。\n\n(" + file + ")\n\nこのまま保存せず、終了しますか？");
  EXPECT_EQ(prompts.keepingByDefault.back(), prompts.asked.back());
}

TEST_F(MainWindowEditing, TheTitleCarriesAStarWhileThereAreUnsavedChanges) {
  MainWindow window(session, &prompts);
  const std::string saved = "VOLN-TVK /軸組Ｎ値算定   house.TVK";
  prompts.files = {path("house.TVK")};
  ASSERT_EQ(window.save(), FileOutcome::Done);
  EXPECT_EQ(Title(window), saved);
  Button(window, "柱")->click();
  Press(window, 3, 3);
  EXPECT_EQ(Title(window), saved + "*");
  ASSERT_EQ(window.save(), FileOutcome::Done);
  EXPECT_EQ(Title(window), saved);
  window.toolbarAction("Undo")->trigger();
  EXPECT_EQ(Title(window), saved + "*");
  ASSERT_EQ(window.save(), FileOutcome::Done);
  window.findChildren<MultiplierBox*>().front()->edit()->setText("3.5");
  EXPECT_EQ(Title(window), saved + "*");
  ASSERT_EQ(window.save(), FileOutcome::Done);
  Button(window, "配置金物の初期化")->click();
  EXPECT_EQ(Title(window), saved + "*");
}

TEST_F(MainWindowEditing, AGroupHeadingKeepsTheHighlightedKindActive) {
  MainWindow window(session, &prompts);
  window.resize(1400, 900);
  window.show();
  Button(window, "耐力壁")->click();
  KindTree* tree = window.sidePanel()->kindTree();
  tree->setCurrentItem(tree->itemOfKey("Tasuki3"));
  ASSERT_EQ(window.editor().state().Selection[Category::Wall].key, "Tasuki3");
  QApplication::processEvents();
  const QPoint heading = tree->visualItemRect(tree->itemOfKey("Menzai")).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, heading, tree->viewport()->mapToGlobal(heading), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &click);
  }
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(tree->highlightedKey(), "Tasuki3");
  EXPECT_EQ(window.editor().state().Selection[Category::Wall].key, "Tasuki3");
  // The arrow keys pass over the headings.
  tree->setCurrentItem(tree->itemOfKey("Kesa4"));
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(tree, &down);
  EXPECT_EQ(tree->highlightedKey(), "Tasuki1");
  EXPECT_EQ(window.editor().state().Selection[Category::Wall].key, "Tasuki1");
}

TEST_F(MainWindowEditing, ThePositionReadOutIsClearedWhenTheGridChanges) {
  NewDataChoice small;
  small.gridsX = small.gridsY = 5;
  small.subdivisionOption = 0;
  createNew(small);
  const std::string file = saveAs("small.TVK");
  createNew(NewDataChoice{});
  MainWindow window(session, &prompts);
  const auto* x = window.findChild<QLabel*>("PositionX");
  ASSERT_NE(x, nullptr);
  emit window.canvas()->moved(At(20, 20));
  ASSERT_FALSE(x->text().isEmpty());
  prompts.files = {file};
  ASSERT_EQ(window.openFile(), FileOutcome::Done);
  EXPECT_EQ(x->text(), "");
  EXPECT_EQ(window.findChild<QLabel*>("PositionY")->text(), "");
}

TEST_F(MainWindowEditing, AOneStoreyBuildingOffersNoUpperStoreyWalls) {
  NewDataChoice choice;
  choice.storeyOption = 0;
  createNew(choice);
  MainWindow window(session, &prompts);
  for (const char* category : {"柱", "梁"}) {
    Button(window, category)->click();
    EXPECT_FALSE(Button(window, "上階耐力壁表示")->isEnabled()) << category;
  }
}

TEST_F(MainWindowEditing, TheStatusBarSaysWhatTheNextClickDoes) {
  MainWindow window(session, &prompts);
  EXPECT_EQ(window.promptText().toStdString(), "「床」の始点をクリックしてください。");
  Press(window, 2, 2);
  EXPECT_EQ(window.promptText().toStdString(),
            "「床」の終点をクリックしてください。右クリックで削除、Escで取消しです。");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&window, &escape);
  EXPECT_EQ(window.promptText().toStdString(), "「床」の始点をクリックしてください。");
  Button(window, "グループ削除")->click();
  EXPECT_EQ(window.promptText().toStdString(), "「床」をグループ削除する範囲の一方の角をクリックしてください。");
}

TEST_F(MainWindowEditing, InANarrowWindowThePromptEndsInAnEllipsisNotACutCharacter) {
  MainWindow window(session, &prompts);
  window.resize(700, 700);
  window.show();
  QApplication::processEvents();
  const auto* prompt = window.findChild<ElidedLabel*>("StatusPrompt");
  ASSERT_NE(prompt, nullptr);
  EXPECT_TRUE(prompt->shownText().endsWith(QChar(0x2026))) << prompt->shownText().toStdString();
  EXPECT_EQ(prompt->toolTip(), window.promptText());
  window.resize(1600, 700);
  QApplication::processEvents();
  EXPECT_EQ(prompt->shownText(), window.promptText());
}

TEST_F(MainWindowEditing, AMemberNamesItselfInATooltip) {
  MainWindow window(session, &prompts);
  window.resize(1400, 900);
  window.show();
  QApplication::processEvents();
  Button(window, "耐力壁")->click();
  window.sidePanel()->kindTree()->setCurrentItem(window.sidePanel()->kindTree()->itemOfKey("Kesa2"));
  Press(window, 1, 3);
  Press(window, 5, 3);
  const PlanCanvas* canvas = window.canvas();
  const QString tip = canvas->toolTipAt(canvas->toViewport(At(2, 3)));
  EXPECT_EQ(tip.toStdString(), "筋かい(けさ掛け) 30×90 倍率 1.5  Y2通り X1 - X3");  // two divisions
  EXPECT_EQ(canvas->toolTipAt(canvas->toViewport(At(2, 5))), "");
}

TEST_F(MainWindowEditing, TheZoomListFollowsCtrlWheel) {
  MainWindow window(session, &prompts);
  window.resize(1400, 900);
  window.show();
  QApplication::processEvents();
  auto* zoom = window.findChild<QComboBox*>();
  QWidget* port = window.canvas()->viewport();
  const QPointF at(200, 200);
  QWheelEvent wheel(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(port, &wheel);
  EXPECT_EQ(window.canvas()->zoom(), 1.2);
  EXPECT_EQ(zoom->currentText(), "120(%)");
  zoom->setCurrentIndex(3);
  EXPECT_EQ(window.canvas()->zoom(), 2.0);
}

TEST_F(MainWindowEditing, MenuShortcutsRunTheirCommands) {
  MainWindow window(session, &prompts);
  QAction* undo = window.toolbarAction("Undo");
  EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  Button(window, "柱")->click();
  Press(window, 4, 4);
  ASSERT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(building().Point(4, 4, 1).Column.ColKind, ColumnKind::None);
}

TEST_F(MainWindowEditing, HelpWithoutAViewerNamesTheWrittenDocument) {
  MainWindow window(session, &prompts);
  prompts.openWorks = false;
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->shortcut() == QKeySequence(Qt::Key_F1)) action->trigger();
  }
  const std::string written = HelpDocument(session);
  ASSERT_EQ(prompts.opened, std::vector<std::string>{written});
  EXPECT_EQ(prompts.asked.back(), NoHelpViewerMessage(written));
}

}  // namespace
}  // namespace tvk::test
