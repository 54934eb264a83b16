// Report composition: chapter order and page breaks, chapter index, header and footer,
// options that change chapter 1, the warnings after composition.
#include <gtest/gtest.h>

#include "report/chapters/report_context.h"
#include "report/chapters/report_fixed_texts.h"
#include "report/compose_test_building.h"

namespace tvk {
namespace {

using test::Compose;
using test::ComposeBuilding;
using test::OpsOf;
using test::PageHas;
using test::PageOf;

struct Composed : ::testing::Test {
  static void SetUpTestSuite() {
    Building b = ComposeBuilding();
    b.Settings.IgnoreCrossBeam = 1;  // no picture: every chapter's page is fixed
    const CalcResults calc = test::Calculate(b);
    report = new ComposedReport(Compose(b, calc));
  }
  static void TearDownTestSuite() { delete report; }
  static ComposedReport* report;
};
ComposedReport* Composed::report = nullptr;

TEST_F(Composed, ChaptersStandInOrderWithTheirPageBreaks) {
  struct Case {
    const char* text;
    int page;
  };
  const Case cases[] = {
      {"軸組を構成する柱頭･柱脚のＮ値計算書", 1},
      {kHeadOutline, 2},
      {kHeadPolicy, 2},
      {kHeadMethod, 2},
      {kHeadBraceCorrection, 3},
      {kHeadHardwareList, 4},
      {kHeadWallList, 4},
      {kHeadWallPlans, 5},
      {kHeadHardware, 6},
      {kHeadHardwarePlans, 6},
      {kHardwarePlansLine, 6},
      {kHeadFrames, 7},
      {kHeadResults, 8},
  };
  for (const Case& c : cases) EXPECT_EQ(PageOf(*report, c.text), c.page) << c.text;
  EXPECT_EQ(report->PageCount(), 9);  // the 16 rows of the results table take two pages
}

TEST_F(Composed, ChapterIndexHoldsStartPagesAndHeadingPositions) {
  const ChapterIndex& index = report->index;
  struct Case {
    ReportEntry entry;
    int page;
  };
  const Case cases[] = {
      {ReportEntry::Cover, 1},        {ReportEntry::Policy, 2},        {ReportEntry::Method, 2},
      {ReportEntry::HardwareList, 4}, {ReportEntry::WallList, 4},      {ReportEntry::WallPlans, 5},
      {ReportEntry::WallFrames, 0},   {ReportEntry::HardwarePlans, 6}, {ReportEntry::HardwareFrames, 7},
      {ReportEntry::Results, 8},      {ReportEntry::Strengths, 0},     {ReportEntry::JointDetails, 0}};
  for (const Case& c : cases) EXPECT_EQ(MarkOf(index, c.entry).page, c.page) << static_cast<int>(c.entry);

  // Heading y: top margin + heading y - half a line pitch, from the top of the paper.
  test::EnsureGuiApp();
  PageSurface probe;
  probe.SetFont(QStringLiteral("ＭＳ 明朝"), 11);
  const double lp = probe.MeasureA().pitch;
  EXPECT_NEAR(MarkOf(index, ReportEntry::Policy).headingYTw, (2.0 + lp - lp / 2) * kTwipsPerCm, 1);
  EXPECT_NEAR(MarkOf(index, ReportEntry::HardwareList).headingYTw, (2.0 - lp / 2) * kTwipsPerCm, 1);
  EXPECT_GT(MarkOf(index, ReportEntry::Method).headingYTw, MarkOf(index, ReportEntry::Policy).headingYTw);
  EXPECT_GT(MarkOf(index, ReportEntry::WallList).headingYTw, MarkOf(index, ReportEntry::HardwareList).headingYTw);
}

TEST_F(Composed, CoverIsUnnumberedAndChapterOneStartsAtOne) {
  const std::vector<Page>& pages = report->document.pages;
  EXPECT_EQ(pages[0].header, "");
  EXPECT_EQ(pages[0].footer, "||Ver.1.0.0");
  for (size_t p = 1; p < pages.size(); ++p) {
    EXPECT_EQ(pages[p].header, QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ 試験邸 ]")) << p;
    EXPECT_EQ(pages[p].footer, QStringLiteral("|- %1 -|Ver.1.0.0").arg(p)) << p;
  }
  EXPECT_EQ(PageLabel(1, 8), "表紙");
  EXPECT_EQ(PageLabel(2, 8), "1 / 7");
  EXPECT_EQ(PageLabel(8, 8), "7 / 7");
}

TEST(ComposeHeader, ABarInTheBuildingNameCannotSplitTheHeader) {
  EXPECT_EQ(ReportHeaderText(2, "A|B"), QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ A｜B ]"));
  EXPECT_EQ(ReportHeaderText(1, "A"), "");
  EXPECT_EQ(ReportFooterText(12), QStringLiteral("|- 11 -|Ver.1.0.0"));
}

// Font size of the first text op equal to text on page.
double SizeOf(const ComposedReport& r, int page, const char* text) {
  for (const TextOp& op : OpsOf<TextOp>(r.document.pages[static_cast<size_t>(page - 1)])) {
    if (op.text == QString::fromUtf8(text)) return r.document.FontOf(op).points();
  }
  return 0;
}

TEST(ComposeMethod, OrthogonalBeamOptionDecidesSectionThreeAndTableSize) {
  for (int ignore : {0, 1}) {
    Building b = ComposeBuilding();
    b.Settings.IgnoreCrossBeam = ignore;
    const CalcResults calc = test::Calculate(b);
    const ComposedReport r = Compose(b, calc);
    const int method = MarkOf(r.index, ReportEntry::Method).page;
    const int braces = PageOf(r, kHeadBraceCorrection);
    const bool section = PageOf(r, kCrossBeamSectionTitle) != 0;
    EXPECT_EQ(section, ignore == 0) << ignore;
    int pictures = 0;
    for (int p = method; p < braces; ++p) pictures += int(OpsOf<PictureOp>(r.document.pages[size_t(p - 1)]).size());
    EXPECT_EQ(pictures, ignore == 0 ? 1 : 0) << ignore;
    EXPECT_EQ(SizeOf(r, method, "  Ｎ"), ignore == 0 ? 10 : 11) << ignore;
    EXPECT_EQ(SizeOf(r, method, kMethodCase2), 11) << ignore;
  }
}

TEST(ComposeMethod, PictureStandsThreeCentimetresFromThePaperEdge) {
  Building b = ComposeBuilding();
  const CalcResults calc = test::Calculate(b);
  const ComposedReport r = Compose(b, calc);
  for (const Page& page : r.document.pages) {
    for (const PictureOp& pic : OpsOf<PictureOp>(page)) {
      EXPECT_NEAR(pic.rect.left(), 3.0 * kTwipsPerCm, 1);
      EXPECT_LE(pic.rect.bottom(), (29.7 - 2.0) * kTwipsPerCm);
    }
  }
}

// All texts of the pages from..to joined, so wrapped cells read as one text.
QString Joined(const ComposedReport& r, int from, int to) {
  QString all;
  for (int p = from; p <= to; ++p) all += r.document.Texts(p - 1).join(QString());
  return all;
}

TEST(ComposeMethod, LOptionChangesTheLastRowOfTheSecondFormula) {
  for (int lMethod : {0, 1}) {
    Building b = ComposeBuilding();
    b.Settings.LMethod = lMethod;
    b.Settings.IgnoreCrossBeam = 1;
    const CalcResults calc = test::Calculate(b);
    const ComposedReport r = Compose(b, calc);
    const QString text = Joined(r, 2, 2);
    // (a wrap may fall on a blank, which is then not drawn)
    EXPECT_EQ(text.contains(QStringLiteral("２階柱が出隅のとき1.4、２階柱がその他のとき1.6")), lMethod == 1);
    EXPECT_EQ(text.contains(QStringLiteral("直上に柱がない場合は、1.0 とする。")), lMethod == 1);
    EXPECT_EQ(text.contains(QStringLiteral(" 1.0、その他においては 1.6 とする。")), lMethod == 0);
  }
}

TEST(ComposeLists, JointTableUsesTheHardwareListInUseAndMaxMultiplier) {
  Building b = ComposeBuilding();
  b.Settings.MaxWallMultiplier = 4.5f;
  const CalcResults calc = test::Calculate(b);
  HardwareNames names = LoadBuiltInHardwareNames();
  names[0] = {"独自の金物", "1.11 ", "  ", "(9.99)"};
  const ComposedReport r = Compose(b, calc, names);
  const int page = MarkOf(r.index, ReportEntry::HardwareList).page;
  EXPECT_TRUE(PageHas(r, page, "独自の金物"));
  EXPECT_TRUE(PageHas(r, page, "1.11 "));
  EXPECT_TRUE(PageHas(r, page, "(9.99)"));  // capacity line 2 is kept: its name line is blank only
  EXPECT_FALSE(PageHas(r, page, "短ほぞ差し"));
  EXPECT_TRUE(PageHas(r, page, "そのときの最大壁倍率は、｢4.5｣ とする。"));
}

TEST(ComposeLists, BlankSecondLinesLeaveOneLineCells) {
  HardwareNames names = LoadBuiltInHardwareNames();
  names[1] = {"一行目", "3.38 ", " ", ""};
  const FixedTable table = JointSpecTable(names);
  ASSERT_EQ(table.rows.size(), 12u);
  EXPECT_EQ(table.rows[2][3], "一行目");
  EXPECT_EQ(table.rows[2][4], "3.38 ");
  EXPECT_EQ(table.rows[1][3], "短ほぞ差し\rかすがい(C)");
  EXPECT_EQ(table.rows[11][2], "(る)*");
}

TEST(ComposeLists, ABlankFirstLineGivesItsPlaceToTheSecond) {
  HardwareNames names = LoadBuiltInHardwareNames();
  names[2] = {"", "5.0", "二行目だけ", ""};
  names[3] = {"  ", " ", "", "7.41"};
  const FixedTable table = JointSpecTable(names);
  EXPECT_EQ(table.rows[3][3], "二行目だけ");
  EXPECT_EQ(table.rows[3][4], "5.0");
  EXPECT_EQ(table.rows[4][3], "  ");
  EXPECT_EQ(table.rows[4][4], "7.41");
}

TEST(ComposeLists, BraceTablesHaveTheirClassesAndValues) {
  const std::vector<FixedTable> tables = BraceCorrectionTables();
  ASSERT_EQ(tables.size(), 3u);
  for (const FixedTable& t : tables) ASSERT_EQ(t.rows.size(), 7u) << t.title;
  EXPECT_EQ(tables[0].rows[3], (std::vector<std::string>{"30x90以上の筋かい", " 0.5", "-0.5"}));
  EXPECT_EQ(tables[1].rows[1][1], "15x90以上の筋かい\rφ9以上の鉄筋    ");
  EXPECT_EQ(tables[1].rows[5], (std::vector<std::string>{"90x90以上の筋かい", "2.0", "2.5", "2.5", "4.0"}));
  EXPECT_EQ(tables[2].titleLine2, "         (一方が片筋かい、他方がたすき筋かい)");
  EXPECT_EQ(tables[2].rows[0][1], "一方の片筋かい");
  EXPECT_EQ(tables[2].rows[4], (std::vector<std::string>{"45x90以上の筋かい", "0.0", "0.5", "0.5", "2.0"}));
}

TEST(ComposeWarnings, NgAndOverLimitGiveTheirMessagesInOrder) {
  Building b = ComposeBuilding();
  CalcResults calc = test::Calculate(b);
  {
    const ComposedReport r = Compose(b, calc);
    EXPECT_FALSE(r.ng);
    EXPECT_EQ(r.overLimitStorey, 0);
    EXPECT_TRUE(r.Warnings().empty());
  }
  b.Point(1, 1, 1).Column.TopHardware = "(い)";
  b.Point(1, 1, 1).Column.NeedGrade = "(と)";
  calc.Storey(2).overLimit = true;
  const ComposedReport r = Compose(b, calc);
  EXPECT_TRUE(r.ng);
  EXPECT_EQ(r.overLimitStorey, 2);
  ASSERT_EQ(r.Warnings().size(), 2u);
  EXPECT_EQ(r.Warnings()[0], kNgWarning);
  EXPECT_EQ(r.Warnings()[1], kOverLimitWarning);
  EXPECT_TRUE(PageHas(r, MarkOf(r.index, ReportEntry::Results).page, "  NG*"));
}

TEST(ComposeProgress, AdvancesOncePerChapter) {
  test::EnsureGuiApp();
  Building b = ComposeBuilding();
  const CalcResults calc = test::Calculate(b);
  const HardwareNames names = LoadBuiltInHardwareNames();
  std::vector<int> steps;
  PageSurface surface;
  ComposeReport(surface, ReportRequest{b, calc, names, {}, QDate(2024, 3, 5), [&](int k) { steps.push_back(k); }});
  ASSERT_EQ(steps.size(), static_cast<size_t>(kReportChapterCount));
  for (int k = 0; k < kReportChapterCount; ++k) EXPECT_EQ(steps[static_cast<size_t>(k)], k + 1);
}

TEST(ComposeFigures, FigureChaptersDrawBelowTheirHeadings) {
  Building b = ComposeBuilding();
  const CalcResults calc = test::Calculate(b);
  const HardwareNames names = LoadBuiltInHardwareNames();
  test::EnsureGuiApp();
  PageSurface surface;
  std::vector<double> starts;
  auto figure = [&](PageSurface& s, const Building&, const CalcResults&, double y) {
    starts.push_back(y);
    s.Text(0, y, QStringLiteral("図"));
    return y + 1;
  };
  const ComposedReport r = ComposeReport(surface, ReportRequest{b, calc, names, {figure, figure, figure}, QDate(), {}});
  ASSERT_EQ(starts.size(), 3u);
  EXPECT_GT(starts[1], starts[0]);  // 2.1 has two headings and a line above its plans
  EXPECT_TRUE(PageHas(r, MarkOf(r.index, ReportEntry::WallPlans).page, "図"));
  EXPECT_TRUE(PageHas(r, MarkOf(r.index, ReportEntry::HardwareFrames).page, "図"));
}

}  // namespace
}  // namespace tvk
