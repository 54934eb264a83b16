#include "ui/windows/check_overlay_options.h"

#include <QAction>
#include <QCheckBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/canvas/plan_canvas.h"

namespace tvk {

namespace {

struct OptionTexts {
  const char* box;
  const char* menu;
  const char* tip;
};

// By CheckOverlay.
constexpr OptionTexts kTexts[] = {
    {"四分割法の側端部を表示", "四分割法の側端部を表示(&Q)",
     "編集中の階の側端部 (四分割法) を充足率とともに表示します。充足率が 1 以下の側端部は赤で示します。"},
    {"柱の負担面積を表示", "柱の負担面積を表示(&T)",
     "編集中の階の各柱が負担する床の範囲を色分けして表示します。負担可能面積を超える柱 (NG) は赤で示し、"
     "柱の上にポインタを置くと数値を表示します。"},
};

}  // namespace

CheckOverlayOptions::CheckOverlayOptions(PlanCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(3);
  for (const CheckOverlay which : kCheckOverlays) {
    const OptionTexts& texts = kTexts[Index(which)];
    auto* action = new QAction(QString::fromUtf8(texts.menu), this);
    action->setCheckable(true);
    action->setToolTip(QString::fromUtf8(texts.tip));
    auto* box = new QCheckBox(QString::fromUtf8(texts.box));
    box->setCursor(Qt::PointingHandCursor);
    box->setToolTip(QString::fromUtf8(texts.tip));
    actions_[Index(which)] = action;
    boxes_[Index(which)] = box;
    column->addWidget(box);
    connect(action, &QAction::toggled, this, [this, which](bool on) { setShown(which, on); });
    connect(box, &QCheckBox::toggled, this, [this, which](bool on) { setShown(which, on); });
  }
}

QList<QAction*> CheckOverlayOptions::actions() const { return {actions_.begin(), actions_.end()}; }

void CheckOverlayOptions::setShown(CheckOverlay which, bool shown) {
  {
    const QSignalBlocker quietAction(action(which));
    const QSignalBlocker quietBox(checkBox(which));
    action(which)->setChecked(shown);
    checkBox(which)->setChecked(shown);
  }
  canvas_.setOverlayShown(which, shown);
}

}  // namespace tvk
