// The 2025 checks in the main window: the wall-quantity read-out beside the eccentricity
// panel follows every edit, the storey and the profile; the plan options of the quarter
// strips and the tributary areas are a check box and a 表示 menu entry kept in step.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "editor/wall_quantity_readout.h"
#include "model/line_names.h"
#include "support/profile_samples.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/session_test_support.h"
#include "ui/windows/check_overlay_options.h"
#include "ui/windows/main_window.h"
#include "ui/windows/side_panel.h"
#include "ui/windows/wall_quantity_panel.h"

namespace tvk::test {
namespace {

// Two storeys of 8 x 4 grids with floors everywhere; Lw entered (30 and 20 cm/m²) on the
// published profile.
class LiveChecksWindow : public SessionFixture {
 protected:
  void SetUp() override {
    SessionFixture::SetUp();
    startWith([](Building& b) {
      PlanBuilder plan(2, 16, 8);
      plan.Floor(1, 1, 1, 16, 8).Floor(2, 1, 1, 16, 8);
      GenerateLineNames(plan.b);
      b = plan.b;
    });
    window = std::make_unique<MainWindow>(session, &prompts);
  }
  void EnterProfile() {
    BuildingProfile p = PublishedProfile();
    p.lw1 = 30;
    p.lw2 = 20;
    session.document.apply(ProfileCommand(p));
  }
  QPushButton* Button(const QString& text) const {
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
      if (b->text() == text) return b;
    }
    return nullptr;
  }
  QLabel* Value(int row, Dir d) const { return window->sidePanel()->wallQuantityPanel()->value(row, d); }
  // What the panel shows, as the read-out model has it for the storey.
  void ExpectShows(int storey) const {
    const WallQuantityReadout expected = FormatWallQuantity(session.document.liveChecks(storey)->wallQuantity);
    for (const Dir d : kDirs) {
      EXPECT_EQ(Value(0, d)->text().toStdString(), expected.dir[d].existing);
      EXPECT_EQ(Value(1, d)->text().toStdString(), expected.dir[d].required);
      EXPECT_EQ(Value(2, d)->text().toStdString(), expected.dir[d].ratio);
    }
    EXPECT_EQ(window->sidePanel()->wallQuantityPanel()->toolTip().toStdString(), expected.tooltip);
  }
  void PlaceSheathingAlongX(int j) {
    EditRequest wall;
    wall.category = Category::Wall;
    wall.rect = GridRect{1, j, 17, j};
    wall.groupKey = kKeyMenzai;
    wall.multiplier = 2.5f;
    wall.layers = LayerSet::Sheathing;
    wall.slope = 4;
    session.document.apply(PlanEditCommand(wall));
  }
  bool Red(const QLabel* label) const { return label->styleSheet().contains("color: red;"); }

  std::unique_ptr<MainWindow> window;
};

TEST_F(LiveChecksWindow, WithoutAProfileTheRequirementIsUnknownAndTheTooltipSaysWhy) {
  ExpectShows(1);
  EXPECT_EQ(Value(0, Dir::X)->text(), "0.0");
  EXPECT_EQ(Value(1, Dir::X)->text(), "----");
  EXPECT_EQ(Value(2, Dir::Y)->text(), "----");
  EXPECT_TRUE(Red(Value(2, Dir::Y)));
  const QString tip = window->sidePanel()->wallQuantityPanel()->toolTip();
  EXPECT_TRUE(tip.startsWith("次の項目がないため必要壁量を算定できません：\n・１階の階高")) << tip.toStdString();
}

TEST_F(LiveChecksWindow, FollowsTheProfileEveryEditAndTheStorey) {
  EnterProfile();
  ExpectShows(1);
  EXPECT_EQ(Value(0, Dir::X)->text(), "0.0");
  EXPECT_NE(Value(1, Dir::X)->text(), "----");
  EXPECT_TRUE(Red(Value(2, Dir::X)));
  PlaceSheathingAlongX(1);
  PlaceSheathingAlongX(9);
  ExpectShows(1);
  EXPECT_EQ(Value(0, Dir::X)->text(), "3640.0");  // 2 x 7.28 m x 2.5
  EXPECT_FALSE(Red(Value(2, Dir::X))) << Value(2, Dir::X)->text().toStdString();
  EXPECT_TRUE(Red(Value(2, Dir::Y)));
  Button("耐力壁")->click();
  Button("２階 耐力壁")->click();
  ExpectShows(2);
  EXPECT_EQ(Value(0, Dir::X)->text(), "0.0");
  session.document.undo();
  Button("１階 耐力壁")->click();
  ExpectShows(1);
  EXPECT_EQ(Value(0, Dir::X)->text(), "1820.0");
}

TEST_F(LiveChecksWindow, TheMenuEntryAndTheCheckBoxOfEachOverlayGoTogether) {
  CheckOverlayOptions& options = *window->sidePanel()->overlayOptions();
  QMenu* view = nullptr;
  for (QAction* menu : window->menuBar()->actions()) {
    if (menu->text() == "表示(&V)") view = menu->menu();
  }
  ASSERT_NE(view, nullptr);
  const struct {
    CheckOverlay which;
    const char* box;
    const char* menu;
  } cases[] = {{CheckOverlay::Quarters, "四分割法の側端部を表示", "四分割法の側端部を表示(&Q)"},
               {CheckOverlay::Tributaries, "柱の負担面積を表示", "柱の負担面積を表示(&T)"}};
  for (const auto& c : cases) {
    QAction* action = options.action(c.which);
    QCheckBox* box = options.checkBox(c.which);
    EXPECT_EQ(box->text(), c.box);
    EXPECT_EQ(action->text(), c.menu);
    EXPECT_TRUE(view->actions().contains(action)) << c.menu;
    EXPECT_TRUE(window->isAncestorOf(box)) << c.box;
    EXPECT_FALSE(window->canvas()->overlays().Shown(c.which));
    box->click();
    EXPECT_TRUE(action->isChecked()) << c.box;
    EXPECT_TRUE(window->canvas()->overlays().Shown(c.which));
    action->trigger();
    EXPECT_FALSE(box->isChecked()) << c.menu;
    EXPECT_FALSE(window->canvas()->overlays().Shown(c.which));
    action->trigger();
    EXPECT_TRUE(box->isChecked()) << c.menu;
  }
  // Each switches its own overlay.
  options.checkBox(CheckOverlay::Quarters)->click();
  EXPECT_FALSE(window->canvas()->overlays().Shown(CheckOverlay::Quarters));
  EXPECT_TRUE(window->canvas()->overlays().Shown(CheckOverlay::Tributaries));
}

}  // namespace
}  // namespace tvk::test
