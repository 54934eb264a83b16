// Table layout on the page surface: column widths and alignment, hidden columns, cell lines
// and wrapping, rules and attributes, and breaking across pages under a page-started block.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"
#include "report/surface_test_app.h"

namespace tvk {
namespace {

using test::OpsOf;

const double kLeft = CmToTwips(2.3);  // paper x of the margin box
const double kTop = CmToTwips(2.0);   // paper y of the margin box
const double kBottom = CmToTwips(2.0) + 25.7 * kTwipsPerCm;
constexpr double kLine10 = 200;  // text height of a 10 pt face

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApp();
    surface_.SetFont(QStringLiteral("ＭＳ 明朝"), 10);
  }
  // Draws the table on a new document at y (cm) and returns its first page.
  const Page& Draw(const PageTable& table, double y = 0) {
    surface_.BeginDocument();
    surface_.SetCurrentY(y);
    DrawTable(surface_, table);
    surface_.EndDocument();
    return surface_.Document().pages[0];
  }
  double Width(const QString& text, double points = 10) {
    return surface_.Metrics(surface_.FontIndex({QStringLiteral("ＭＳ 明朝"), int(points * 20), false})).Width(text);
  }
  PageSurface surface_;
};

TEST_F(TableTest, ColumnsTakeTheirWidthsFromTheFormat) {
  PageTable t(u"+^700|+<6700|+^1600;");
  t.AddBody(u"(1)|筋かい|1.0;");
  const auto rules = OpsOf<RectOp>(Draw(t, 1.0));
  ASSERT_EQ(rules.size(), 3u);
  const double widths[] = {700, 6700, 1600};
  double x = kLeft;
  for (int i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(rules[i].rect.left(), x);
    EXPECT_DOUBLE_EQ(rules[i].rect.width(), widths[i]);
    EXPECT_DOUBLE_EQ(rules[i].rect.top(), kTop + 567);
    EXPECT_DOUBLE_EQ(rules[i].rect.height(), kLine10 + 2 * kCellPadY);
    EXPECT_EQ(rules[i].pen.style, Qt::SolidLine);
    EXPECT_EQ(rules[i].brush.style, Qt::NoBrush);
    x += widths[i];
  }
  // The current y lies below the table.
  EXPECT_NEAR(surface_.CurrentY(), 1.0 + (kLine10 + 2 * kCellPadY) / kTwipsPerCm, 1e-9);
}

TEST_F(TableTest, CellTextIsAlignedInsideItsPadding) {
  PageTable t(u"+<1000|+^1000|+>1000|+1000;");
  t.AddBody(u"軸|軸組|a|b;");
  const auto texts = OpsOf<TextOp>(Draw(t));
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_DOUBLE_EQ(texts[0].pos.x(), kLeft + kCellPadX);
  EXPECT_DOUBLE_EQ(texts[1].pos.x(), kLeft + 1000 + (1000 - Width(QStringLiteral("軸組"))) / 2);
  EXPECT_DOUBLE_EQ(texts[2].pos.x(), kLeft + 3000 - kCellPadX - Width(QStringLiteral("a")));
  EXPECT_DOUBLE_EQ(texts[3].pos.x(), kLeft + 3000 + kCellPadX);  // no mark: left
  for (const TextOp& text : texts) EXPECT_DOUBLE_EQ(text.pos.y(), kTop + kCellPadY);
}

TEST_F(TableTest, ZeroWidthColumnsAreHidden) {
  PageTable t(u"+<500|+<0|+<800;");
  t.SetHeader(u"h1|h2|h3");
  t.AddBody(u"a|b|c;");
  const Page& page = Draw(t);
  EXPECT_EQ(surface_.Document().Texts(0), (QStringList{"h1", "h3", "a", "c"}));
  const auto rules = OpsOf<RectOp>(page);
  ASSERT_EQ(rules.size(), 4u);
  EXPECT_DOUBLE_EQ(rules[1].rect.left(), kLeft + 500);
  EXPECT_DOUBLE_EQ(rules[1].rect.width(), 800);
}

