// The storey-height factor in the report: chapter 1.2 with the H/2.7 terms and the heights
// used, the results table's formula texts with the factor, and a report unchanged in every
// recorded text where no storey is taller than 3.2 m.
#include <gtest/gtest.h>

#include "model/profile_store.h"
#include "report/chapters/height_terms.h"
#include "report/chapters/report_context.h"
#include "report/chapters/results_table_cells.h"
#include "report/compose_test_building.h"

namespace tvk {
namespace {

using test::Compose;
using test::ComposeBuilding;

void SetHeights(Building& b, std::optional<int> h1, std::optional<int> h2) {
  BuildingProfile p;
  p.h1 = h1;
  p.h2 = h2;
  ASSERT_FALSE(WriteProfile(b, p).has_value());
}

QString Joined(const ComposedReport& r, int page) { return r.document.Texts(page - 1).join(QString()); }

TEST(HeightTerms, FactorTermNamesTheHeightOfAScaledStorey) {
  Building b = ComposeBuilding();
  EXPECT_FALSE(AnyHeightFactor(b));
  EXPECT_EQ(HeightFactorTerm(b, 1), "");
  SetHeights(b, 3200, 3300);
  EXPECT_TRUE(AnyHeightFactor(b));
  EXPECT_EQ(HeightFactorTerm(b, 1), "");
  EXPECT_EQ(HeightFactorTerm(b, 2), "x3.30/2.7");
  SetHeights(b, 3255, std::nullopt);
  EXPECT_EQ(HeightFactorTerm(b, 1), "x3.255/2.7");
  EXPECT_EQ(HeightFactorTerm(b, 2), "");
  EXPECT_EQ(HeightsUsedLine(b), "本建物の階高Ｈ(横架材上端間)：１階 3.255m、２階 未入力(2.7 とする)");
  SetHeights(b, 3000, 3500);
  EXPECT_EQ(HeightsUsedLine(b), "本建物の階高Ｈ(横架材上端間)：１階 3.00m(2.7 とする)、２階 3.50m");
}

// Storey-2 corner column at (1,1) with A = 2.5 along X over a storey-1 column with A = 1.5.
TEST(HeightTerms, ResultsCellsShowTheFactorOfEachProduct) {
  test::PlanBuilder p(2, 2, 2);
  p.Floor(1, 1, 1, 2, 2).Floor(2, 1, 1, 2, 2).Column(1, 1, 1).Column(1, 1, 2);
  p.Sheathing(2, Dir::X, 1, 1, 1, 5).Sheathing(1, Dir::X, 1, 1, 1, 3);
  SetHeights(p.b, 3500, 3300);
  const CalcResults calc = test::Calculate(p.b);
  const std::optional<ResultsRow> row = ResultsRowCells(p.b, calc, {1, 1});
  ASSERT_TRUE(row.has_value());
  // 2.5 x 0.8 x 3.3/2.7 - 0.4 = 2.0444; the height term on a line of its own
  EXPECT_EQ(row->cells[2].substr(0, row->cells[2].find("\r―")), "2.04\r=2.5x0.8\rx3.30/2.7-0.4\r(10.82kN)");
  // 1.5 x 0.8 x 3.5/2.7 + 2.5 x 0.8 x 3.3/2.7 - 1.0 = 1.5556 + 2.4444 - 1.0 = 3.0
  EXPECT_EQ(row->cells[5].substr(0, row->cells[5].find("\r―")), "3.00\r=1.5x0.8x3.50/2.7\r+2.5x0.8x3.30/2.7-1.0");
}

// A storey-2 column on a beam between storey-1 columns passes A2 x B2 x 3.3/2.7 down.
TEST(HeightTerms, DeltaNTermsCarryTheStoreyTwoFactor) {
  test::PlanBuilder p(2, 4, 1, 1, 0.91f);
  p.Floor(1, 1, 1, 4, 1).Floor(2, 1, 1, 4, 1);
  p.Column(1, 1, 1).Column(5, 1, 1).Column(2, 1, 2).Beam(2, Dir::X, 1, 1, 4).Sheathing(2, Dir::X, 2, 1, 1, 4);
  SetHeights(p.b, 3000, 3300);
  const CalcResults calc = test::Calculate(p.b);
  const std::string cell = DeltaNCell(p.b, calc, Dir::X, {1, 1});
  EXPECT_EQ(cell, "0.92\r=(2.0x0.5x3.30/2.7)\rx0.75");
}

TEST(ComposeHeights, MethodChapterPrintsTheHeightTermsAndTheHeightsUsed) {
  Building b = ComposeBuilding();
  b.Settings.IgnoreCrossBeam = 1;
  SetHeights(b, 3000, 3300);
  const CalcResults calc = test::Calculate(b);
  const ComposedReport r = Compose(b, calc);
  const QString page = Joined(r, 2);
  for (const char* text : {"Ｎ＝Ａ1×Ｂ1×Ｈ1/2.7－Ｌ", "Ｎ＝Ａ1×Ｂ1×Ｈ1/2.7+Ａ2×Ｂ2×Ｈ2/2.7－Ｌ", "  Ｈ1", "  Ｈ2",
                           "  Ａ1,Ｂ1,Ｈ1", "本建物の階高Ｈ(横架材上端間)：１階 3.00m(2.7 とする)、２階 3.30m"}) {
    EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text;
  }
  EXPECT_FALSE(page.contains(QStringLiteral("Ｎ＝Ａ1×Ｂ1－Ｌ")));
}

// Every text of every page, with its position and font.
std::vector<std::tuple<size_t, QString, QPointF, FontKey>> AllTexts(const ComposedReport& r) {
  std::vector<std::tuple<size_t, QString, QPointF, FontKey>> texts;
  for (size_t p = 0; p < r.document.pages.size(); ++p) {
    for (const PageOp& op : r.document.pages[p].ops) {
      if (const auto* t = std::get_if<TextOp>(&op)) texts.emplace_back(p, t->text, t->pos, r.document.FontOf(*t));
    }
  }
  return texts;
}

TEST(ComposeHeights, StoreysOfThreePointTwoMetresOrLessLeaveTheReportAsItWas) {
  for (int ignore : {0, 1}) {
    SCOPED_TRACE(ignore);
    Building plain = ComposeBuilding();
    plain.Settings.IgnoreCrossBeam = ignore;
    Building low = plain;
    SetHeights(low, 2900, 3200);
    const CalcResults plainCalc = test::Calculate(plain);
    const CalcResults lowCalc = test::Calculate(low);
    const ComposedReport a = Compose(plain, plainCalc);
    const ComposedReport b = Compose(low, lowCalc);
    ASSERT_EQ(a.PageCount(), b.PageCount());
    EXPECT_TRUE(AllTexts(a) == AllTexts(b));
    for (size_t p = 0; p < a.document.pages.size(); ++p) {
      EXPECT_EQ(a.document.pages[p].ops.size(), b.document.pages[p].ops.size()) << p;
    }
  }
}

}  // namespace
}  // namespace tvk
