// Table descriptions: format strings, body texts, cell lines, wrapping and cell styles.
#include <gtest/gtest.h>

#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"
#include "report/surface_test_app.h"

namespace tvk {
namespace {

TEST(TableFormat, ParsesColumnDescriptors) {
  using C = TableColumn;
  constexpr TextAlign L = TextAlign::Left;
  constexpr TextAlign M = TextAlign::Centre;
  constexpr TextAlign R = TextAlign::Right;
  struct Case {
    const char16_t* format;
    std::vector<TableColumn> columns;
  };
  const Case cases[] = {
      {u"+^700|+<6700|+^1600;", {C{700, M}, C{6700, L}, C{1600, M}}},
      {u"+<650|+^350|+^0|+>1000;", {C{650, L}, C{350, M}, C{0, M}, C{1000, R}}},
      {u"+^7400;", {C{7400, M}}},
      {u"^100|<200", {C{100, M}, C{200, L}}},  // no "+", no ";"
      {u" + ^ 500 | 300 ;", {C{500, M}, C{300, L}}},
      {u"+^abc|+<-5|+<;", {C{0, M}, C{0, L}, C{0, L}}},  // unreadable widths hide the column
      {u"", {}},
      {u";", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseTableFormat(QStringView(c.format)), c.columns) << QString::fromUtf16(c.format).toStdString();
  }
}

TEST(TableFormat, ParsesBodyRowsAndCells) {
  struct Case {
    const char16_t* body;
    QList<QStringList> rows;
  };
  const Case cases[] = {
      {u"a|b;c|d;", {{"a", "b"}, {"c", "d"}}},
      {u"a|b;c|d", {{"a", "b"}, {"c", "d"}}},
      {u"|x|;;", {{"", "x", ""}, {""}}},
      {u"one\rtwo|three;", {{"one\rtwo", "three"}}},
      {u"", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseTableBody(QStringView(c.body)), c.rows) << QString::fromUtf16(c.body).toStdString();
  }
}

TEST(TableFormat, SplitsCellLinesAtCrLf) {
  EXPECT_EQ(SplitCellLines(u"a\rb\nc\r\nd"), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitCellLines(u"a\r\rb"), (QStringList{"a", "", "b"}));
  EXPECT_EQ(SplitCellLines(u"plain"), QStringList{"plain"});
  EXPECT_EQ(SplitCellLines(u""), QStringList{""});
}

class WrapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApp();
    surface_ = std::make_unique<PageSurface>();
  }
  // Metrics of "ＭＳ 明朝" at 10 pt: 200 twips per full-width and 100 per half-width character.
  const ReportFontMetrics& Mincho10() {
    return surface_->Metrics(surface_->FontIndex({QStringLiteral("ＭＳ 明朝"), 200, false}));
  }
  std::unique_ptr<PageSurface> surface_;
};

TEST_F(WrapTest, WrapsJapanesePerCharacterAndLatinAtSpaces) {
  struct Case {
    const char* line;
    double width;
    QStringList lines;
  };
  const Case cases[] = {
      {"軸組の柱頭柱脚", 1400, {"軸組の柱頭柱脚"}},  // fits exactly
      {"軸組の柱頭柱脚", 1000, {"軸組の柱頭", "柱脚"}},
      {"軸組の柱頭柱脚", 399, {"軸", "組", "の", "柱", "頭", "柱", "脚"}},
      {"abc def ghi", 700, {"abc def", "ghi"}},       // at the space, space dropped
      {"abcdefghij", 500, {"abcde", "fghij"}},        // one word too wide: per character
      {"15x90以上の筋", 800, {"15x90以", "上の筋"}},  // Latin next to Japanese may break
      {"補正値を｢0｣とする。", 1000, {"補正値を｢0", "｣とする。"}},
      {"柱頭、柱脚。", 400, {"柱", "頭、", "柱", "脚。"}},  // no line starts with 、 or 。
      {"金物（Ｃ）", 600, {"金物", "（Ｃ）"}},              // no line ends with （
      {"", 100, {""}},
      {"軸", 10, {"軸"}},  // narrower than one character
  };
  for (const Case& c : cases) {
    const QString line = QString::fromUtf8(c.line);
    const QStringList lines = WrapLine(line, c.width, Mincho10());
    EXPECT_EQ(lines, c.lines) << c.line << " in " << c.width;
  }
}

TEST_F(WrapTest, WrappedLinesFitAndKeepEveryCharacter) {
  const QString text = QStringLiteral(
      "当該柱の両面における軸組の倍率の差(片側のみ軸組が取り付く場合には、当該軸組の倍率)の数値。"
      "ただし、筋かいを設けた軸組の場合には、表-1.2.1～3 に該当する補正値を加えたものとする。");
  for (double width : {300.0, 1000.0, 2345.0, 7000.0}) {
    const QStringList lines = WrapLine(text, width, Mincho10());
    QString joined;
    for (const QString& l : lines) {
      EXPECT_LE(Mincho10().Width(l), width + 1e-9) << l.toStdString();
      joined += l;
    }
    QString expected = text;
    expected.remove(u' ');
    joined.remove(u' ');
    EXPECT_EQ(joined, expected);
  }
}

TEST(TableStyles, LaterRangesWinAndMinusOneMeansLast) {
  PageTable t(u"+<100|+<100|+<100;");
  t.SetHeader(u"h1|h2|h3");
  t.AddBody(u"a|b|c;d|e|f;");
  t.SetStyle(0, 1, -1, -1, CellStyle{.fontSize = 9});
  t.SetStyle(1, 2, 2, 3, CellStyle{.bold = true, .ruled = false});
  t.SetStyle(2, 3, 2, 3, CellStyle{.fontSize = 12, .ruled = true});
  EXPECT_EQ(t.StyleAt(0, 1).fontSize, 9);
  EXPECT_FALSE(t.StyleAt(0, 1).bold.has_value());
  EXPECT_EQ(t.StyleAt(1, 2).bold, true);
  EXPECT_EQ(t.StyleAt(1, 2).ruled, false);
  EXPECT_EQ(t.StyleAt(2, 3).fontSize, 12);
  EXPECT_EQ(t.StyleAt(2, 3).ruled, true);
  EXPECT_EQ(t.StyleAt(2, 3).bold, true);
  EXPECT_FALSE(t.StyleAt(1, 1).ruled.has_value());
  EXPECT_EQ(t.RowCount(), 2);
  EXPECT_EQ(t.Cell(0, 3), QStringLiteral("h3"));
  EXPECT_EQ(t.Cell(2, 1), QStringLiteral("d"));
  EXPECT_EQ(t.Cell(2, 4), QString());
  EXPECT_EQ(t.Cell(3, 1), QString());
}

TEST(TableStyles, ArrayRowsKeepSeparatorCharacters) {
  PageTable t(u"+<100|+<100;");
  t.AddRow({QStringLiteral("a|b"), QStringLiteral("c;d")});
  t.AddRows({{QStringLiteral("e")}, {}});
  EXPECT_EQ(t.RowCount(), 3);
  EXPECT_EQ(t.Cell(1, 1), QStringLiteral("a|b"));
  EXPECT_EQ(t.Cell(1, 2), QStringLiteral("c;d"));
  EXPECT_EQ(t.Cell(3, 1), QString());
  EXPECT_FALSE(t.HasHeader());
}

}  // namespace
}  // namespace tvk