TEST_F(TableTest, CellLinesAndWrappingSetTheRowHeight) {
  struct Case {
    const char* cell;
    int width;
    QStringList lines;
  };
  const Case cases[] = {
      {"A\rB\nC\r\nD", 1000, {"A", "B", "C", "D"}},
      {"15x90以上の筋かい\rφ9以上の鉄筋    ", 2200, {"15x90以上の筋かい", "φ9以上の鉄筋    "}},
      {"たすき筋かいの場合、補正値を｢0｣とする。", 2200, {"たすき筋かいの場合、", "補正値を｢0｣とする。"}},
      {"", 1000, {}},
  };
  for (const Case& c : cases) {
    PageTable t(std::vector<TableColumn>{{c.width, TextAlign::Left}, {500, TextAlign::Left}});
    t.AddRow({QString::fromUtf8(c.cell), QStringLiteral("x")});
    const Page& page = Draw(t);
    QStringList lines = surface_.Document().Texts(0);
    lines.removeLast();  // "x"
    EXPECT_EQ(lines, c.lines) << c.cell;
    const auto texts = OpsOf<TextOp>(page);
    for (int i = 0; i < int(lines.size()); ++i) {
      EXPECT_DOUBLE_EQ(texts[i].pos.y(), kTop + kCellPadY + i * kLine10) << c.cell;
      EXPECT_LE(Width(texts[i].text), c.width - 2 * kCellPadX) << c.cell;
    }
    const double rows = std::max<double>(1, lines.size());
    EXPECT_DOUBLE_EQ(OpsOf<RectOp>(page)[0].rect.height(), rows * kLine10 + 2 * kCellPadY) << c.cell;
  }
}

TEST_F(TableTest, RulesCanBeSwitchedOffPerTableAndPerCellRange) {
  struct Case {
    const char* name;
    bool tableRules;
    std::function<void(PageTable&)> style;
    size_t rules;
  };
  const Case cases[] = {
      {"all ruled", true, [](PageTable&) {}, 6},
      {"table off", false, [](PageTable&) {}, 0},
      {"row 1 off", true, [](PageTable& t) { t.SetStyle(1, 1, 1, -1, CellStyle{.ruled = false}); }, 3},
      {"table off, one cell on", false, [](PageTable& t) { t.SetStyle(2, 3, 2, 3, CellStyle{.ruled = true}); }, 1},
  };
  for (const Case& c : cases) {
    PageTable t(u"+^100|+^100|+^100;");
    t.AddBody(u"a|b|c;d|e|f;");
    c.style(t);
    surface_.SetTableRules(c.tableRules);
    EXPECT_EQ(OpsOf<RectOp>(Draw(t)).size(), c.rules) << c.name;
    EXPECT_EQ(surface_.State().tableRules, c.tableRules) << c.name;
  }
  surface_.SetTableRules(true);
}

TEST_F(TableTest, AttributesChangeFontBackgroundAlignmentAndSpan) {
  PageTable t(u"+^2200|+^1200|+^1200;");
  t.AddBody(u"|取り付く位置|;筋かいの種類|柱頭部|柱脚部;たすき筋かいの場合、補正値を｢0｣とする。||;");
  t.SetStyle(1, 2, 1, 2, CellStyle{.span = 2});
  t.SetStyle(2, 1, 2, -1, CellStyle{.fontSize = 12, .bold = true, .background = QColor(Qt::lightGray)});
  t.SetStyle(3, 1, 3, 1, CellStyle{.align = TextAlign::Left, .textColor = QColor(Qt::red), .span = 3});
  const Page& page = Draw(t);
  const PageDocument& doc = surface_.Document();
  const auto texts = OpsOf<TextOp>(page);
  ASSERT_EQ(texts.size(), 5u);
  // Row 1: the spanning cell is centred over columns 2 and 3.
  EXPECT_DOUBLE_EQ(texts[0].pos.x(), kLeft + 2200 + (2400 - Width(QStringLiteral("取り付く位置"))) / 2);
  // Row 2: 12 pt bold on a grey ground.
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(doc.FontOf(texts[i]).sizeTwips, 240);
    EXPECT_TRUE(doc.FontOf(texts[i]).bold);
  }
  // Row 3: one cell over the whole width, left-aligned, red, on one line.
  EXPECT_EQ(texts[4].text, QStringLiteral("たすき筋かいの場合、補正値を｢0｣とする。"));
  EXPECT_DOUBLE_EQ(texts[4].pos.x(), kLeft + kCellPadX);
  EXPECT_EQ(texts[4].color, QColor(Qt::red));
  const auto rects = OpsOf<RectOp>(page);
  const auto grounds =
      std::count_if(rects.begin(), rects.end(), [](const RectOp& r) { return r.brush.style == Qt::SolidPattern; });
  EXPECT_EQ(grounds, 3);
  const RectOp& last = rects.back();
  EXPECT_DOUBLE_EQ(last.rect.width(), 4600);
  // The grey ground comes before the row's text.
  size_t groundAt = 0;
  size_t textAt = 0;
  for (size_t i = 0; i < page.ops.size(); ++i) {
    if (const auto* r = std::get_if<RectOp>(&page.ops[i]); r && r->brush.style == Qt::SolidPattern && !groundAt)
      groundAt = i;
    if (const auto* x = std::get_if<TextOp>(&page.ops[i]); x && x->text == QStringLiteral("筋かいの種類")) textAt = i;
  }
  EXPECT_LT(groundAt, textAt);
}

