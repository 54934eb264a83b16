#pragma once
// The grid size dialog ("データ入力グリッドサイズの変更"): grid counts along X and Y and the
// grid length of the open building. Confirmed only when something changed and the user
// agreed; the window then resizes the grid.

#include <QDialog>

#include "model/grid_resize.h"

class QComboBox;
class QPushButton;

namespace tvk {

class Building;
class UserPrompts;

class GridSizeDialog : public QDialog {
  Q_OBJECT

 public:
  GridSizeDialog(const Building& building, UserPrompts& prompts, QWidget* parent = nullptr);

  GridSizeChoice choice() const;
  QComboBox* gridsXBox() const { return gridsX_; }
  QComboBox* gridsYBox() const { return gridsY_; }
  QComboBox* lengthBox() const { return length_; }
  QPushButton* okButton() const { return ok_; }

  // OK: unchanged values close as cancelled; otherwise the question, whose Cancel
  // returns to the dialog.
  void accept() override;

 private:
  const Building& b_;
  UserPrompts& prompts_;
  QComboBox* gridsX_ = nullptr;
  QComboBox* gridsY_ = nullptr;
  QComboBox* length_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace tvk
