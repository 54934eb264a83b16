// Chapter 4 in the composed report: where it stands, its entries in the chapter index, the
// pages before it unchanged, its pages clear of overlaps and inside the margins, long tables
// repeating their header, and the plans' line totals and side strips.
#include <gtest/gtest.h>

#include <QRectF>

#include "engine/full_calculation.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "report/chapters/report_context.h"
#include "report/chapters/report_figures.h"
#include "report/chapters/wall_tables.h"
#include "report/compose_test_building.h"
#include "report/figure_test_building.h"
#include "report/figure_test_ops.h"
#include "report/figures/check_plans.h"
#include "report/figures/figure_draw.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::OpsOf;
using test::PageHas;
using test::PageOf;

Building SampleHouse() {
  Building b;
  const FileResult loaded = LoadProject(b, std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK");
  EXPECT_TRUE(loaded.ok) << loaded.message;
  return b;
}

void SetProfile(Building& b, const BuildingProfile& profile) { ASSERT_FALSE(WriteProfile(b, profile).has_value()); }

Building SampleHouseWithProfile() {
  Building b = SampleHouse();
  SetProfile(b, test::PublishedProfile());
  return b;
}

// The report of the building, calculated first.
ComposedReport ComposeAll(Building b, std::function<void(int)> progress = {}) {
  test::EnsureGuiApp();
  const CalcResults calc = RunFullCalculation(b, false);
  const HardwareNames names = LoadBuiltInHardwareNames();
  PageSurface surface;
  return ComposeReport(surface, ReportRequest{b, calc, names, ReportFigureChapters(FigureFonts{}), QDate(2024, 3, 5),
                                              std::move(progress)});
}

struct WallChapter : ::testing::Test {
  static void SetUpTestSuite() {
    without = new ComposedReport(ComposeAll(SampleHouse()));
    with = new ComposedReport(ComposeAll(SampleHouseWithProfile(), [](int k) { steps = k; }));
  }
  static void TearDownTestSuite() {
    delete without;
    delete with;
  }
  static ComposedReport* without;
  static ComposedReport* with;
  static int steps;
};
ComposedReport* WallChapter::without = nullptr;
ComposedReport* WallChapter::with = nullptr;
int WallChapter::steps = 0;

TEST_F(WallChapter, FollowsTheNValueChaptersOnTheirOwnPages) {
  const int first = without->PageCount() + 1;
  ASSERT_GT(with->PageCount(), first);
  EXPECT_EQ(PageOf(*with, kHeadWall), first);
  EXPECT_EQ(PageOf(*with, kHeadWallProfile), first);
  // Every page before the chapter is the page of the report without a profile.
  for (int p = 0; p < without->PageCount(); ++p) {
    const Page& a = without->document.pages[size_t(p)];
    const Page& b = with->document.pages[size_t(p)];
    EXPECT_EQ(a.ops.size(), b.ops.size()) << p;
    EXPECT_EQ(without->document.Texts(p), with->document.Texts(p)) << p;
    EXPECT_EQ(a.footer, b.footer);
  }
  EXPECT_EQ(with->document.pages.back().footer, QStringLiteral("|- %1 -|Ver.1.0.0").arg(with->PageCount() - 1));
  EXPECT_EQ(steps, kReportChapterCount + 2);  // chapters 4 and 5
  EXPECT_EQ(steps, ReportChapterSteps(SampleHouseWithProfile()));
  EXPECT_EQ(ReportChapterSteps(SampleHouse()), kReportChapterCount);
}

TEST_F(WallChapter, IndexMarksTheFiveSectionsInOrder) {
  const ReportEntry entries[] = {ReportEntry::WallProfile, ReportEntry::WallEarthquake, ReportEntry::WallWind,
                                 ReportEntry::WallJudgement, ReportEntry::WallQuarters};
  const char* headings[] = {kHeadWallProfile, kHeadWallEarthquake, kHeadWallWind, kHeadWallJudgement,
                            kHeadWallQuarters};
  std::pair<int, double> previous{0, 0};
  for (size_t k = 0; k < std::size(entries); ++k) {
    const ChapterMark& mark = MarkOf(with->index, entries[k]);
    EXPECT_EQ(mark.page, PageOf(*with, headings[k])) << headings[k];
    const auto at = std::make_pair(mark.page, mark.headingYTw);
    EXPECT_GT(at, previous) << headings[k];
    previous = at;
    EXPECT_TRUE(ConditionalEntry(entries[k]));
    EXPECT_EQ(MarkOf(without->index, entries[k]).page, 0);
  }
  EXPECT_FALSE(ConditionalEntry(ReportEntry::JointDetails));
  EXPECT_EQ(PageLabel(with->PageCount(), with->PageCount()),
            std::to_string(with->PageCount() - 1) + " / " + std::to_string(with->PageCount() - 1));
}

// Text boxes in paper twips; a text turned by 90 degrees runs upwards from its position.
QRectF TextBox(const PageDocument& doc, const TextOp& t) {
  const ReportFontMetrics m(MakeReportFont(doc.FontOf(t)));
  const double w = m.Width(t.text);
  const double h = m.Height();
  if (t.angle == 90) return {t.pos.x(), t.pos.y() - w, h, w};
  return {t.pos.x(), t.pos.y(), w, h};
}

// The pages from firstPage on: every text and shape inside the margins, no two texts on
// one another.
void ExpectClearPages(const ComposedReport& r, int firstPage) {
  const PageMargins margins;
  const QRectF body(margins.left * kTwipsPerCm, margins.top * kTwipsPerCm, (21.0 - 4.6) * kTwipsPerCm,
                    (29.7 - 4.0) * kTwipsPerCm);
  // Tables of 9300 twips run 1.2 twips past the 16.4 cm of the printable width, as chapter
  // 2.3's does.
  const QRectF inside = body.adjusted(-2, -2, 2, 2);
  ASSERT_LE(firstPage, r.PageCount());
  for (int p = firstPage; p <= r.PageCount(); ++p) {
    SCOPED_TRACE(testing::Message() << "page " << p);
    const Page& page = r.document.pages[size_t(p - 1)];
    std::vector<std::pair<QRectF, QString>> boxes;
    for (const TextOp& t : OpsOf<TextOp>(page)) {
      const QRectF box = TextBox(r.document, t);
      if (!body.intersects(box)) continue;  // header and footer, in the margins
      EXPECT_TRUE(inside.contains(box)) << t.text.toStdString();
      boxes.emplace_back(box.adjusted(1, 1, -1, -1), t.text);
    }
    EXPECT_FALSE(boxes.empty());
    for (size_t a = 0; a < boxes.size(); ++a) {
      for (size_t b = a + 1; b < boxes.size(); ++b) {
        EXPECT_FALSE(boxes[a].first.intersects(boxes[b].first))
            << boxes[a].second.toStdString() << " / " << boxes[b].second.toStdString();
      }
    }
    for (const RectOp& rect : OpsOf<RectOp>(page)) EXPECT_TRUE(inside.contains(rect.rect));
    for (const LineOp& l : OpsOf<LineOp>(page)) EXPECT_TRUE(inside.contains(l.from) && inside.contains(l.to));
  }
}

TEST_F(WallChapter, PagesHaveNoOverlappingTextAndStayInsideTheMargins) {
  ExpectClearPages(*with, without->PageCount() + 1);
}

// One storey of 9.1 x 5.46 m with a void and a profile that lacks most of what the checks
// need; two storeys with a smaller 2F, an entered Lw, solar panels by mass and an office;
// an empty plan; a long narrow one.
TEST(WallChapterPages, OtherBuildingsAreClearToo) {
  test::PlanBuilder one(1, 20, 12, 2, 0.91f);
  one.Floor(1, 1, 1, 20, 12).Floor(1, 5, 5, 6, 6, FloorCell::Void);
  one.Sheathing(1, Dir::X, 1, 1, 6, 5).Brace(1, Dir::X, 9, 1, 2, 2, test::kCrossed).Sheathing(1, Dir::X, 9, 1, 2, 6);
  one.Sheathing(1, Dir::X, 13, 13, 8, 4).Sheathing(1, Dir::Y, 1, 1, 12, 5).Brace(1, Dir::Y, 21, 3, 4, 3, 1);
  BuildingProfile partial;
  partial.h1 = 2900;
  partial.roof = RoofChoice{RoofFinish::Tile, 0};

  test::PlanBuilder two(2, 20, 12, 2, 0.91f);
  two.Floor(1, 1, 1, 20, 12).Floor(2, 1, 1, 12, 12);
  two.Sheathing(1, Dir::X, 1, 1, 20, 5).Sheathing(1, Dir::X, 1, 13, 20, 5);
  two.Sheathing(1, Dir::Y, 1, 1, 12, 5).Sheathing(1, Dir::Y, 21, 1, 12, 5);
  two.Sheathing(2, Dir::X, 1, 1, 12, 5).Sheathing(2, Dir::X, 1, 13, 4, 5);
  two.Sheathing(2, Dir::Y, 1, 1, 12, 5).Sheathing(2, Dir::Y, 13, 1, 6, 2);
  BuildingProfile entered = test::PublishedProfile();
  entered.lw1 = 46;
  entered.windArea[2][Dir::Y] = 14.25;
  entered.solar = SolarChoice{SolarPanels::Mass, 450};
  entered.use = BuildingUse::Office;

  // A plan with neither floors nor walls yet.
  test::PlanBuilder empty(2, 4, 4, 2, 0.91f);

  // 27.3 x 0.91 m: the line totals of Y1 and Y2 take two rows beside the plan.
  test::PlanBuilder thin(1, 60, 2, 2, 0.91f);
  thin.Floor(1, 1, 1, 60, 2).Sheathing(1, Dir::X, 1, 1, 60, 5).Sheathing(1, Dir::X, 1, 3, 60, 5);
  thin.Sheathing(1, Dir::Y, 1, 1, 2, 5).Sheathing(1, Dir::Y, 61, 1, 2, 5);

  const std::pair<test::PlanBuilder*, BuildingProfile> cases[] = {
      {&one, partial}, {&two, entered}, {&empty, test::PublishedProfile()}, {&thin, partial}};
  for (const auto& [plan, profile] : cases) {
    SCOPED_TRACE(plan->b.Storeys());
    Building b = test::Figures(*plan).b;
    SetProfile(b, profile);
    const ComposedReport r = ComposeAll(b);
    ExpectClearPages(r, PageOf(r, kHeadWall));
  }
}

TEST_F(WallChapter, TablesCarryTheChecksNumbers) {
  const int first = without->PageCount() + 1;
  QString all;
  for (int p = first; p <= with->PageCount(); ++p) all += with->document.Texts(p - 1).join(QChar('|'));
  // The sample: 1F 36.44 m², 2F 28.98 m²; Lw 39 / 26 / 20; existing 3913.0, 3549.0, 1319.5, 1638.0.
  for (const char* text :
       {"36.44", "28.98", "本建物の Lw：１階 39 cm/m²、２階 26 cm/m²、２階のない１階部分 20 cm/m²", "3913.0", "3549.0",
        "1319.5", "1638.0", "表-4.5.1.１階の側端部の壁量", "表-4.5.2.２階の側端部の壁量",
        "(1) 1 階壁量算定図 (数値は壁倍率)", "(2) 2 階 側端部の範囲 (四分割法)"}) {
    EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text;
  }
}

// Walls on every grid line of a 12 x 12 grid: the storey's line table runs over two pages,
// its header on both.
TEST(WallChapterTables, ALongTableRepeatsItsHeaderOnTheNextPage) {
  test::PlanBuilder p(1, 24, 24, 2, 0.91f);
  p.Floor(1, 1, 1, 24, 24);
  for (int k = 1; k <= 25; ++k) p.Sheathing(1, Dir::X, 1, k, 2, 5).Sheathing(1, Dir::Y, k, 1, 2, 5);
  Building b = test::Figures(p).b;
  BuildingProfile profile;
  profile.lwOneStorey = 20;
  SetProfile(b, profile);
  const ComposedReport r = ComposeAll(b);
  const QString header = QStringLiteral("耐力壁 (長さ cm × 壁倍率)");
  std::vector<int> pages;
  for (int page = 1; page <= r.PageCount(); ++page) {
    if (r.document.Texts(page - 1).contains(header)) pages.push_back(page);
  }
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1], pages[0] + 1);
  EXPECT_TRUE(PageHas(r, pages[1], "Ｙ方向"));
}

