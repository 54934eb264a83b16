#pragma once
// A wall-multiplier box beside the canvas ("壁倍率の最大値", "面材調整壁倍率"): a text box
// that takes only digits, ".", "%", Backspace and the clipboard keys, with a spinner of
// 0.1 that never goes below 0.0. Every change reports the box's numeric value.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tvk {

class MultiplierBox : public QWidget {
  Q_OBJECT

 public:
  explicit MultiplierBox(QWidget* parent = nullptr);

  QString text() const;
  // Shows a value ("#0.0") without reporting it as a change.
  void showValue(float value);
  // The spinner: +1 up, -1 down.
  void spin(int step);
  QLineEdit* edit() const { return edit_; }

 signals:
  void valueEdited(float value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  bool showing_ = false;
};

}  // namespace tvk
