// Chapter 5 of the report (column small diameter and tributary areas): there only with a
// building profile; its tables with the arithmetic, the plans, the NG list, what a profile
// lacks, and pages on which nothing runs over the margins.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "engine/profile_checks.h"
#include "model/number_format.h"
#include "model/profile_store.h"
#include "report/chapters/column_size_texts.h"
#include "report/chapters/report_fixed_texts.h"
#include "report/compose_test_building.h"
#include "report/figure_test_ops.h"
#include "report/figures/plan_figures.h"
#include "report/figures/tributary_plan.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::Compose;
using test::ComposeBuilding;
using test::PageHas;
using test::PageOf;

BuildingProfile Sugi2Profile(int section1 = 105, int section2 = 105) {
  BuildingProfile p = test::PublishedProfile();
  p.wood = WoodChoice{ColumnWood::Sugi2, 0};
  p.column = {ColumnSection{section1, section1}, ColumnSection{section2, section2}};
  return p;
}

// A building with a profile and the results of its calculation.
struct Profiled {
  Building b;
  CalcResults calc;

  ComposedReport Report() const { return Compose(b, calc); }
  ProfileChecks Checks(const BuildingProfile& profile) const { return RunProfileChecks(b, profile, calc); }
  ProfileChecks Checks() const { return Checks(ReadProfile(b)); }
};

Profiled WithProfile(const BuildingProfile& profile, int spansX = 4, int spansY = 4) {
  Building b = ComposeBuilding(spansX, spansY);
  b.Settings.IgnoreCrossBeam = 1;
  EXPECT_FALSE(WriteProfile(b, profile));
  CalcResults calc = test::Calculate(b);
  return {std::move(b), std::move(calc)};
}

int PageAt(const ComposedReport& r, ReportEntry e) { return MarkOf(r.index, e).page; }

// The texts of a page joined, for looking up a value that a table cell carries in its lines.
QString PageText(const ComposedReport& r, int page) { return r.document.Texts(page - 1).join("\n"); }

// Texts whose font and position put them past the right margin or into the bottom margin
// (the page header and footer live in the margins and are left out).
QStringList TextsOutsideTheMargins(const ComposedReport& r, int page) {
  const Page& p = r.document.pages.at(static_cast<size_t>(page - 1));
  const PageMargins margins;
  const double right = p.paperSize.width() - margins.right * kTwipsPerCm;
  const double bottom = p.paperSize.height() - margins.bottom * kTwipsPerCm;
  const QStringList margin = (p.header + "|" + p.footer).split('|');
  QStringList outside;
  for (const TextOp& op : test::OpsOf<TextOp>(p)) {
    if (op.angle != 0 || margin.contains(op.text)) continue;
    const ReportFontMetrics metrics(MakeReportFont(r.document.FontOf(op)));
    if (op.pos.x() + metrics.Width(op.text) > right + 1 || op.pos.y() + metrics.Height() > bottom + 1) {
      outside << op.text;
    }
  }
  return outside;
}

TEST(ComposeColumnSize, ChapterFiveNeedsMoreOfTheProfileThanTheStoreyHeights) {
  BuildingProfile heights;
  heights.h1 = 3000;
  heights.h2 = 2900;
  BuildingProfile wood;
  wood.wood = WoodChoice{ColumnWood::Sugi, 0};
  const struct {
    const char* what;
    std::optional<BuildingProfile> profile;
    bool chapter;
  } cases[] = {{"no profile", std::nullopt, false}, {"heights only", heights, false}, {"wood only", wood, true}};
  for (const auto& c : cases) {
    Building b = ComposeBuilding();
    if (c.profile) {
      EXPECT_FALSE(WriteProfile(b, *c.profile)) << c.what;
    }
    const CalcResults calc = test::Calculate(b);
    const ComposedReport r = Compose(b, calc);
    EXPECT_EQ(PageOf(r, kHeadColumnSize) != 0, c.chapter) << c.what;
    for (ReportEntry e : {ReportEntry::ColumnDiameter, ReportEntry::ColumnAreas, ReportEntry::ColumnCheck}) {
      EXPECT_EQ(PageAt(r, e) != 0, c.chapter) << c.what;
    }
    // Chapter 4 wants more of the profile than the wood: this report has none of it.
    EXPECT_EQ(r.PageCount() > 9, c.chapter) << c.what;
  }
}