TEST(WallChapterPlans, LineTotalsStandBesideThePlanAndStripsAreHatched) {
  // 8 x 4 m of 1 m cells, one storey: X walls 2.5 over 8 m at y = 0, Y walls 2.5 over 4 m at x = 8.
  test::PlanBuilder p(1, 8, 4, 1, 1.0f);
  p.Floor(1, 1, 1, 8, 4).Sheathing(1, Dir::X, 1, 1, 8, 5).Sheathing(1, Dir::Y, 9, 1, 4, 5);
  Building b = test::Figures(p).b;
  BuildingProfile profile;
  profile.lwOneStorey = 20;
  SetProfile(b, profile);
  const ComposedReport r = ComposeAll(b);
  const int plan = PageOf(r, "(1) 1 階壁量算定図 (数値は壁倍率)");
  ASSERT_GT(plan, 0);
  // The totals in the plan's label font (the tables have them too).
  auto label = [&](const char* text) {
    for (const TextOp& t : test::PageTexts(r.document, plan - 1)) {
      if (t.text == QString::fromUtf8(text) && r.document.FontOf(t).name == kFigLabelFace) return t;
    }
    ADD_FAILURE() << text;
    return TextOp{};
  };
  const TextOp x = label("2000.0");  // right of the plan, on line Y1
  const TextOp y = label("1000.0");  // above it, on line X9
  EXPECT_EQ(x.angle, 0);
  EXPECT_EQ(y.angle, 90);
  EXPECT_GT(x.pos.x(), y.pos.x());
  EXPECT_GT(x.pos.y(), y.pos.y());

  const int quarters = PageOf(r, "(1) 1 階 側端部の範囲 (四分割法)");
  ASSERT_GT(quarters, 0);
  std::vector<QRectF> alongX, alongY;
  for (const RectOp& rect : OpsOf<RectOp>(r.document.pages[size_t(quarters - 1)])) {
    if (rect.rect.width() < 1.5 * kTwipsPerCm) continue;  // the legend's symbols
    if (rect.brush.style == Qt::BDiagPattern) alongX.push_back(rect.rect);
    if (rect.brush.style == Qt::FDiagPattern) alongY.push_back(rect.rect);
  }
  ASSERT_EQ(alongX.size(), 2u);
  ASSERT_EQ(alongY.size(), 2u);
  // Quarters of 4 m across X strips, of 8 m across Y strips: all four are 1 x 8 m or 2 x 4 m.
  EXPECT_NEAR(alongX[0].width() / alongX[0].height(), 8.0, 0.01);  // to the twip
  EXPECT_NEAR(alongY[0].height() / alongY[0].width(), 2.0, 0.01);
  EXPECT_GT(alongX[0].top(), alongX[1].top());  // the low strip lies lower on the page
  EXPECT_LT(alongY[0].left(), alongY[1].left());
  for (const char* text : {"1.000", "2.000", "4.000", "Ｘ方向 下側", "Ｙ方向 右側"}) {
    EXPECT_TRUE(PageHas(r, quarters, text)) << text;
  }
}

