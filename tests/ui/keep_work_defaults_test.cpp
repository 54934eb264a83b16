// Enter never gives up work: a question whose yes or OK drops unsaved changes, deletes
// members or overwrites a file has the answer that keeps the work as its default button.
#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "editor/canvas_geometry.h"
#include "editor/file_commands.h"
#include "editor/main_window_texts.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/dialogs/grid_size_dialog.h"
#include "ui/session_test_support.h"
#include "ui/windows/main_window.h"

namespace tvk::test {
namespace {

// Shows a real box, reads its default button and answers it with Return.
struct EnterAnswer {
  QString defaultButton;
  bool answer = false;
};

EnterAnswer PressEnterOn(MessageButtons buttons) {
  EnterAnswer seen;
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->text();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
  });
  seen.answer = ShowMessageBox(nullptr, "質問", buttons);
  return seen;
}

TEST(KeepWorkDefaults, EnterAnswersTheDefaultButtonOfEachKindOfBox) {
  EnsureApplication();
  const struct {
    MessageButtons buttons;
    const char* defaultButton;
    bool answer;
  } cases[] = {
      {MessageButtons::OkCancel, "OK", true},
      {MessageButtons::YesNo, "はい(&Y)", true},
      {MessageButtons::OkCancelDefaultCancel, "キャンセル", false},
      {MessageButtons::YesNoDefaultNo, "いいえ(&N)", false},
  };
  for (const auto& c : cases) {
    const EnterAnswer seen = PressEnterOn(c.buttons);
    EXPECT_EQ(seen.defaultButton.toStdString(), c.defaultButton);
    EXPECT_EQ(seen.answer, c.answer) << c.defaultButton;
  }
}

using KeepWorkQuestions = SessionFixture;

TEST_F(KeepWorkQuestions, FileQuestionsThatDropTheBuildingOrAFileDefaultToKeepingIt) {
  const std::string other = saveAs("other.TVK");
  const std::string file = saveAs("house.TVK");
  AddToRecentFiles(session.settings, file, "");
  const struct {
    const char* what;
    int modified;
    std::function<void()> command;
    bool keeping;
  } cases[] = {
      {"close while modified", 1, [&] { MayClose(session.document, prompts, false); }, true},
      {"new while modified", 1, [&] { MayReplaceForNew(session.document, prompts); }, true},
      {"open while modified", 1, [&] { OpenCommand(session, prompts); }, true},
      {"recent while modified", 1, [&] { OpenRecentCommand(session, prompts, 0, true); }, true},
      {"save as over a file", 0,
       [&] {
         prompts.files = {other};
         SaveAsCommand(session, prompts);
       },
       true},
      // Nothing is lost by these: the short close question and saving the building itself.
      {"close unmodified", 0, [&] { MayClose(session.document, prompts, false); }, false},
      {"overwrite save", 1, [&] { SaveCommand(session, prompts); }, false},
  };
  for (const auto& c : cases) {
    prompts.asked.clear();
    prompts.keepingByDefault.clear();
    prompts.answers = {false};
    if (c.modified != 0) {
      Touch(session.document);
    } else {
      ASSERT_TRUE(session.document.save().ok);
    }
    c.command();
    ASSERT_EQ(prompts.asked.size(), 1u) << c.what;
    EXPECT_EQ(prompts.keepingByDefault, c.keeping ? prompts.asked : std::vector<std::string>{}) << c.what;
  }
}

TEST_F(KeepWorkQuestions, ClearingHardwareAndGroupDeletionDefaultToKeeping) {
  MainWindow window(session, &prompts);
  for (QPushButton* b : window.findChildren<QPushButton*>()) {
    if (b->text() == "配置金物の初期化") b->click();
  }
  ASSERT_EQ(prompts.keepingByDefault, std::vector<std::string>{kClearHardwareQuestion});

  window.editor().pressDeleteToggle(DeleteToggle::GroupDelete, true);
  const Building& b = building();
  const CanvasGeometry geometry = CanvasGeometry::For(b);
  emit window.canvas()->pressed(MouseButton::Left, geometry.ToCanvas(0, 0));
  emit window.canvas()->pressed(MouseButton::Left, geometry.ToCanvas(2, 2));
  ASSERT_EQ(prompts.keepingByDefault.size(), 2u);
  EXPECT_NE(prompts.keepingByDefault[1].find("をグループ削除します。"), std::string::npos);
}

TEST_F(KeepWorkQuestions, ChangingTheGridSizeDefaultsToKeeping) {
  GridSizeDialog dialog(building(), prompts);
  dialog.gridsXBox()->setCurrentIndex(7);
  prompts.answers = {false};
  dialog.okButton()->click();
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.keepingByDefault, prompts.asked);
}

}  // namespace
}  // namespace tvk::test
