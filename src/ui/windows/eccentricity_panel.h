#pragma once
// The eccentricity panel beside the canvas: centre of gravity, centre of rigidity and
// eccentricity ratio of the storey being edited, for loading along X and along Y, and
// the "ﾍﾙﾌﾟ" button that explains the colours and marks.

#include <array>

#include <QFrame>

#include "model/grid_types.h"
#include "ui/windows/readout_style.h"

class QLabel;
class QPushButton;

namespace tvk {

struct StoreyBalance;

class EccentricityPanel : public QFrame {
  Q_OBJECT

 public:
  explicit EccentricityPanel(QWidget* parent = nullptr);

  // The values of a storey (FormatEccentricity for both directions).
  void showBalance(const StoreyBalance& balance);
  // Empty values: the centres read "m", the ratios a single space.
  void clearValues();

  // Rows gravity, rigidity, ratio.
  QLabel* value(int row, Dir d) const { return values_[static_cast<size_t>(row)][d]; }
  QPushButton* helpButton() const { return help_; }

 signals:
  void helpRequested();

 private:
  ReadoutValues values_{};
  QPushButton* help_ = nullptr;
};

}  // namespace tvk
