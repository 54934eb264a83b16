#pragma once
// Below the member-kind list while a partly sheathed wall is chosen: the sheathed heights
// (準耐力壁: one; 垂れ壁・腰壁: the two parts) and, for the board whose multiplier is entered,
// its m0, which every wall placed next takes; and the storey's H0 they are measured against.

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>

#include "editor/plan_editor.h"

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace tvk {

class QuasiBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit QuasiBox(QWidget* parent = nullptr);

  // The fields of the chosen wall group and board with the choice's values, and the
  // storey's H0 (not given: nullopt); hidden for a group of bearing walls.
  void showChoice(const std::string& groupKey, int board, const QuasiChoice& choice, std::optional<int> h0);

  QSpinBox* fullHeight() const { return full_; }
  QSpinBox* topHeight() const { return top_; }
  QSpinBox* bottomHeight() const { return bottom_; }
  QDoubleSpinBox* enteredM0() const { return m0_; }
  QLabel* clearHeight() const { return h0_; }

 signals:
  void choiceChanged(const QuasiChoice& choice);

 private:
  void edited();

  QSpinBox* full_;
  QSpinBox* top_;
  QSpinBox* bottom_;
  QDoubleSpinBox* m0_;
  QLabel* h0_;
  std::array<QWidget*, 4> rowCaptions_{};
  QuasiChoice choice_;
};

}  // namespace tvk
