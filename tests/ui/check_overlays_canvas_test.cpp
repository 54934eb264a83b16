// The overlays of the 2025 checks on the plan canvas: painted over the plan image, never
// into it, where the checks put them and in the colours of their judgement, following every
// edit and profile change; the tributary tooltip over a column.

#include "canvas_test_support.h"
#include "editor/commands.h"
#include "engine/tributary_regions.h"
#include "model/profile_store.h"
#include "report/figures/tributary_plan.h"
#include "support/profile_samples.h"

namespace tvk::test {
namespace {

// A translucent colour over a pixel, as the painter composes it.
QColor Over(const QColor& fill, const QColor& under) {
  const double a = fill.alphaF();
  auto mix = [a](int top, int bottom) { return int(std::lround(top * a + bottom * (1 - a))); };
  return QColor(mix(fill.red(), under.red()), mix(fill.green(), under.green()), mix(fill.blue(), under.blue()));
}

bool Near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 && std::abs(a.blue() - b.blue()) <= 2;
}

std::string Text(const QColor& c) {
  return "(" + std::to_string(c.red()) + ", " + std::to_string(c.green()) + ", " + std::to_string(c.blue()) + ")";
}

BuildingProfile EnteredLw() {
  BuildingProfile p = PublishedProfile();
  p.lw1 = 30;
  p.lw2 = 20;
  return p;
}

// Storey 1 of 8 x 6 cells (3.64 x 2.73 m) with floors everywhere. X strips: y 0 - 0.6825 and
// 2.0475 - 2.73; Y strips: x 0 - 0.91 and 2.73 - 3.64. Walls on the lower X line and the
// left Y line only: those strips are met, the opposite ones short.
class CheckOverlaysCanvas : public CanvasTest {
 protected:
  CheckOverlaysCanvas() {
    plan.Floor(1, 1, 1, 8, 6).Sheathing(1, Dir::X, 1, 1, 8, 5).Sheathing(1, Dir::Y, 1, 1, 6, 5);
    EXPECT_FALSE(WriteProfile(plan.b, EnteredLw()));
    Canvas().setHideCentres(true);
  }
  // The pixel of a plan point (metres).
  QPoint At(double x, double y) { return Px(PlanToPage(x, y, PlanScale(plan.b))); }
  void ExpectPixel(QPointF plan, const QColor& expected, const std::string& what) {
    const QPoint p = At(plan.x(), plan.y());
    const QColor shown = Canvas().viewImage().pixelColor(p);
    EXPECT_TRUE(Near(shown, expected)) << what << ": shown " << Text(shown) << ", expected " << Text(expected);
  }
  void ExpectBand(QPointF plan, Dir d, ReadoutState state, const std::string& what) {
    const QColor under = Canvas().planImage().pixelColor(At(plan.x(), plan.y()));
    ExpectPixel(plan, Over(QuarterLook(d, state).fill, under), what);
  }
  void ExpectPlanAlone(QPointF plan, const std::string& what) {
    ExpectPixel(plan, Canvas().planImage().pixelColor(At(plan.x(), plan.y())), what);
  }
};

// What the colours say: translucent over the plan, red where short, the two directions
// told apart, grey where nothing can be judged; the label red and bold where short.
TEST(CheckOverlayLooks, TellTheJudgementAndTheDirection) {
  enum class Hue { Red, Yellow, Cyan, Grey, Other };
  const struct {
    Dir d;
    ReadoutState state;
    Hue hue;
  } cases[] = {
      {Dir::X, ReadoutState::Met, Hue::Yellow},   {Dir::Y, ReadoutState::Met, Hue::Cyan},
      {Dir::X, ReadoutState::Short, Hue::Red},    {Dir::Y, ReadoutState::Short, Hue::Red},
      {Dir::X, ReadoutState::Unknown, Hue::Grey}, {Dir::Y, ReadoutState::Unknown, Hue::Grey},
  };
  auto hueOf = [](const QColor& c) {
    if (c.red() > 200 && c.green() < 120 && c.blue() < 120) return Hue::Red;
    if (c.red() > 200 && c.green() > 200 && c.blue() < 160) return Hue::Yellow;
    if (c.red() < 160 && c.green() > 200 && c.blue() > 200) return Hue::Cyan;
    return std::abs(c.red() - c.green()) < 16 && std::abs(c.green() - c.blue()) < 16 ? Hue::Grey : Hue::Other;
  };
  for (const auto& c : cases) {
    const QuarterBandLook look = QuarterLook(c.d, c.state);
    EXPECT_EQ(hueOf(look.fill), c.hue) << int(c.state);
    EXPECT_GE(look.fill.alpha(), 32);
    EXPECT_LE(look.fill.alpha(), 128) << "the plan stays visible under a band";
    EXPECT_EQ(look.bold, c.state == ReadoutState::Short);
    EXPECT_EQ(hueOf(look.text) == Hue::Red, c.state == ReadoutState::Short);
  }
  const QColor ng = TributaryOverlay::AreaFill(0, ReadoutState::Short);
  EXPECT_EQ(hueOf(ng), Hue::Red);
  for (int tint = 0; tint < kTributaryTints; ++tint) {
    const QColor fill = TributaryOverlay::AreaFill(tint, ReadoutState::Met);
    EXPECT_NE(hueOf(fill), Hue::Red) << tint;
    EXPECT_EQ(fill.alpha(), TributaryOverlay::AreaFill(tint, ReadoutState::Unknown).alpha());
    EXPECT_LT(fill.alpha(), 128) << tint;
  }
}

// Points clear of the labels (in the middle of each band), of cell borders and grid dots.
const QPointF kLowX(1.14, 0.1);
const QPointF kHighX(1.14, 2.6);
const QPointF kLeftY(0.2, 1.0);
const QPointF kRightY(3.4, 1.0);
const QPointF kMiddle(1.6, 1.0);

TEST_F(CheckOverlaysCanvas, QuarterStripsOverThePlanInTheColoursOfTheirJudgement) {
  const QImage plan = Canvas().planImage().copy();
  Canvas().setOverlayShown(CheckOverlay::Quarters, true);
  EXPECT_TRUE(Canvas().planImage() == plan) << "the strips are not drawn into the plan";
  ExpectBand(kLowX, Dir::X, ReadoutState::Met, "lower X strip");
  ExpectBand(kHighX, Dir::X, ReadoutState::Short, "upper X strip");
  ExpectBand(kLeftY, Dir::Y, ReadoutState::Met, "left Y strip");
  ExpectBand(kRightY, Dir::Y, ReadoutState::Short, "right Y strip");
  ExpectPlanAlone(kMiddle, "between the strips");
  // A short strip's 充足率 in red, a met one's in white, in the middle of the band.
  const QImage view = Canvas().viewImage();
  auto labelArea = [&](double x, double y) { return QRect(At(x, y) - QPoint(70, 12), QSize(140, 24)); };
  EXPECT_GT(CountShade(view, labelArea(1.82, 2.39), QuarterLook(Dir::X, ReadoutState::Short).text), 10);
  EXPECT_GT(CountShade(view, labelArea(1.82, 0.34), QColor(255, 255, 255)), 10);
  Canvas().setOverlayShown(CheckOverlay::Quarters, false);
  EXPECT_TRUE(Canvas().viewImage() == plan) << "switched off, nothing is left";
}

TEST_F(CheckOverlaysCanvas, QuarterStripsFollowEveryEditAndTheProfile) {
  Canvas().setOverlayShown(CheckOverlay::Quarters, true);
  EditRequest wall;
  wall.category = Category::Wall;
  wall.rect = GridRect{1, 7, 9, 7};
  wall.groupKey = kKeyMenzai;
  wall.multiplier = 2.5f;
  wall.layers = LayerSet::Sheathing;
  wall.slope = 4;
  doc.apply(PlanEditCommand(wall));
  ExpectBand(kHighX, Dir::X, ReadoutState::Met, "walls on the upper line");
  doc.undo();
  ExpectBand(kHighX, Dir::X, ReadoutState::Short, "taken back");
  doc.apply(ProfileCommand(PublishedProfile()));
  EXPECT_FALSE(Canvas().overlays().Quarters().Bands().empty());
  BuildingProfile none;
  doc.apply(ProfileCommand(none));
  ExpectBand(kLowX, Dir::X, ReadoutState::Unknown, "no profile: no Lw");
  ExpectBand(kHighX, Dir::X, ReadoutState::Unknown, "no profile: no Lw");
}

TEST_F(CheckOverlaysCanvas, QuarterStripsOfTheStoreyBeingEdited) {
  Canvas().setOverlayShown(CheckOverlay::Quarters, true);
  state.Storey = 2;
  Canvas().fullRedraw();
  Canvas().updateEccentricityMarks();
  EXPECT_TRUE(Canvas().overlays().Quarters().Bands().empty()) << "storey 2 has no floor";
  ExpectPlanAlone(kLowX, "storey 2");
}

// Columns at the four corners carry a quarter of the floor each (6.21 m²): a 150 mm column
// may, a 60 mm one may not.
class TributaryCanvas : public CheckOverlaysCanvas {
 protected:
  void Columns(int side) {
    plan.Column(1, 1, 1).Column(9, 1, 1).Column(1, 7, 1).Column(9, 7, 1);
    BuildingProfile p = EnteredLw();
    p.wood = WoodChoice{ColumnWood::Sugi2, 0};
    p.column = {ColumnSection{side, side}, ColumnSection{105, 105}};
    EXPECT_FALSE(WriteProfile(plan.b, p));
    Redrawn();
    Canvas().setOverlayShown(CheckOverlay::Tributaries, true);
  }
  int ClassOf(int column) const {
    return ColourClasses(doc.liveColumns(1).regions, kTributaryTints)[static_cast<size_t>(column)];
  }
  QString TipAt(int i, int j) {
    const PointCoord& c = plan.b.Coord(i, j, 1);
    return Canvas().toolTipAt(Canvas().toViewport(CanvasGeometry::For(plan.b).ToCanvas(c.x, c.y)));
  }
};

TEST_F(TributaryCanvas, EachColumnsAreaInItsTint) {
  Columns(150);
  const QImage plan = Canvas().planImage().copy();
  // Columns by row: (1, 1) first, (9, 7) last. Points inside their quarters.
  const struct {
    QPointF at;
    int column;
  } areas[] = {{{0.7, 0.5}, 0}, {{3.0, 0.5}, 1}, {{0.7, 2.2}, 2}, {{3.0, 2.2}, 3}};
  for (const auto& a : areas) {
    const QColor under = plan.pixelColor(At(a.at.x(), a.at.y()));
    ExpectPixel(a.at, Over(TributaryOverlay::AreaFill(ClassOf(a.column), ReadoutState::Met), under),
                "column " + std::to_string(a.column));
  }
  EXPECT_NE(ClassOf(0), ClassOf(1)) << "neighbours differ";
  EXPECT_TRUE(Canvas().overlays().Tributaries().NgColumns().empty());
  EXPECT_TRUE(Canvas().planImage() == plan);
  EXPECT_TRUE(TipAt(9, 7).contains("判定 OK")) << TipAt(9, 7).toStdString();
}

TEST_F(TributaryCanvas, AnNgColumnsAreaIsRedAndTheColumnRinged) {
  Columns(60);
  const QImage plan = Canvas().planImage().copy();
  const QColor under = plan.pixelColor(At(3.0, 2.2));
  ExpectPixel({3.0, 2.2}, Over(TributaryOverlay::AreaFill(ClassOf(3), ReadoutState::Short), under), "NG area");
  EXPECT_EQ(Canvas().overlays().Tributaries().NgColumns().size(), 4u);
  // The ring 0.2 cm around the column at (9, 7).
  const QPointF column = Cm(9, 7);
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), Px(column + QPointF(0.2, 0)), TributaryOverlay::NgColour(), 2));
  EXPECT_FALSE(ColourNear(plan, Px(column + QPointF(0.2, 0)), TributaryOverlay::NgColour(), 2));
  const QString tip = TipAt(9, 7);
  EXPECT_TRUE(tip.startsWith("柱の負担面積  ")) << tip.toStdString();
  EXPECT_TRUE(tip.contains("＞ 負担可能面積") && tip.contains("判定 NG")) << tip.toStdString();
  Canvas().setOverlayShown(CheckOverlay::Tributaries, false);
  EXPECT_EQ(TipAt(9, 7), "") << "no figures without the overlay (floors are the current category)";
  EXPECT_TRUE(Canvas().viewImage() == plan);
}

}  // namespace
}  // namespace tvk::test
