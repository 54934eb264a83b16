#pragma once
// The File commands and the windows under test: a session whose settings live in a scratch
// folder, and prompts that answer from a script and record what was asked.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/commands.h"
#include "editor/session.h"
#include "editor/user_prompts.h"
#include "support/document_setup.h"
#include "support/scratch_dir.h"

namespace tvk::test {

// The questions and file dialogs of UserPrompts answered from a script; Prompts is
// UserPrompts or an interface built on it.
template <class Prompts>
class ScriptedAnswers : public Prompts {
 public:
  std::deque<bool> answers;                      // Yes/No and OK/Cancel, in order; true when run out
  std::deque<std::optional<std::string>> files;  // file dialogs, in order; cancelled when run out
  std::vector<std::string> asked;                // every question and message, in order
  std::vector<FileDialogSpec> dialogs;
  std::vector<std::string> keepingByDefault;  // questions whose default answer keeps the work
  bool unscriptedFails = false;               // a question beyond the script fails the test

  bool askYesNo(const std::string& text) override { return answer(text); }
  bool askOkCancel(const std::string& text) override { return answer(text); }
  bool askYesNoDefaultNo(const std::string& text) override { return answerKeeping(text); }
  bool askOkCancelDefaultCancel(const std::string& text) override { return answerKeeping(text); }
  void tell(const std::string& text) override { asked.push_back(text); }
  std::optional<std::string> chooseOpenFile(const FileDialogSpec& request) override { return file(request); }
  std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override { return file(request); }

 private:
  bool answerKeeping(const std::string& text) {
    keepingByDefault.push_back(text);
    return answer(text);
  }
  bool answer(const std::string& text) {
    asked.push_back(text);
    if (answers.empty()) {
      if (unscriptedFails) ADD_FAILURE() << "unexpected question: " << text;
      return !unscriptedFails;
    }
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

// A started session in a scratch folder of its own (settings files, projects and the home
// folder alike), with scripted prompts.
template <class Prompts>
struct SessionFixtureOf : ::testing::Test {
  ScratchDir dir;
  Session session;
  Prompts prompts;

  void SetUp() override {
    session.settingsFolder = folder();
    session.programFolder = path("program");
    session.homeFolder = path("home");
    StartSession(session);
  }

  std::string folder() const { return dir.path(); }
  std::string path(const std::string& name) const { return dir.file(name); }

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
  // A never-saved building with unsaved changes.
  void startModified() {
    startWith([](Building&) {});
    Touch(session.document);
  }
};

}  // namespace tvk::test
