#pragma once
// The data selection dialog ("<データ選択>"): the recent projects with their building
// names, and the ways to a new building, another file, an empty history or the end.

#include <QDialog>
#include <QPoint>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tvk {

struct Session;
class UserPrompts;

// What the dialog decided (SelectionResult).
constexpr int kSelectNothing = 0;
constexpr int kSelectNew = -1;
constexpr int kSelectOther = -2;
constexpr int kSelectQuit = 99;
constexpr int kSelectionRows = 10;

class DataSelectDialog : public QDialog {
  Q_OBJECT

 public:
  // startup: shown by the program start ("終  了") rather than from the menu ("ｷｬﾝｾﾙ").
  DataSelectDialog(Session& session, UserPrompts& prompts, bool startup, QWidget* parent = nullptr);

  // A row 1 .. 10 = that recent entry; kSelectNew, kSelectOther, kSelectQuit, or kSelectNothing.
  int selectionResult() const { return result_; }

  QTableWidget* table() const { return table_; }
  QPushButton* selectButton() const { return select_; }
  QPushButton* otherButton() const { return other_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* clearButton() const { return clear_; }
  QPushButton* exitButton() const { return exit_; }

  // Chooses a row (1-based) as the double click and Enter do: an empty row does nothing;
  // a file that has gone is reported and the dialog stays.
  void chooseRow(int row);
  // "終  了" / "ｷｬﾝｾﾙ", also Esc.
  void reject() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makeTitle();
  QWidget* makeButtons();
  void fillList();
  void clearHistory();
  void finish(int result);

  Session& session_;
  UserPrompts& prompts_;
  bool startup_;
  int result_ = kSelectNothing;
  QLabel* title_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* select_ = nullptr;
  QPushButton* other_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* exit_ = nullptr;
  QPoint dragOffset_;
};

}  // namespace tvk
