#pragma once
// The File commands, dialogs and main window under test: a session whose settings live in
// a temporary folder, and prompts that answer from a script and record what was asked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/commands.h"
#include "model/project_file.h"
#include "support/document_setup.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/windows/session.h"

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

class ScriptedPrompts final : public WindowPrompts {
 public:
  std::deque<bool> answers;                      // Yes/No and OK/Cancel, in order; true when run out
  std::deque<std::optional<std::string>> files;  // file dialogs, in order; cancelled when run out
  std::vector<std::string> asked;                // every question and message, in order
  std::vector<FileDialogSpec> dialogs;
  std::vector<std::string> keepingByDefault;  // questions whose default answer keeps the work
  std::vector<std::string> opened;            // documents handed to the desktop
  bool openWorks = true;
  int beeps = 0;

  bool askYesNo(const std::string& text) override { return answer(text); }
  bool askOkCancel(const std::string& text) override { return answer(text); }
  bool askYesNoDefaultNo(const std::string& text) override { return answerKeeping(text); }
  bool askOkCancelDefaultCancel(const std::string& text) override { return answerKeeping(text); }
  void tell(const std::string& text) override { asked.push_back(text); }
  std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override { return file(request); }
  std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override { return file(request); }
  void beep() override { ++beeps; }
  bool openDocument(const std::string& path) override {
    opened.push_back(path);
    return openWorks;
  }

 private:
  bool answerKeeping(const std::string& text) {
    keepingByDefault.push_back(text);
    return answer(text);
  }
  bool answer(const std::string& text) {
    asked.push_back(text);
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> file(const FileDialogSpec& request) {
    dialogs.push_back(request);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
  }
};

// A started session in a folder of its own (settings files and projects alike).
struct SessionFixture : ::testing::Test {
  QTemporaryDir dir;
  Session session;
  ScriptedPrompts prompts;

  void SetUp() override {
    EnsureApplication();
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(dir.isValid());
    session.settingsFolder = folder();
    session.programFolder = folder() + "/program";
    StartSession(session);
  }

  std::string folder() const { return dir.path().toStdString(); }
  std::string path(const std::string& name) const { return folder() + "/" + name; }

  // Writes the session's building as a project file under `name`, as a save would.
  std::string saveAs(const std::string& name) {
    EXPECT_TRUE(session.document.saveAs(path(name)).ok);
    return session.document.path();
  }
  const Building& building() const { return session.document.building(); }
  // A building of its own, never saved and not modified, changed as given.
  void startWith(const std::function<void(Building&)>& change) { StartFrom(session.document, change); }
  void startWithName(const std::string& name) {
    startWith([&](Building& b) { b.Info.BuildingName = name; });
  }
  // The outline dialog's change of the building name (an unsaved change).
  void rename(const std::string& name) {
    const BuildingInfo& info = building().Info;
    session.document.apply(OutlineCommand(
        {name, info.OfficeName, info.PersonName, info.HideOfficeOnCover != 0, info.HideDateOnCover != 0}));
  }
  // "新規作成" with the new-data dialog's choice.
  void createNew(const NewDataChoice& choice) {
    session.document.replace(CreateNewBuilding(building(), session.defaults, choice));
  }
  // A never-saved building with unsaved changes.
  void startModified() {
    startWith([](Building&) {});
    Touch(session.document);
  }
};

}  // namespace tvk::test
