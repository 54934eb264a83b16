#pragma once
// The plan options of the 2025 checks in the main window: "四分割法の側端部を表示" (the quarter
// strips) and "柱の負担面積を表示" (the columns' tributary areas), each a check box beside the
// canvas and a checkable entry of the 表示 menu, kept in step, switching the canvas's overlay.
// The widget holds the check boxes; the menu takes the entries from actions().

#include <QList>
#include <QWidget>
#include <array>

#include "ui/canvas/check_overlays.h"

class QAction;
class QCheckBox;

namespace tvk {

class PlanCanvas;

class CheckOverlayOptions : public QWidget {
  Q_OBJECT

 public:
  explicit CheckOverlayOptions(PlanCanvas& canvas, QWidget* parent = nullptr);

  // The 表示 menu's entries, in the order of the check boxes.
  QList<QAction*> actions() const;
  QAction* action(CheckOverlay which) const { return actions_[Index(which)]; }
  QCheckBox* checkBox(CheckOverlay which) const { return boxes_[Index(which)]; }

 private:
  static size_t Index(CheckOverlay which) { return static_cast<size_t>(which); }
  void setShown(CheckOverlay which, bool shown);

  PlanCanvas& canvas_;
  std::array<QAction*, 2> actions_{};
  std::array<QCheckBox*, 2> boxes_{};
};

}  // namespace tvk