struct ColumnChapter : ::testing::Test {
  static void SetUpTestSuite() {
    building = new Profiled(WithProfile(Sugi2Profile()));
    report = new ComposedReport(building->Report());
  }
  static void TearDownTestSuite() {
    delete report;
    delete building;
  }
  static Profiled* building;
  static ComposedReport* report;
};
Profiled* ColumnChapter::building = nullptr;
ComposedReport* ColumnChapter::report = nullptr;

TEST_F(ColumnChapter, FollowsChapterFourWithItsSectionsAndPageBreaks) {
  const ComposedReport& r = *report;
  // The published profile brings chapter 4 too; chapter 5 starts on the page after its end.
  const int first = PageOf(r, kHeadColumnSize);
  ASSERT_GT(PageAt(r, ReportEntry::WallQuarters), 0);
  EXPECT_GT(first, PageAt(r, ReportEntry::WallQuarters));
  EXPECT_EQ(PageAt(r, ReportEntry::ColumnDiameter), first);
  EXPECT_TRUE(PageHas(r, first, kHeadColumnDiameter));
  EXPECT_TRUE(PageHas(r, first, kColumnFormulaTitle));
  // Two storey tables, 5.2 on a new page with one plan per storey, 5.3 below the last plan
  // (its one line fits there).
  const int plans = PageAt(r, ReportEntry::ColumnAreas);
  EXPECT_GT(plans, first);
  EXPECT_TRUE(PageHas(r, plans, kHeadColumnAreaPlans));
  EXPECT_TRUE(r.document.Texts(plans - 1).contains(TributaryPlanTitle(1)));
  EXPECT_TRUE(r.document.Texts(plans).contains(TributaryPlanTitle(2)));
  EXPECT_EQ(PageAt(r, ReportEntry::ColumnCheck), plans + 1);
  EXPECT_TRUE(PageHas(r, plans + 1, kHeadColumnAreaCheck));
  EXPECT_TRUE(PageHas(r, plans + 1, kNoNgColumns));
  EXPECT_EQ(r.PageCount(), plans + 1);
  // Heading y of 5.1 lies one line below the chapter heading on its page.
  EXPECT_GT(MarkOf(r.index, ReportEntry::ColumnDiameter).headingYTw, 2.0 * kTwipsPerCm);
  for (int p = first; p <= r.PageCount(); ++p) EXPECT_EQ(TextsOutsideTheMargins(r, p), QStringList()) << p;
}

TEST_F(ColumnChapter, StoreyTablesShowTheArithmeticOfThePublishedCheck) {
  const ComposedReport& r = *report;
  QString text;
  for (int p = PageAt(r, ReportEntry::ColumnDiameter); p < PageAt(r, ReportEntry::ColumnAreas); ++p) {
    text += PageText(r, p) + "\n";
  }
  // Published (すぎ二級, 105 □): 2F outer 14.9 m², 1F outer 5.8 m²; W2 = roof + 0.5·wall(h2) = 1.905.
  const struct {
    const char* text;
  } expected[] = {
      {"表-5.1.1.１階の柱"},
      {"表-5.1.2.２階の柱"},
      {"＝1.905"},
      {"＝2880"},
      {"＝2895"},
      {"→ 5.8"},
      {"→ 14.9"},
      {"すぎ二級 (Fc 20.4)"},
      {"105×105"},
      {"＝1.910"},
      {"l＝h－120"},
      {"l＝h－105"},
      {"150未満"},
      {"105≧102"},
      {"105≧81"},
  };
  for (const auto& e : expected) EXPECT_TRUE(text.contains(QString::fromUtf8(e.text))) << e.text;
  EXPECT_FALSE(text.contains(QString::fromUtf8(kNoValue)));
  // The header row heads the table again on the page it runs over to.
  int headers = 0;
  for (int p = PageAt(r, ReportEntry::ColumnDiameter); p < PageAt(r, ReportEntry::ColumnAreas); ++p) {
    headers += PageHas(r, p, "外周の柱") ? 1 : 0;
  }
  EXPECT_GE(headers, 2);
}

