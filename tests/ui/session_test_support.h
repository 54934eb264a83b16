#pragma once
// The File commands, dialogs and main window under test: the session fixture of
// support/session_setup.h with the widget application and prompts that also take the
// windows' beeps and documents handed to the desktop.

#include <QApplication>
#include <QStandardPaths>
#include <string>
#include <vector>

#include "support/session_setup.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/new_data_dialog.h"

namespace tvk::test {

// The widget application of the test program. It is never destroyed: a QApplication
// destroyed by the exit handlers takes input devices with it after the platform has gone,
// which crashes a test program that sent key events.
inline void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

class ScriptedPrompts final : public ScriptedAnswers<WindowPrompts> {
 public:
  std::vector<std::string> opened;  // documents handed to the desktop
  bool openWorks = true;
  int beeps = 0;

  void beep() override { ++beeps; }
  bool openDocument(const std::string& path) override {
    opened.push_back(path);
    return openWorks;
  }
};

struct SessionFixture : SessionFixtureOf<ScriptedPrompts> {
  void SetUp() override {
    EnsureApplication();
    QStandardPaths::setTestModeEnabled(true);
    SessionFixtureOf::SetUp();
  }

  // "新規作成" with the new-data dialog's choice.
  void createNew(const NewDataChoice& choice) {
    session.document.replace(CreateNewBuilding(building(), session.defaults, choice));
  }
};

}  // namespace tvk::test
