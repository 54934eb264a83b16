#pragma once
// The progress window shown while the report is composed: "ただいま計算書作成中です..." and a
// bar advanced by one per composed chapter. Its close box asks whether to stop and records
// the answer; composition still runs to its end.

#include <QDialog>

#include "ui/common/message_box.h"

class QProgressBar;

namespace tvk {

inline constexpr const char* kProgressText = "ただいま計算書作成中です...";
inline constexpr const char* kStopComposingQuestion = "計算書作成処理を中止します。";

class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  // steps: the end of the bar. prompts: nullptr asks with message boxes.
  ProgressDialog(int steps, QWidget* parent, WindowPrompts* prompts = nullptr);

  // Shows the bar at done steps and lets the window paint.
  void advance(int done);
  int value() const;
  // The user asked to stop and confirmed it.
  bool cancelled() const { return cancelled_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  PromptsRef prompts_;
  QProgressBar* bar_;
  bool cancelled_ = false;
};

}  // namespace tvk