TEST_F(ColumnChapter, PlansCarryEveryColumnsAreaAtTheColumn) {
  const ComposedReport& r = *report;
  const ProfileChecks checks = building->Checks();
  for (int storey = 1; storey <= 2; ++storey) {
    const int page = PageAt(r, ReportEntry::ColumnAreas) + storey - 1;
    const QStringList texts = r.document.Texts(page - 1);
    int columns = 0;
    int outer = 0;
    for (const ColumnSizeColumn& c : checks.columnSize.columns) {
      if (c.tributary.storey != storey) continue;
      ++columns;
      outer += c.tributary.outer ? 1 : 0;
      EXPECT_TRUE(texts.contains(QString::fromStdString(FormatFixed(c.tributary.areaM2, 2)))) << storey;
    }
    // A square per column, open for an outer one, none red; the legend shows an inner, an
    // outer, a red and a through column.
    const std::vector<RectOp> squares = test::SquaresOfSide(r.document, page - 1, kPlanColumnSide);
    EXPECT_EQ(squares.size(), static_cast<size_t>(columns) + 4);
    EXPECT_EQ(
        std::count_if(squares.begin(), squares.end(), [](const RectOp& op) { return op.brush.color == Qt::white; }),
        outer + 1);
    EXPECT_EQ(test::CountRects(r.document, page - 1, Qt::SolidPattern, QColor(255, 0, 0)), 1);
    // Every area stands beside a column: its label box touches the column's surroundings.
    int labels = 0;
    for (const TextOp& op : test::PageTexts(r.document, page - 1)) {
      if (!QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$")).match(op.text).hasMatch()) continue;
      ++labels;
      const bool beside = std::any_of(squares.begin(), squares.end(), [&](const RectOp& sq) {
        return std::hypot(op.pos.x() - sq.rect.center().x(), op.pos.y() - sq.rect.center().y()) < 0.6 * kTwipsPerCm;
      });
      EXPECT_TRUE(beside) << op.text.toStdString();
    }
    EXPECT_EQ(labels, columns);
    int tinted = 0;
    for (const PolygonOp& op : test::OpsOf<PolygonOp>(r.document.pages[size_t(page - 1)])) {
      tinted += op.brush.style == Qt::SolidPattern && op.brush.color != TributaryNgTint() ? 1 : 0;
    }
    EXPECT_GT(tinted, 0);
  }
}

TEST(ComposeColumnSize, NgColumnsAreRedAndListedAcrossPages) {
  // 60 □ on 1F may carry 0.5 m² as an outer column (λ 166, η 0.109): on a ring of columns
  // around a large floor most 1F columns are NG.
  const Profiled p = WithProfile(Sugi2Profile(60, 105), 20, 20);
  const Building& b = p.b;
  const ComposedReport r = p.Report();
  const ProfileChecks checks = p.Checks();
  std::vector<const ColumnSizeColumn*> ng;
  for (const ColumnSizeColumn& c : checks.columnSize.columns) {
    if (!*c.ok) ng.push_back(&c);
  }
  ASSERT_GT(ng.size(), 50u);
  int ng1 = 0;
  for (const ColumnSizeColumn* c : ng) ng1 += c->tributary.storey == 1 ? 1 : 0;
  const int plan1 = PageAt(r, ReportEntry::ColumnAreas);
  EXPECT_EQ(test::CountRects(r.document, plan1 - 1, Qt::SolidPattern, QColor(255, 0, 0)), ng1 + 1) << "and the legend";

  const CheckTable table = NgColumnsTable(b, checks);
  ASSERT_EQ(table.rows.size(), ng.size());
  EXPECT_EQ(table.red.size(), ng.size());
  const ColumnTributary& t = ng.front()->tributary;
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"１階", b.LineNameX(t.at.i) + "-" + b.LineNameY(t.at.j), "外周",
                                                     FormatFixed(t.areaM2, 2), "0.5", "NG"}));
  // The list runs over to the next page with its header row.
  const int check = PageAt(r, ReportEntry::ColumnCheck);
  ASSERT_GT(check, 0);
  EXPECT_GT(r.PageCount(), check);
  EXPECT_TRUE(PageHas(r, check, kNgColumnsIntro));
  EXPECT_TRUE(PageHas(r, check, "負担可能面積(m²)"));
  EXPECT_TRUE(PageHas(r, check + 1, "負担可能面積(m²)"));
  for (int p = PageAt(r, ReportEntry::ColumnDiameter); p <= r.PageCount(); ++p) {
    EXPECT_EQ(TextsOutsideTheMargins(r, p), QStringList()) << p;
  }
}

