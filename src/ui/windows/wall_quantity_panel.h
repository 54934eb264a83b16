#pragma once
// The wall-quantity read-out beside the eccentricity panel: for the storey being edited and
// each force direction the existing and the required wall length and their ratio, white
// when the walls suffice and red when they do not or cannot be judged ("----"), and the share
// of partly sheathed walls in the existing length; its tooltip gives the two requirements
// and the existing length's parts or names what the building profile lacks.

#include <QFrame>
#include <array>

#include "model/grid_types.h"
#include "ui/windows/readout_style.h"

class QLabel;

namespace tvk {

struct WallQuantityReadout;

class WallQuantityPanel : public QFrame {
  Q_OBJECT

 public:
  explicit WallQuantityPanel(QWidget* parent = nullptr);

  void showReadout(const WallQuantityReadout& readout);
  // No storey to show: every value empty.
  void clearValues();

  // Rows existing, required, ratio.
  QLabel* value(int row, Dir d) const { return values_[static_cast<size_t>(row)][d]; }
  // The partly sheathed walls' share of the existing length.
  QLabel* quasiShare(Dir d) const { return quasi_[d]; }

 private:
  ReadoutValues values_{};
  PerDir<QLabel*> quasi_{};
};

}  // namespace tvk
