// Partly sheathed walls on the plan canvas: a hatched band beside the grid line with its
// multiplier, orange where the wall counts and grey where the placement rules leave it out,
// following every edit and profile change; never drawn into the plan image; and the box
// below the member-kind list that sets what the next wall is placed with.

#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>

#include "canvas_test_support.h"
#include "editor/commands.h"
#include "model/profile_store.h"
#include "ui/windows/quasi_box.h"

namespace tvk::test {
namespace {

// Storey 1 of 8 x 6 segments of 0.455 m, H0 2730: a 準耐力壁 of 910 mm on the lower X line
// (counts) and one of 455 mm on the upper line (too narrow).
class QuasiCanvas : public CanvasTest {
 protected:
  QuasiCanvas() {
    plan.Quasi(1, Dir::X, 1, 1, 2, QuasiKind::Full, 1, 2400).Quasi(1, Dir::X, 5, 7, 1, QuasiKind::Full, 1, 2400);
    BuildingProfile p;
    p.clearHeight[0] = 2730;
    EXPECT_FALSE(WriteProfile(plan.b, p));
    state.InputCategory = Category::Wall;
    Canvas().setHideCentres(true);
    Redrawn();
  }
  const QuasiOverlay::Shown& Wall(size_t k) { return Canvas().quasiWalls().Walls().at(k); }
  // Pixels of the band of a wall, as the user sees the canvas.
  QRect BandPixels(const QuasiOverlay::Shown& s) { return QRect(Px(s.low), Px(s.high)).normalized(); }
};

TEST_F(QuasiCanvas, CountedOrangeLeftOutGreyOverThePlan) {
  ASSERT_EQ(Canvas().quasiWalls().Walls().size(), 2u);
  EXPECT_EQ(Wall(0).colour, QuasiCountedColour());
  EXPECT_EQ(Wall(0).label, "0.47");
  EXPECT_EQ(Wall(1).colour, QuasiLeftOutColour());
  const QImage view = Canvas().viewImage();
  EXPECT_GT(CountColour(view, BandPixels(Wall(0)), QuasiCountedColour()), 5);
  EXPECT_GT(CountColour(view, BandPixels(Wall(1)), QuasiLeftOutColour()), 2);
  EXPECT_EQ(CountColour(Canvas().planImage(), BandPixels(Wall(0)), QuasiCountedColour()), 0)
      << "the walls are not drawn into the plan";
  // Beside the line, on the side away from the braces: below an X line.
  EXPECT_LT(Wall(0).high.y(), Cm(1, 1).y());
  const QString tip = Canvas().toolTipAt(
      Canvas().toViewport(CanvasGeometry::For(plan.b).ToCanvas(4.25 * plan.b.SubPitch(), 6 * plan.b.SubPitch())));
  EXPECT_TRUE(tip.contains("算入しない：準耐力壁の幅が 900mm 未満です")) << tip.toStdString();
}

TEST_F(QuasiCanvas, FollowEveryEditAndTheProfile) {
  // A column in the middle would be refused; a bearing wall elsewhere changes nothing, and a
  // clear height taken away leaves both out.
  BuildingProfile none;
  doc.apply(ProfileCommand(none));
  EXPECT_EQ(Wall(0).colour, QuasiLeftOutColour());
  EXPECT_EQ(Wall(0).label, "m0 0.9");
  BuildingProfile p;
  p.clearHeight[0] = 2730;
  doc.apply(ProfileCommand(p));
  EXPECT_EQ(Wall(0).colour, QuasiCountedColour());
  EditRequest remove;
  remove.category = Category::Wall;
  remove.editMode = EditMode::Delete;
  remove.rect = GridRect{1, 1, 3, 1};
  remove.layers = LayerSet::Quasi;
  doc.apply(PlanEditCommand(remove));
  ASSERT_EQ(Canvas().quasiWalls().Walls().size(), 1u);
  doc.undo();
  EXPECT_EQ(Canvas().quasiWalls().Walls().size(), 2u);
  // Another category greys them like the other walls.
  state.InputCategory = Category::Column;
  Canvas().fullRedraw();
  EXPECT_EQ(Wall(0).colour, GreyA());
}

TEST(QuasiBoxTest, ShowsTheFieldsOfTheChosenKind) {
  EnsureWidgetApp();
  QuasiBox box;
  box.showChoice(kKeyKesa, 1, QuasiChoice{}, 2730);
  EXPECT_TRUE(box.isHidden());
  box.showChoice(kKeyTarekoshi, 1, QuasiChoice{2400, 450, 800, 1.0f}, std::nullopt);
  EXPECT_FALSE(box.isHidden());
  EXPECT_TRUE(box.fullHeight()->isHidden());
  EXPECT_FALSE(box.topHeight()->isHidden());
  EXPECT_TRUE(box.enteredM0()->isHidden());
  EXPECT_EQ(box.bottomHeight()->value(), 800);
  EXPECT_TRUE(box.clearHeight()->text().contains("未入力"));
  box.showChoice(kKeyJuntai, kEnteredBoard, QuasiChoice{2400, 450, 800, 1.3f}, 2730);
  EXPECT_FALSE(box.enteredM0()->isHidden());
  EXPECT_EQ(box.clearHeight()->text(), "内法寸法 H0 2730 mm");
  std::optional<QuasiChoice> chosen;
  QObject::connect(&box, &QuasiBox::choiceChanged, [&](const QuasiChoice& c) { chosen = c; });
  box.fullHeight()->setValue(2200);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, (QuasiChoice{2200, 450, 800, 1.3f}));
  box.enteredM0()->setValue(2.0);
  EXPECT_FLOAT_EQ(chosen->enteredM0, 2.0f);
}

}  // namespace
}  // namespace tvk::test