TEST(ComposeColumnSize, WhatTheProfileLacksStandsInsteadOfNumbers) {
  BuildingProfile profile;
  profile.h1 = 2900;
  profile.wood = WoodChoice{ColumnWood::Sugi, 0};
  const ComposedReport r = WithProfile(profile).Report();
  const int first = PageAt(r, ReportEntry::ColumnDiameter);
  ASSERT_GT(first, 0);
  QString text;
  for (int p = first; p <= r.PageCount(); ++p) text += PageText(r, p) + "\n";
  EXPECT_TRUE(text.contains(QString::fromUtf8(kNoValue)));
  EXPECT_TRUE(text.contains(QStringLiteral("＝2780")));  // l of 1F under a 2F from the height given
  EXPECT_TRUE(text.contains(QStringLiteral("17.7")));
  // Plans with the areas are there; nothing is judged, and the reason is given per storey.
  EXPECT_GT(PageAt(r, ReportEntry::ColumnAreas), first);
  EXPECT_FALSE(text.contains(QString::fromUtf8(kNoNgColumns)));
  EXPECT_FALSE(text.contains(QString::fromUtf8(kNgColumnsIntro)));
  for (int p = first; p <= r.PageCount(); ++p) EXPECT_EQ(TextsOutsideTheMargins(r, p), QStringList()) << p;
}

TEST(ColumnSizeTexts, MissingInputsAreNamedAsTheProfileDialogNamesThem) {
  BuildingProfile profile;
  profile.h1 = 2900;
  const Profiled b = WithProfile(profile);
  const ProfileChecks checks = b.Checks(profile);
  const ColumnStorey& first = checks.columnSize.storeys[0];
  EXPECT_EQ(NotJudgedLine(first),
            "１階の柱：負担可能面積が求められないため検定できません(未入力：２階の階高、軒の出、屋根勾配、屋根仕上げ、"
            "外壁仕上げ、柱の樹種、柱の断面 (１階))");
  EXPECT_EQ(ColumnStoreyTable(checks, profile, 1, 2).notes,
            std::vector<std::string>{"※ 次の項目がないため算定できません：２階の階高、軒の出、屋根勾配、屋根仕上げ、"
                                     "外壁仕上げ、柱の樹種、柱の断面 (１階)"});
  EXPECT_TRUE(ColumnStoreyTable(b.Checks(Sugi2Profile()), Sugi2Profile(), 1, 2).notes.empty());
  // Only the outer columns lack the wall finish.
  BuildingProfile noWall = Sugi2Profile();
  noWall.wall.reset();
  const ProfileChecks partly = b.Checks(noWall);
  EXPECT_EQ(NotJudgedLine(partly.columnSize.storeys[1]),
            "２階の外周の柱：負担可能面積が求められないため検定できません(未入力：外壁仕上げ)");
}

TEST(ColumnSizeTexts, OneStoreyTablesHaveNoStoreyAbove) {
  test::PlanBuilder p(1, 4, 4);
  p.Floor(1, 1, 1, 4, 4).Column(1, 1, 1).Column(5, 5, 1);
  BuildingProfile profile = Sugi2Profile();
  profile.h2.reset();
  profile.column[1].reset();
  const CalcResults calc = test::Calculate(p.b);
  const ProfileChecks checks = RunProfileChecks(p.b, profile, calc);
  const CheckTable table = ColumnStoreyTable(checks, profile, 1, 1);
  EXPECT_EQ(table.title, "表-5.1.1.１階の柱");
  EXPECT_EQ(table.header, (std::vector<std::string>{"項目", "算定式", "外周の柱", "内部の柱"}));
  std::vector<std::string> labels;
  for (const auto& row : table.rows) labels.push_back(row[0]);
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "２階の壁\r(kN/m²)"), 0);
  EXPECT_EQ(std::count(labels.begin(), labels.end(), "１階の壁\r(kN/m²)"), 1);
  // One storey: l = h - 105, Wd = roof + 0.5·wall(h1) = 1.905 as for the 2F of the published check.
  bool length = false;
  bool wd = false;
  for (const auto& row : table.rows) {
    length = length || row[2] == "3000－105\r＝2895";
    wd = wd || row[2].ends_with("＝1.905");
  }
  EXPECT_TRUE(length);
  EXPECT_TRUE(wd);
  // すぎ無等級 105 □ outer: (1.1/3)·0.346·17.7·105·105/1.905/1000 = 12.9996: the value before
  // rounding down never reads above the result.
  profile.wood = WoodChoice{ColumnWood::Sugi, 0};
  const ProfileChecks sugi = RunProfileChecks(p.b, profile, calc);
  bool area = false;
  for (const auto& row : ColumnStoreyTable(sugi, profile, 1, 1).rows) area = area || row[2].ends_with("＝12.99 → 12.9");
  EXPECT_TRUE(area);
}

}  // namespace
}  // namespace tvk
