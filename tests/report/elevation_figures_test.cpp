// Chapter 2.2 and the elevation window page on the recorded pages.
#include <gtest/gtest.h>

#include "report/figure_test_building.h"
#include "report/figure_test_ops.h"
#include "report/figures/elevation_figures.h"
#include "report/surface/report_fonts.h"
#include "report/surface_test_app.h"

namespace tvk {
namespace {

const QString kIntro = QStringLiteral("耐力壁がある軸組を以下に示す。(グレーは面材。土台は耐力壁がある場合のみ表示。)");

class ElevationFiguresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApp();
    RegisterReportFonts();
  }

  static PageDocument Chapter(const test::FigureBuilding& f) {
    PageSurface surface;
    surface.BeginDocument();
    DrawElevationChapter(surface, f.b, f.calc, 0.6, FigureFonts{});
    surface.EndDocument();
    return surface.Document();
  }
};

// A building with one single brace on each of the first `frames` X lines.
test::FigureBuilding WithFrames(int storeys, int frames) {
  test::PlanBuilder plan(storeys, 10, 4, 1);
  for (int i = 1; i <= frames; ++i) plan.Brace(storeys, Dir::Y, i, 1, 2, 2, test::kRisesToHigher);
  return test::Figures(plan);
}

struct PagingCase {
  const char* name;
  int storeys;
  int frames;
  std::vector<int> framesPerPage;
};