// The results table: a header block drawn by the page-started handler on every page; the
// body breaks between rows and continues below the block.
TEST_F(TableTest, BreaksAcrossPagesBelowTheHandlersBlock) {
  const double blockTop = 0.5;
  const double blockBottom = blockTop + 1400.0 / kTwipsPerCm;
  int calls = 0;
  surface_.SetPageStartedHandler([&](PageSurface& s) {
    ++calls;
    s.SetFont(QStringLiteral("ＭＳ Ｐ明朝"), 8);
    s.Text(0, blockTop, QStringLiteral("通り"));
    s.SetCurrentY(blockBottom);
  });
  PageTable t(u"+<650|+^350|+^1100;");
  const int rowCount = 60;
  for (int i = 0; i < rowCount; ++i) {
    t.AddRow({QStringLiteral("  X%1\r  Y1").arg(i), QStringLiteral("X―\rY"), QStringLiteral("1.23\r―――――\r-0.35")});
  }
  surface_.BeginDocument();
  surface_.Paragraph(0, 0, QStringLiteral("2.3.Ｎ値･接合金物 算定結果一覧表"));
  surface_.SetCurrentY(surface_.PageBodyTop());
  DrawTable(surface_, t);
  surface_.EndDocument();
  const PageDocument& doc = surface_.Document();
  ASSERT_GT(doc.pages.size(), 2u);
  EXPECT_EQ(calls, int(doc.pages.size()));
  const double rowHeight = 3 * kLine10 + 2 * kCellPadY;
  const int rowsPerPage = int((kBottom - (kTop + blockBottom * kTwipsPerCm)) / rowHeight);
  int seen = 0;
  for (size_t p = 0; p < doc.pages.size(); ++p) {
    const Page& page = doc.pages[p];
    EXPECT_EQ(OpsOf<TextOp>(page)[0].text, QStringLiteral("通り"));  // the block comes first
    const auto rules = OpsOf<RectOp>(page);
    ASSERT_FALSE(rules.empty());
    EXPECT_NEAR(rules.front().rect.top(), kTop + blockBottom * kTwipsPerCm, 1e-6) << p;
    for (const RectOp& r : rules) EXPECT_LE(r.rect.bottom(), kBottom + 1e-6) << p;
    const int rows = int(rules.size()) / 3;
    if (p + 1 < doc.pages.size()) {
      EXPECT_EQ(rows, rowsPerPage) << p;
    }
    // Rows keep their order and none is lost or repeated.
    for (const TextOp& text : OpsOf<TextOp>(page)) {
      if (text.text.startsWith(QStringLiteral("  X"))) {
        EXPECT_EQ(text.text, QStringLiteral("  X%1").arg(seen++));
      }
    }
  }
  EXPECT_EQ(seen, rowCount);
  surface_.SetPageStartedHandler(nullptr);
}

