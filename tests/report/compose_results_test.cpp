// Chapter 2.3 as composed: the header block on every page of the table, the body below it,
// the header variants of the options, the mark of a storey-2 column whose pull-out is not
// transmitted, and a building without columns.
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "report/chapters/report_fixed_texts.h"
#include "report/chapters/results_header_block.h"
#include "report/chapters/results_table_cells.h"
#include "report/compose_test_building.h"

namespace tvk {
namespace {

using test::Compose;
using test::ComposeBuilding;
using test::OpsOf;
using test::PageHas;

int ResultsPage(const ComposedReport& r) { return MarkOf(r.index, ReportEntry::Results).page; }

TEST(ComposeResults, HeaderBlockOnEveryPageAndBodyBelowIt) {
  // 11 x 11 points with a column on each storey: far more rows than one page holds.
  Building b = ComposeBuilding(10, 10);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i)
      b.Point(i, j, 1).Column.ColKind = b.Point(i, j, 2).Column.ColKind = ColumnKind::Storey;
  }
  const CalcResults calc = test::Calculate(b);
  const ComposedReport r = Compose(b, calc);
  const int first = ResultsPage(r);
  ASSERT_GT(r.PageCount(), first + 3);

  test::EnsureGuiApp();
  PageSurface probe;
  probe.SetFont(QStringLiteral("ＭＳ 明朝"), 11);
  const double lp = probe.MeasureA().pitch;
  const double blockTop = (2.0 + lp) * kTwipsPerCm;
  const double bodyTop = blockTop + kResultsHeaderHeight;
  int rows = 0;
  for (int p = first; p <= r.PageCount(); ++p) {
    const Page& page = r.document.pages[static_cast<size_t>(p - 1)];
    EXPECT_EQ(r.document.Texts(p - 1).count(QStringLiteral("通り")), 1) << p;
    EXPECT_TRUE(PageHas(r, p, "=Nx1.96x2.7")) << p;
    for (const TextOp& op : OpsOf<TextOp>(page)) {
      if (op.text.startsWith(QStringLiteral("  X"))) {
        ++rows;
        EXPECT_GT(op.pos.y(), bodyTop) << p;
        EXPECT_LT(op.pos.y(), (29.7 - 2.0) * kTwipsPerCm) << p;
      }
    }
  }
  EXPECT_EQ(rows, 121);
  EXPECT_TRUE(PageHas(r, first, kHeadResults));
  EXPECT_FALSE(PageHas(r, first + 1, kHeadResults));
}

TEST(ComposeResults, HeaderItemsFollowTheOptions) {
  struct Case {
    int lMethod, ignoreCrossBeam, noTransmit;
    std::vector<const char*> present;
    std::vector<const char*> absent;
  };
  const Case cases[] = {
      {0, 0, 0, {"１階Ｎ値", "  ΔN=(A2xB2)       ", "       +[直交梁伝達]", "<N'+ΔN>"}, {"      ----        "}},
      {1, 0, 0, {"   １階Ｎ値  (押さえ係数Ｌ：２階柱の押さえ効果を考慮)", "  ΔN=(A2xB2-L2)  "}, {"１階Ｎ値"}},
      {0, 1, 0, {" 下階柱抜け時の   ", "      xｽﾊﾟﾝ逆比     "}, {"       +[直交梁伝達]"}},
      {0,
       1,
       1,
       {"      ----        ", "Ｎ値"},
       {" 下階柱抜け時の   ", " ２階柱からのΔN  ", "<N'+ΔN>", "      xｽﾊﾟﾝ逆比     "}},
      {0, 0, 1, {" 下階柱抜け時の   ", "       +[直交梁伝達]"}, {"      ----        "}},
  };
  for (const Case& c : cases) {
    Building b = ComposeBuilding();
    b.Settings.LMethod = c.lMethod;
    b.Settings.IgnoreCrossBeam = c.ignoreCrossBeam;
    b.Settings.NoTransmitMissingColumn = c.noTransmit;
    const CalcResults calc = test::Calculate(b);
    const ComposedReport r = Compose(b, calc);
    for (const char* t : c.present)
      EXPECT_TRUE(PageHas(r, ResultsPage(r), t)) << t << " " << c.lMethod << c.ignoreCrossBeam << c.noTransmit;
    for (const char* t : c.absent)
      EXPECT_FALSE(PageHas(r, ResultsPage(r), t)) << t << " " << c.lMethod << c.ignoreCrossBeam << c.noTransmit;
  }
}

TEST(ComposeResults, HeaderTextsAreCentredOverTheirColumns) {
  const CalcSettings settings;
  // Every character 100 twips wide and 160 high.
  const auto placed = LayoutResultsHeader(settings, [](const std::string& t) {
    return TextSize{100.0 * QString::fromStdString(t).size(), 160};
  });
  auto find = [&](const char* text) {
    for (const PlacedText& p : placed) {
      if (p.text == text) return p;
    }
    ADD_FAILURE() << text;
    return PlacedText{};
  };
  // "通り" over column 1 (650 wide) at f = 1.9.
  EXPECT_DOUBLE_EQ(find("通り").x, (650 - 200) / 2.0);
  EXPECT_DOUBLE_EQ(find("通り").y, 1400 / 3.0 * 1.9 - 1.6 * 160 / 1.2);
  // "２階Ｎ値" over columns 3-6: 1100 + 650 + 700 + 0, starting at 1000.
  EXPECT_DOUBLE_EQ(find("２階Ｎ値").x, 1000 + (2450 - 400) / 2.0);
  // "加力方向" one character a line in column 2, one text height apart.
  EXPECT_DOUBLE_EQ(find("力").y - find("加").y, 160);
  EXPECT_DOUBLE_EQ(find("向").x, 650 + (350 - 100) / 2.0);
}

