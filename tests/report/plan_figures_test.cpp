// The report plans on the recorded pages: pages per storey, grid names, floors, column fills
// and labels, wall multipliers.
#include <gtest/gtest.h>

#include <QLineF>

#include "report/figure_test_building.h"
#include "report/figure_test_ops.h"
#include "report/figures/plan_figures.h"
#include "report/figures/plan_layers.h"
#include "report/surface/report_fonts.h"
#include "report/surface_test_app.h"
#include "support/grid_print.h"

namespace tvk {
namespace {

class PlanFiguresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApp();
    RegisterReportFonts();
  }

  PageDocument Draw(const test::FigureBuilding& f, PlanKind kind, FigureFonts fonts = {}) {
    PageSurface surface;
    surface.BeginDocument();
    DrawPlanChapter(surface, f.b, f.calc, kind, 0.6, fonts);
    surface.EndDocument();
    return surface.Document();
  }
};

struct PageCase {
  const char* name;
  int storeys;
  PlanKind kind;
  std::vector<QString> titles;  // one per page
};

class PlanPagesTest : public PlanFiguresTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PlanPagesTest, OnePlanPerStoreyEachOnItsOwnPage) {
  const PageCase& c = GetParam();
  const PageDocument doc = Draw(test::EmptyFigureBuilding(4, 4, c.storeys), c.kind);
  ASSERT_EQ(doc.pages.size(), c.titles.size());
  for (size_t p = 0; p < c.titles.size(); ++p) {
    const auto title = test::FindText(doc, int(p), c.titles[p]);
    ASSERT_TRUE(title) << c.titles[p].toStdString();
    EXPECT_EQ(doc.FontOf(*title).sizeTwips, 220);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Chapters, PlanPagesTest,
    ::testing::Values(
        PageCase{"OneStoreyWallPlan", 1, PlanKind::BearingWall, {QStringLiteral("(1) 1 階耐力壁伏図 (数値は壁倍率)")}},
        PageCase{"OneStoreyHardwarePlan", 1, PlanKind::Hardware, {QStringLiteral("(1) 1 階金物伏図")}},
        PageCase{
            "TwoStoreyWallPlans",
            2,
            PlanKind::BearingWall,
            {QStringLiteral("(1) 1 階耐力壁伏図 (数値は壁倍率)"), QStringLiteral("(2) 2 階耐力壁伏図 (数値は壁倍率)")}},
        PageCase{"TwoStoreyHardwarePlans",
                 2,
                 PlanKind::Hardware,
                 {QStringLiteral("(1) 1 階金物伏図"), QStringLiteral("(2) 2 階金物伏図")}}),
    [](const auto& info) { return info.param.name; });

TEST_F(PlanFiguresTest, PlanTitleAndOriginLineStandAtTheSamePlaceOnEveryPage) {
  const PageDocument doc = Draw(test::EmptyFigureBuilding(4, 4, 2), PlanKind::Hardware);
  const auto first = test::FindText(doc, 0, QStringLiteral("X1"));
  const auto second = test::FindText(doc, 1, QStringLiteral("X1"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->pos, second->pos);
}

struct NameCase {
  const char* name;
  int divisions;
  QString line;
  bool bold;
  int sizeTwips;
};

class GridNameTest : public PlanFiguresTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(GridNameTest, MainLinesBold8PtOthers6Pt) {
  const NameCase& c = GetParam();
  const PageDocument doc = Draw(test::EmptyFigureBuilding(4, 4, 1, c.divisions), PlanKind::BearingWall);
  const auto name = test::FindText(doc, 0, c.line);
  ASSERT_TRUE(name) << c.line.toStdString();
  EXPECT_EQ(doc.FontOf(*name).bold, c.bold);
  EXPECT_EQ(doc.FontOf(*name).sizeTwips, c.sizeTwips);
  EXPECT_EQ(doc.FontOf(*name).name, QStringLiteral("ＭＳ Ｐ明朝"));
}

INSTANTIATE_TEST_SUITE_P(Names, GridNameTest,
                         ::testing::Values(NameCase{"OneDivisionX3", 1, "X3", true, 160},
                                           NameCase{"OneDivisionY5", 1, "Y5", true, 160},
                                           NameCase{"TwoDivisionsMain", 2, "X2", true, 160},
                                           NameCase{"TwoDivisionsSub", 2, "X1a", false, 120},
                                           NameCase{"FourDivisionsSub", 4, "Y1c", false, 120}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PlanFiguresTest, EveryNameOfAOneDivisionGridIsBold8Pt) {
  const PageDocument doc = Draw(test::EmptyFigureBuilding(6, 3, 1, 1), PlanKind::Hardware);
  int names = 0;
  for (const TextOp& t : test::PageTexts(doc, 0)) {
    if (!t.text.startsWith('X') && !t.text.startsWith('Y')) continue;
    ++names;
    EXPECT_TRUE(doc.FontOf(t).bold) << t.text.toStdString();
    EXPECT_EQ(doc.FontOf(t).sizeTwips, 160) << t.text.toStdString();
  }
  EXPECT_EQ(names, 7 + 4);
}

TEST_F(PlanFiguresTest, VoidCellsAreCrossHatchedOnlyInTheBearingWallPlan) {
  test::PlanBuilder plan(1, 4, 4);
  plan.Floor(1, 1, 1, 2, 4).Floor(1, 3, 1, 3, 2, FloorCell::Void);  // 8 floor cells, 2 voids, the rest empty
  const test::FigureBuilding b = test::Figures(plan);
  const QColor grey(192, 192, 192);
  const PageDocument walls = Draw(b, PlanKind::BearingWall);
  EXPECT_EQ(test::CountRects(walls, 0, Qt::DiagCrossPattern, grey), 2 + 1);  // voids and the legend
  EXPECT_EQ(test::CountRects(walls, 0, Qt::SolidPattern, grey), 8 + 1);
  const PageDocument hardware = Draw(b, PlanKind::Hardware);
  EXPECT_EQ(test::CountRects(hardware, 0, Qt::DiagCrossPattern, grey), 0);
  EXPECT_EQ(test::CountRects(hardware, 0, Qt::SolidPattern, grey), 0);
}

struct FillCase {
  const char* name;
  float n;
  int overLimit;
  QColor fill;
};

class HardwareColumnFillTest : public PlanFiguresTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(HardwareColumnFillTest, ColumnSquareFill) {
  const FillCase& c = GetParam();
  test::PlanBuilder plan(1, 2, 2);
  plan.Column(2, 2, 1);
  test::FigureBuilding b = test::Figures(plan);
  b.calc.Column(2, 2, 1).n = {c.n, 0.0f};
  b.calc.Column(2, 2, 1).overLimit = c.overLimit;
  const PageDocument doc = Draw(b, PlanKind::Hardware);
  const std::vector<RectOp> squares = test::SquaresOfSide(doc, 0, kPlanColumnSide);
  // The plan's column, then the legend's sample column.
  ASSERT_EQ(squares.size(), 2u);
  EXPECT_EQ(squares[0].brush.style, Qt::SolidPattern);
  EXPECT_EQ(squares[0].brush.color, c.fill);
  EXPECT_EQ(squares[0].pen.color, c.overLimit ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Columns, HardwareColumnFillTest,
                         ::testing::Values(FillCase{"ExactlyOnePointSixIsWhite", 1.6f, 0, Qt::white},
                                           FillCase{"OnePointSixOneIsBlack", 1.61f, 0, Qt::black},
                                           FillCase{"OverLimitIsPureRed", 8.0f, 1, QColor(255, 0, 0)}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PlanFiguresTest, BearingWallPlanFillsEveryColumnBlackAndCirclesThroughColumns) {
  test::PlanBuilder plan(2, 2, 2);
  plan.ThroughColumn(1, 1).Column(3, 1, 1);
  test::FigureBuilding b = test::Figures(plan);
  b.calc.Column(3, 1, 1).overLimit = 1;  // red only in the hardware plan
  const PageDocument doc = Draw(b, PlanKind::BearingWall);
  const std::vector<RectOp> squares = test::SquaresOfSide(doc, 0, kPlanColumnSide);
  ASSERT_EQ(squares.size(), 2u + 2u);  // and the legend's through-column and column on a beam
  for (const RectOp& r : squares) EXPECT_EQ(r.brush.color, QColor(0, 0, 0));
  int circles = 0;
  for (const PageOp& op : doc.pages[0].ops) circles += std::holds_alternative<CircleOp>(op) ? 1 : 0;
  EXPECT_EQ(circles, 1 + 1);  // the through-column and the legend's
}

TEST_F(PlanFiguresTest, HardwareLabelsAroundTheColumn) {
  test::PlanBuilder plan(1, 2, 2);
  plan.Column(2, 2, 1);
  test::FigureBuilding b = test::Figures(plan);
  ColumnRec& c = b.b.Point(2, 2, 1).Column;
  c.NeedGrade = "(ほ)";
  c.TopHardware = "(へ)";
  const PageDocument doc = Draw(b, PlanKind::Hardware);
  const auto need = test::FindText(doc, 0, QStringLiteral("(ほ)"));
  const auto top = test::FindText(doc, 0, QStringLiteral("(へ)"));
  ASSERT_TRUE(need && top);
  EXPECT_EQ(doc.FontOf(*need).sizeTwips, 140);
  EXPECT_LT(need->pos.x(), top->pos.x());
  EXPECT_EQ(need->pos.y(), top->pos.y());
  // No bottom text when none is placed: only the title and the legend's three labels besides.
  EXPECT_EQ(test::CountTexts(doc, 0, QStringLiteral("(")), 2 + 1 + 3);
}

TEST_F(PlanFiguresTest, WallMultipliersAtTheirLabelSizeOnlyInTheBearingWallPlan) {
  test::PlanBuilder plan(1, 4, 4);
  plan.Brace(1, Dir::X, 1, 1, 2, 2, test::kRisesToHigher).Sheathing(1, Dir::Y, 5, 1, 4, 5);
  const test::FigureBuilding b = test::Figures(plan);
  FigureFonts fonts;
  fonts.planMultiplier = 9;
  const PageDocument walls = Draw(b, PlanKind::BearingWall, fonts);
  const auto brace = test::FindText(walls, 0, QStringLiteral("1.5"));
  const auto sheathing = test::FindText(walls, 0, QStringLiteral("2.5"));
  ASSERT_TRUE(brace && sheathing);
  EXPECT_EQ(walls.FontOf(*brace).sizeTwips, 180);
  EXPECT_EQ(brace->angle, 0);       // along an X wall
  EXPECT_EQ(sheathing->angle, 90);  // beside a Y wall
  const PageDocument hardware = Draw(b, PlanKind::Hardware, fonts);
  EXPECT_FALSE(test::FindText(hardware, 0, QStringLiteral("1.5")));
}

// The white box drawn under a text op, or nothing: a solid white rectangle recorded before
// the text whose corner is the text's (upright) or whose bottom-left is its anchor (90°).
std::optional<RectOp> WhiteBoxUnder(const PageDocument& doc, const TextOp& text) {
  std::optional<RectOp> box;
  for (const PageOp& op : doc.pages[0].ops) {
    if (const auto* t = std::get_if<TextOp>(&op); t && t->text == text.text && t->pos == text.pos) return box;
    const auto* r = std::get_if<RectOp>(&op);
    if (!r || r->brush.style != Qt::SolidPattern || r->brush.color != QColor(Qt::white)) continue;
    const QPointF corner = text.angle == 0 ? r->rect.topLeft() : r->rect.bottomLeft();
    if (QLineF(corner, text.pos).length() < 1.0) box = *r;
  }
  return std::nullopt;
}

TEST_F(PlanFiguresTest, WallMultipliersStandOnWhiteSoGridLinesDoNotCrossThem) {
  // Walls of two grids on a floor: their middles fall on a grid line.
  test::PlanBuilder plan(1, 4, 4);
  plan.Floor(1, 1, 1, 4, 4).Brace(1, Dir::X, 1, 1, 4, 3, test::kRisesToHigher).Sheathing(1, Dir::Y, 5, 1, 4, 5);
  const PageDocument doc = Draw(test::Figures(plan), PlanKind::BearingWall);
  for (const QString& text : {QStringLiteral("2.0"), QStringLiteral("2.5")}) {
    const auto label = test::FindText(doc, 0, text);
    ASSERT_TRUE(label) << text.toStdString();
    const auto box = WhiteBoxUnder(doc, *label);
    ASSERT_TRUE(box) << text.toStdString();
    EXPECT_EQ(box->pen.style, Qt::NoPen);
    // Upright along the X wall, turned a quarter beside the Y wall: the box is wider or taller.
    EXPECT_EQ(box->rect.width() > box->rect.height(), label->angle == 0) << text.toStdString();
  }
}

TEST_F(PlanFiguresTest, BraceAndSheathingOnOneWallKeepTheirMultipliersApart) {
  for (const Dir d : kDirs) {
    test::PlanBuilder plan(1, 4, 4);
    plan.Brace(1, d, 1, 1, 2, 1, test::kRisesToHigher).Sheathing(1, d, 1, 1, 2, 5);
    const PageDocument doc = Draw(test::Figures(plan), PlanKind::BearingWall);
    const auto brace = test::FindText(doc, 0, QStringLiteral("1.0"));
    const auto sheathing = test::FindText(doc, 0, QStringLiteral("2.5"));
    ASSERT_TRUE(brace && sheathing);
    EXPECT_GT(QLineF(brace->pos, sheathing->pos).length(), 0.2 * kTwipsPerCm) << "direction " << d;
  }
}

}  // namespace
}  // namespace tvk