TEST_F(TableTest, HeaderRowRepeatsOnEveryPage) {
  PageTable t(u"+^1000|+^1000;");
  t.SetHeader(u"Ｎ 値|告示記号");
  for (int i = 0; i < 150; ++i) t.AddRow({QString::number(i), QStringLiteral("(い)")});
  surface_.BeginDocument();
  surface_.SetCurrentY(20.0);  // little room left: the first row and its header move on
  DrawTable(surface_, t);
  surface_.EndDocument();
  const PageDocument& doc = surface_.Document();
  ASSERT_GE(doc.pages.size(), 3u);
  EXPECT_TRUE(doc.Texts(0).isEmpty() || doc.Texts(0).first() == QStringLiteral("Ｎ 値"));
  for (size_t p = 1; p < doc.pages.size(); ++p) {
    EXPECT_EQ(doc.Texts(int(p)).value(0), QStringLiteral("Ｎ 値")) << p;
    EXPECT_DOUBLE_EQ(OpsOf<TextOp>(doc.pages[p]).front().pos.y(), kTop + kCellPadY) << p;
  }
  PageTable noRepeat = t;
  noRepeat.SetRepeatHeader(false);
  surface_.BeginDocument();
  DrawTable(surface_, noRepeat);
  surface_.EndDocument();
  int headers = 0;
  for (size_t p = 0; p < surface_.Document().pages.size(); ++p)
    headers += int(surface_.Document().Texts(int(p)).count(QStringLiteral("Ｎ 値")));
  EXPECT_EQ(headers, 1);
}

TEST_F(TableTest, RowTallerThanAPageIsSplitBetweenLines) {
  QStringList lines;
  for (int i = 0; i < 300; ++i) lines << QStringLiteral("L%1").arg(i);
  PageTable t(u"+<1000|+<1000;");
  t.AddRow({lines.join(u'\r'), QStringLiteral("short")});
  t.AddRow({QStringLiteral("after"), QString()});
  surface_.BeginDocument();
  surface_.SetCurrentY(3.0);
  DrawTable(surface_, t);
  surface_.EndDocument();
  const PageDocument& doc = surface_.Document();
  ASSERT_GE(doc.pages.size(), 3u);
  QStringList all;
  for (size_t p = 0; p < doc.pages.size(); ++p) {
    all << doc.Texts(int(p));
    for (const TextOp& text : OpsOf<TextOp>(doc.pages[p])) EXPECT_LE(text.pos.y() + kLine10, kBottom) << p;
    for (const RectOp& r : OpsOf<RectOp>(doc.pages[p])) EXPECT_LE(r.rect.bottom(), kBottom + 1e-6) << p;
  }
  EXPECT_TRUE(doc.Texts(0).contains(QStringLiteral("short")));
  all.removeOne(QStringLiteral("short"));
  EXPECT_EQ(all, lines + QStringList{QStringLiteral("after")});
  // The first page is used from y = 3 cm, not skipped.
  EXPECT_EQ(doc.Texts(0).value(0), QStringLiteral("L0"));
}

TEST_F(TableTest, TableFollowsTheMovedLeftMarginAndTheCurrentFont) {
  surface_.SetFont(QStringLiteral("ＭＳ Ｐ明朝"), 20, true);
  PageTable t(u"+^7400;");
  t.AddBody(u"試験邸;");
  surface_.BeginDocument();
  surface_.SetLeftMargin(2.3 + 1.0);
  DrawTable(surface_, t);
  surface_.EndDocument();
  const auto texts = OpsOf<TextOp>(surface_.Document().pages[0]);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(surface_.Document().FontOf(texts[0]), (FontKey{QStringLiteral("ＭＳ Ｐ明朝"), 400, true}));
  EXPECT_DOUBLE_EQ(OpsOf<RectOp>(surface_.Document().pages[0])[0].rect.left(), CmToTwips(3.3));
}

TEST_F(TableTest, EmptyTablesDrawNothingOrTheirHeader) {
  PageTable none(u"+<0|+<0;");
  none.AddBody(u"a|b;");
  Draw(none, 1.0);
  EXPECT_TRUE(surface_.Document().pages[0].ops.empty());
  EXPECT_DOUBLE_EQ(surface_.CurrentY(), 1.0);
  PageTable headerOnly(u"+<1000;");
  headerOnly.SetHeader(u"見出し");
  Draw(headerOnly);
  EXPECT_EQ(surface_.Document().Texts(0), QStringList{QStringLiteral("見出し")});
}

}  // namespace
}  // namespace tvk