TEST(ComposeResults, RulesOfTheHeaderBlock) {
  const std::vector<RuleLine> rules = ResultsHeaderRules();
  auto has = [&](RuleLine r) {
    for (const RuleLine& l : rules) {
      if (l.x1 == r.x1 && l.y1 == r.y1 && l.x2 == r.x2 && l.y2 == r.y2) return true;
    }
    return false;
  };
  EXPECT_TRUE(has({0, 0, 9300, 0}));
  EXPECT_TRUE(has({0, 1400, 9300, 1400}));
  EXPECT_TRUE(has({1000, 350, 9300, 350}));   // quarter line from the right of column 2
  EXPECT_TRUE(has({2100, 700, 3450, 700}));   // half line under 金物仕様 of storey 2
  EXPECT_TRUE(has({7950, 700, 9300, 700}));   // and of storey 1
  EXPECT_TRUE(has({650, 0, 650, 1400}));      // after column 1, from the top
  EXPECT_TRUE(has({2100, 350, 2100, 1400}));  // after column 3, from the quarter line
  EXPECT_TRUE(has({2750, 700, 2750, 1400}));  // after column 4, from the half line
  EXPECT_TRUE(has({3450, 0, 3450, 1400}));    // after column 6, from the top
  EXPECT_TRUE(has({8600, 700, 8600, 1400}));  // after column 10, from the half line
  EXPECT_EQ(rules.size(), 5u + 13u);
}

// The storey-2 column at (3, 2) stands at the free end of a beam that rests on the
// storey-1 column (2, 2) and pulls along Y: its pull-out reaches no storey-1 column.
TEST(ComposeResults, NotTransmittedColumnIsMarkedRedAndExplainedBelowTheTable) {
  const QString mark = QString::fromUtf8(kNotTransmittedMark);
  const QString legend1 = QString::fromUtf8(kNotTransmittedLegend1);
  const QString legend2 = QString::fromUtf8(kNotTransmittedLegend2);
  const QColor red(255, 0, 0);
  for (const bool lost : {false, true}) {
    Building b = ComposeBuilding();
    if (lost) {
      b.Point(2, 2, 1).Column.ColKind = ColumnKind::Storey;
      b.Point(2, 2, 2).beam(Dir::X).BeamKind = 1;
      b.Point(3, 2, 2).Column.ColKind = ColumnKind::Storey;
      b.Point(3, 2, 2).sheathing(Dir::Y) = WallSeg{.Kind = 4, .KindKey = kKeyMenzai, .Slope = 4, .Multiplier = 2.0f};
    }
    const CalcResults calc = test::Calculate(b);
    ASSERT_EQ(calc.Column(3, 2, 2).notTransmitted, lost ? 1 : 0);
    const ComposedReport r = Compose(b, calc);
    int marks = 0;
    int legendPage = 0;
    for (int p = ResultsPage(r); p <= r.PageCount(); ++p) {
      for (const TextOp& op : OpsOf<TextOp>(r.document.pages[static_cast<size_t>(p - 1)])) {
        if (op.text == mark) {
          ++marks;
          EXPECT_EQ(op.color, red);
        }
        if (op.text == legend1) legendPage = p;
      }
    }
    EXPECT_EQ(marks, lost ? 2 : 0);  // in the table and in the legend
    if (!lost) {
      EXPECT_EQ(legendPage, 0);
      continue;
    }
    // On its page the legend follows everything of the table: its red mark, then its two
    // lines in black, below the table's last rule and inside the margin box.
    ASSERT_EQ(legendPage, r.PageCount());
    const std::vector<PageOp>& ops = r.document.pages[static_cast<size_t>(legendPage - 1)].ops;
    size_t k = 0;
    double tableBottom = 0;
    for (; k < ops.size(); ++k) {
      if (const auto* t = std::get_if<TextOp>(&ops[k]); t && t->text == mark) break;
      if (const auto* l = std::get_if<LineOp>(&ops[k])) tableBottom = std::max({tableBottom, l->from.y(), l->to.y()});
    }
    ASSERT_LT(k + 2, ops.size());
    const auto& legendMark = std::get<TextOp>(ops[k]);
    const auto& line1 = std::get<TextOp>(ops[k + 1]);
    const auto& line2 = std::get<TextOp>(ops[k + 2]);
    EXPECT_GT(legendMark.pos.y(), tableBottom);
    EXPECT_EQ(line1.text, legend1);
    EXPECT_EQ(line2.text, legend2);
    EXPECT_EQ(line1.color, QColor(Qt::black));
    EXPECT_GT(line1.pos.x(), legendMark.pos.x());
    EXPECT_DOUBLE_EQ(line1.pos.y(), legendMark.pos.y());
    EXPECT_DOUBLE_EQ(line2.pos.x(), line1.pos.x());
    EXPECT_GT(line2.pos.y(), line1.pos.y());
    EXPECT_LT(line2.pos.y(), (29.7 - 2.0) * kTwipsPerCm);
  }
}

TEST(ComposeResults, BuildingWithoutColumnsSaysSo) {
  test::PlanBuilder p(1, 2, 2);
  p.b.Info.BuildingName = "空";
  const CalcResults calc = test::Calculate(p.b);
  const ComposedReport r = Compose(p.b, calc);
  EXPECT_TRUE(PageHas(r, ResultsPage(r), kNoColumnsText));
  EXPECT_EQ(ResultsPage(r), r.PageCount());
  EXPECT_FALSE(r.ng);
}

}  // namespace
}  // namespace tvk