class ElevationPagingTest : public ElevationFiguresTest, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(ElevationPagingTest, FramesFillPagesOfSixOrFour) {
  const PagingCase& c = GetParam();
  const PageDocument doc = Chapter(WithFrames(c.storeys, c.frames));
  ASSERT_EQ(doc.pages.size(), c.framesPerPage.size());
  int number = 0;
  for (size_t p = 0; p < doc.pages.size(); ++p) {
    EXPECT_EQ(test::CountTexts(doc, int(p), QStringLiteral("(")), c.framesPerPage[p]) << "page " << p + 1;
    for (int k = 0; k < c.framesPerPage[p]; ++k) {
      ++number;
      const QString title = "(" + QString::number(number) + ") X" + QString::number(number) + QStringLiteral(" 通り");
      EXPECT_TRUE(test::FindText(doc, int(p), title)) << title.toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Chapters, ElevationPagingTest,
                         ::testing::Values(PagingCase{"TwoStoreysSixFrames", 2, 6, {4, 2}},
                                           PagingCase{"TwoStoreysFourFrames", 2, 4, {4}},
                                           PagingCase{"OneStoreySevenFrames", 1, 7, {6, 1}},
                                           PagingCase{"OneStoreySixFrames", 1, 6, {6}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ElevationFiguresTest, FramesStayInsideTheMarginBox) {
  // Four two-storey frames, each with through-columns labelled above it.
  test::PlanBuilder plan(2, 3, 4, 1);
  for (int i = 1; i <= 4; ++i)
    plan.ThroughColumn(i, 1).ThroughColumn(i, 5).Brace(1, Dir::Y, i, 1, 4, 4, test::kCrossed);
  const PageDocument doc = Chapter(test::Figures(plan));
  ASSERT_EQ(doc.pages.size(), 1u);
  const double bottom = (29.7 - PageMargins{}.bottom) * kTwipsPerCm;
  for (const TextOp& t : test::PageTexts(doc, 0)) EXPECT_LT(t.pos.y(), bottom) << t.text.toStdString();
}

TEST_F(ElevationFiguresTest, NoBearingWallsLeavesTheIntroductionOnly) {
  const PageDocument doc = Chapter(test::EmptyFigureBuilding(6, 6, 2));
  ASSERT_EQ(doc.pages.size(), 1u);
  EXPECT_EQ(doc.Texts(0), QStringList{kIntro});
}

TEST_F(ElevationFiguresTest, FrameLayersShowNamesMultipliersAndColumnLabels) {
  test::PlanBuilder plan(2, 4, 4);
  plan.ThroughColumn(1, 1).Column(1, 3, 1).Column(1, 3, 2);
  plan.Brace(1, Dir::Y, 1, 1, 2, 4, test::kCrossed).Sheathing(2, Dir::Y, 1, 1, 2, 5);
  test::FigureBuilding f = test::Figures(plan);
  ColumnRec& column = f.b.Point(1, 3, 1).Column;
  column.Corner = 1;
  column.TopHardware = "(ほ)";
  column.BottomHardware = "(と)";
  const PageDocument doc = Chapter(f);
  const QStringList texts = doc.Texts(0);
  for (const char* expected : {"(1) X1 通り", "Y1", "Y1a", "Y3", "5.0", "2.5", "通し柱", "出", "(ほ)", "(と)"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
  }
  const auto main = test::FindText(doc, 0, QStringLiteral("Y1"));
  const auto sub = test::FindText(doc, 0, QStringLiteral("Y1a"));
  EXPECT_EQ(doc.FontOf(*main).sizeTwips, 220);
  EXPECT_LT(doc.FontOf(*sub).sizeTwips, 220);
  // The sill runs only under the storey-1 wall: one outline one member thick.
  int sills = 0;
  for (const PageOp& op : doc.pages[0].ops) {
    const auto* r = std::get_if<RectOp>(&op);
    sills += r && r->brush.style == Qt::NoBrush && std::abs(r->rect.height() - 0.1 * kTwipsPerCm) <= 1 ? 1 : 0;
  }
  EXPECT_EQ(sills, 1);
}

TEST_F(ElevationFiguresTest, WindowPageIsOneLandscapePageWithTheHeader) {
  test::PlanBuilder plan(2, 4, 4);
  plan.Brace(1, Dir::X, 1, 3, 2, 2, test::kRisesToLower);  // on Y line 3, "Y2"
  Building b = test::Figures(plan).b;
  PageSurface surface;
  DrawElevationWindowPage(surface, b, FrameRef{Dir::Y, 3}, FigureFonts{});
  const PageDocument& doc = surface.Document();
  ASSERT_EQ(doc.pages.size(), 1u);
  EXPECT_TRUE(doc.pages[0].landscape);
  EXPECT_TRUE(doc.pages[0].header.startsWith(QStringLiteral("VOLN-TVK /軸組Ｎ値算定")));
  EXPECT_TRUE(doc.pages[0].header.contains(QStringLiteral("[ 試験邸 ]")));
  const auto multiplier = test::FindText(doc, 0, QStringLiteral("1.5"));
  ASSERT_TRUE(multiplier);
  EXPECT_EQ(doc.FontOf(*multiplier).sizeTwips, 200);  // 10 pt in the window
  EXPECT_TRUE(test::FindText(doc, 0, QStringLiteral("Y2 通り 軸組図")));
}

TEST_F(ElevationFiguresTest, LabelsStandOnWhiteOverEveryLine) {
  // A sheathed panel over three columns: the middle one runs through its multiplier.
  test::PlanBuilder plan(1, 4, 2, 1);
  plan.Sheathing(1, Dir::X, 1, 1, 2, 6).Column(1, 1, 1).Column(2, 1, 1).Column(3, 1, 1);
  Building b = test::Figures(plan).b;
  b.Point(2, 1, 1).Column.TopHardware = "(ろ)";
  PageSurface surface;
  DrawElevationWindowPage(surface, b, FrameRef{Dir::Y, 1}, FigureFonts{});
  const std::vector<PageOp>& ops = surface.Document().pages.at(0).ops;
  size_t lastLine = 0;
  std::vector<size_t> labels;
  for (size_t k = 0; k < ops.size(); ++k) {
    if (std::holds_alternative<LineOp>(ops[k])) lastLine = k;
    const auto* text = std::get_if<TextOp>(&ops[k]);
    if (text && (text->text == "3.0" || text->text == QStringLiteral("(ろ)"))) labels.push_back(k);
  }
  ASSERT_EQ(labels.size(), 2u);
  for (size_t k : labels) {
    EXPECT_GT(k, lastLine);
    const auto* box = std::get_if<RectOp>(&ops[k - 1]);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->brush.color, QColor(Qt::white));
  }
}

TEST_F(ElevationFiguresTest, ABarInTheBuildingNameStaysInTheWindowHeader) {
  test::PlanBuilder plan(1, 2, 2);
  plan.Brace(1, Dir::X, 1, 1, 2, 2, test::kRisesToLower);
  Building b = test::Figures(plan).b;
  b.Info.BuildingName = "A|B";
  PageSurface surface;
  DrawElevationWindowPage(surface, b, FrameRef{Dir::Y, 1}, FigureFonts{});
  const PageDocument& doc = surface.Document();
  // The header is one text at the left; a bare "|" would have sent "B ]" to the centre.
  EXPECT_TRUE(test::FindText(doc, 0, QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ A｜B ]")));
}

}  // namespace
}  // namespace tvk