// Walls on all 121 lines of a 27.3 m square: the totals that find no free place are left
// out (the table has them) and the legend says so; those drawn stand clear of each other.
TEST(WallChapterPlans, CrowdedLineTotalsAreLeftOutRatherThanOverlapped) {
  test::EnsureGuiApp();
  test::PlanBuilder p(1, 120, 120, 4, 0.91f);
  for (int k = 1; k <= 121; ++k) p.Sheathing(1, Dir::X, 1, k, 120, 5).Sheathing(1, Dir::Y, k, 1, 120, 5);
  Building b = test::Figures(p).b;
  PageSurface surface;
  surface.SetupPage(kReportFontSize, PaperCode::A4, false);
  surface.BeginDocument();
  DrawWallCountPlan(surface, b, 1, ExistingWallLines(b, 1), 0, FigureFonts{});
  surface.EndDocument();
  const PageDocument& doc = surface.Document();
  std::vector<QRectF> totals;
  for (const TextOp& t : test::PageTexts(doc, 0)) {
    if (t.text == QStringLiteral("6825.0")) totals.push_back(TextBox(doc, t).adjusted(1, 1, -1, -1));
  }
  EXPECT_GT(totals.size(), 20u);
  EXPECT_LT(totals.size(), 242u);
  for (size_t a = 0; a < totals.size(); ++a) {
    EXPECT_LE(totals[a].right(), (2.3 + 16.4) * kTwipsPerCm);
    for (size_t c = a + 1; c < totals.size(); ++c) EXPECT_FALSE(totals[a].intersects(totals[c])) << a << " " << c;
  }
  EXPECT_TRUE(doc.Texts(0).contains(QStringLiteral("(通りが密で書き切れない数値は、下の表による)")));
}

TEST(WallChapterPlans, AProfileWithoutWhatTheChecksNeedStillGetsTheChapterWithDashes) {
  Building b = test::ComposeBuilding();
  BuildingProfile profile;
  profile.c0 = 0.3;
  SetProfile(b, profile);
  const ComposedReport r = ComposeAll(b);
  const int page = PageOf(r, kHeadWall);
  ASSERT_GT(page, 0);
  QString chapter;
  for (int p = page; p <= r.PageCount(); ++p) chapter += r.document.Texts(p - 1).join(QChar('|'));
  EXPECT_TRUE(chapter.contains(QStringLiteral("|----|")));
  EXPECT_TRUE(chapter.contains(QStringLiteral("※ 次の項目がないため算定できません：１階の階高")));
  EXPECT_TRUE(chapter.contains(QStringLiteral("0.3 (指定された軟弱地盤)")));
}

}  // namespace
}  // namespace tvk
