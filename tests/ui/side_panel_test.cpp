// The side panel as a view of the document: its eccentricity read-out follows the storey
// shown, and another building moves the editor off a storey that is gone and tells the
// window.
#include <QLabel>
#include <QPushButton>

#include "editor/click_prompt.h"
#include "engine/eccentricity.h"
#include "ui/session_test_support.h"
#include "ui/windows/eccentricity_panel.h"
#include "ui/windows/main_window.h"
#include "ui/windows/side_panel.h"

namespace tvk::test {
namespace {

class SidePanelTest : public SessionFixture {
 protected:
  static QPushButton* Button(const MainWindow& window, const QString& text) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
      if (b->text() == text) return b;
    }
    return nullptr;
  }
  // Centre of gravity and ratio along X as the panel shows them, and as the storey's
  // balance reads.
  static std::pair<std::string, std::string> Shown(const MainWindow& window) {
    const EccentricityPanel* panel = window.sidePanel()->eccentricityPanel();
    return {panel->value(0, Dir::X)->text().toStdString(), panel->value(2, Dir::X)->text().toStdString()};
  }
  std::pair<std::string, std::string> Balance(int storey) const {
    const EccentricityText text = FormatEccentricity(session.document.balance(storey), Dir::X);
    return {text.gravity, text.ratio};
  }
  // A floor and walls on storey 1, as an edit of one area.
  void EditStoreyOne() {
    session.document.apply(Command{DocumentChange::Area(1, {1, 1, 9, 9}), {}, false, [](Building& b) {
                                     PlanWriter(b).Floor(1, 1, 1, 8, 8).Sheathing(1, Dir::X, 1, 1, 8, 5);
                                   }});
  }
};

TEST_F(SidePanelTest, TheEccentricityReadOutFollowsTheStoreyShown) {
  MainWindow window(session, &prompts);
  EXPECT_EQ(Shown(window), (std::pair<std::string, std::string>{"m", " "}));
  EditStoreyOne();
  ASSERT_NE(Balance(1), Balance(2));
  EXPECT_EQ(Shown(window), Balance(1));
  Button(window, "２階 床")->click();
  EXPECT_EQ(Shown(window), Balance(2));
  Button(window, "１階 床")->click();
  EXPECT_EQ(Shown(window), Balance(1));
}

TEST_F(SidePanelTest, AOneStoreyBuildingTakesTheEditorToStoreyOneAndTellsTheWindow) {
  MainWindow window(session, &prompts);
  Button(window, "２階 床")->click();
  ASSERT_EQ(window.editor().state().Storey, 2);
  int told = 0;
  QObject::connect(window.sidePanel(), &SidePanel::editorStateChanged, [&told] { ++told; });
  NewDataChoice choice;
  choice.storeyOption = 0;
  createNew(choice);
  EXPECT_EQ(window.editor().state().Storey, 1);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(window.promptText().toStdString(), NextClickPrompt(building(), window.editor().state()));
  EXPECT_EQ(Shown(window), Balance(1));
}

}  // namespace
}  // namespace tvk::test
