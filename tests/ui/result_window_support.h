#pragma once
// Shared by the result window tests: the widget application, prompts that answer from a
// script and record what was asked, and the sample project.

#include <gtest/gtest.h>

#include <QApplication>
#include <deque>
#include <string>
#include <vector>

#include "model/building.h"
#include "model/project_file.h"
#include "ui/common/message_box.h"

namespace tvk::test {

inline void EnsureResultWindowApp() {
  static int argc = 1;
  static char program[] = "test_ui";
  static char* argv[] = {program, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

// Answers questions in order from `answers`; a question beyond the script fails the test.
class ScriptedWindowPrompts : public WindowPrompts {
 public:
  std::deque<bool> answers;
  std::vector<std::string> asked;  // every question and message, in order
  std::vector<FileDialogSpec> saveDialogs;
  std::optional<std::string> savePath;  // the save dialog's answer
  std::vector<std::string> opened;
  bool openWorks = true;
  int beeps = 0;

  std::vector<std::string> keepingByDefault;  // questions whose default answer keeps the work

  bool askYesNo(const std::string& text) override { return answer(text); }
  bool askOkCancel(const std::string& text) override { return answer(text); }
  bool askYesNoDefaultNo(const std::string& text) override { return answerKeeping(text); }
  bool askOkCancelDefaultCancel(const std::string& text) override { return answerKeeping(text); }
  void tell(const std::string& text) override { asked.push_back(text); }
  std::optional<std::string> chooseOpenFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> chooseSaveFile(const FileDialogSpec& request) override {
    saveDialogs.push_back(request);
    return savePath;
  }
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
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return false;
    }
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
};

inline Building LoadSampleHouse() {
  Building b;
  const FileResult loaded = LoadProject(b, std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK");
  EXPECT_TRUE(loaded.ok) << loaded.message;
  return b;
}

}  // namespace tvk::test
