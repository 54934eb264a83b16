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
#include "support/session_setup.h"
#include "ui/common/message_box.h"

namespace tvk::test {

inline void EnsureResultWindowApp() {
  static int argc = 1;
  static char program[] = "test_ui";
  static char* argv[] = {program, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

// Answers questions in order from `answers`; a question beyond the script fails the test.
// The save dialog answers savePath every time; the open dialog is cancelled.
class ScriptedWindowPrompts : public ScriptedAnswers<WindowPrompts> {
 public:
  ScriptedWindowPrompts() { unscriptedFails = true; }

  std::vector<FileDialogSpec> saveDialogs;
  std::optional<std::string> savePath;  // the save dialog's answer
  std::vector<std::string> opened;
  bool openWorks = true;
  int beeps = 0;

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
};

inline Building LoadSampleHouse() {
  Building b;
  const FileResult loaded = LoadProject(b, std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK");
  EXPECT_TRUE(loaded.ok) << loaded.message;
  return b;
}

}  // namespace tvk::test
