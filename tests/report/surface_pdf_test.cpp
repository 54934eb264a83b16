// PDF writing, printing to a PDF printer and image rendering of recorded pages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "report/surface/page_primitives.h"
#include "report/surface/page_replay.h"
#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"
#include "report/surface_test_app.h"

namespace tvk {
namespace {

QString RunTool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(30000)) return QStringLiteral("<%1 failed>").arg(tool);
  return QString::fromUtf8(p.readAllStandardOutput());
}

PageDocument SampleDocument() {
  PageSurface s;
  s.BeginDocument();
  s.SetHeader(QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ 試験邸 ]||"));
  s.Paragraph(0, 0, QStringLiteral("1.概要"));
  s.Paragraph(1, s.CurrentY(), QStringLiteral("軸組を構成する柱のＮ値計算書"));
  PageTable table(u"+^700|+<6700|+^1600;");
  table.SetHeader(u"|軸  組  の  種  類|倍  率");
  table.AddBody(u"(1)|厚さ３cm以上幅９cm以上の木材の筋かいを入れた軸組|1.5;(2)|９cm角の木材の筋かいを入れた軸組|3.0;");
  DrawTable(s, table);
  PageRect(s, 0, 10, 4, 2, 0, 20, Qt::black, Qt::red, kFillDiagCross);
  s.NewPage();
  s.Paragraph(0, 0, QStringLiteral("2.接合金物"));
  s.EndDocument();
  return s.TakeDocument();
}

TEST(SurfacePdf, WritesJapaneseTextWithEmbeddedFonts) {
  test::EnsureGuiApp();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Ｎ値計算書_試験.pdf"));
  const PageDocument doc = SampleDocument();
  ASSERT_EQ(WritePdf(doc, path), QString());
  ASSERT_TRUE(QFile::exists(path));
  const QString text = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QStringLiteral("軸組を構成する柱のＮ値計算書"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("９cm角の木材の筋かいを入れた軸組"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("2.接合金物")));
  // Every font is embedded (pdffonts: the "emb" column, fifth from the end) and the Japanese
  // faces are the IPA ones; a subset keeps the file far below the 6 MB of a whole IPA font.
  const QStringList fontLines = RunTool(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_GE(fontLines.size(), 3);
  for (const QString& line : fontLines.mid(2)) {
    const QStringList cols = line.split(u' ', Qt::SkipEmptyParts);
    ASSERT_GE(cols.size(), 5);
    EXPECT_EQ(cols[cols.size() - 5], QStringLiteral("yes")) << line.toStdString();
    EXPECT_TRUE(cols[0].startsWith(QStringLiteral("IPA"))) << line.toStdString();
  }
  EXPECT_LT(QFileInfo(path).size(), 400 * 1024);
}

TEST(SurfacePdf, FailedWriteReportsAndLeavesTheOldFileIntact) {
  test::EnsureGuiApp();
  QTemporaryDir dir;
  const QString existing = dir.filePath(QStringLiteral("report.pdf"));
  {
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old contents");
  }
  const PageDocument doc = SampleDocument();
  struct Case {
    const char* name;
    QString path;
    PageDocument doc;
    int first;
    int last;
  };
  const Case cases[] = {
      {"missing folder", dir.filePath(QStringLiteral("no/such/folder/report.pdf")), doc, 1, -1},
      {"folder as target", dir.path(), doc, 1, -1},
      {"no pages", existing, PageDocument{}, 1, -1},
      {"empty range", existing, doc, 3, 2},
  };
  for (const Case& c : cases) {
    const QString message = WritePdf(c.doc, c.path, c.first, c.last);
    EXPECT_FALSE(message.isEmpty()) << c.name;
    EXPECT_TRUE(message.contains(QStringLiteral("PDF ファイルを作成できませんでした。"))) << c.name;
    EXPECT_TRUE(message.startsWith(c.path)) << c.name;
  }
  QFile f(existing);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("old contents"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});  // no leftovers
  // A successful write replaces it.
  EXPECT_EQ(WritePdf(doc, existing, 2, 2), QString());
  EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {existing}).simplified().contains(QStringLiteral("Pages: 1")));
}

TEST(SurfacePdf, PagesKeepTheirPaperAndOrientation) {
  test::EnsureGuiApp();
  PageSurface s;
  s.BeginDocument();
  s.Text(0, 0, QStringLiteral("縦"));
  s.SetMargins(PageMargins{2.0, 2.0, 2.2, 2.0});
  s.SetupPage(0, PaperCode::A4, true);
  s.NewPage();
  s.Text(0, 0, QStringLiteral("横"));
  s.SetupPage(0, PaperCode::User, false, QSizeF(10, 15));
  s.NewPage();
  s.EndDocument();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("mixed.pdf"));
  ASSERT_EQ(WritePdf(s.Document(), path), QString());
  const QString info = RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                           QStringLiteral("-l"), QStringLiteral("3"), path})
                           .simplified();
  EXPECT_TRUE(info.contains(QStringLiteral("Page 1 size: 595 x 842 pts (A4)"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("Page 2 size: 842 x 595 pts (A4)"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("Page 3 size: 283 x 425 pts"))) << info.toStdString();
  const QImage landscape = RenderPage(s.Document(), 1, 72);
  EXPECT_GT(landscape.width(), landscape.height());
}

TEST(SurfacePdf, PrinterGetsTheSamePages) {
  test::EnsureGuiApp();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("printed.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  const PageDocument doc = SampleDocument();
  ASSERT_EQ(PrintPages(doc, printer, 2, 2), QString());
  const QString text = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  EXPECT_TRUE(text.contains(QStringLiteral("2.接合金物"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("1.概要")));
  EXPECT_FALSE(PrintPages(doc, printer, 5, 6).isEmpty());
}

// What the preview and the printer show is where the layout measured it: the ink of a text
// starts at its recorded position and ends within its measured width.
TEST(SurfacePdf, RenderedTextMatchesItsMeasuredBox) {
  test::EnsureGuiApp();
  PageSurface s;
  s.BeginDocument();
  const QString text = QStringLiteral("軸組軸組軸組軸組");
  s.SetFont(QStringLiteral("ＭＳ 明朝"), 20);
  const QSizeF box = s.MeasureText(text);
  s.Text(1, 1, text);
  s.EndDocument();
  const double dpi = 288;
  const QImage image = RenderPage(s.Document(), 0, dpi);
  const double scale = dpi / 1440;
  int left = image.width();
  int right = -1;
  int top = image.height();
  int bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(line[x]) > 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  const QPointF at = QPointF(CmToTwips(3.3), CmToTwips(3.0)) * scale;
  ASSERT_GE(right, 0);
  EXPECT_GE(left, at.x() - 1);
  EXPECT_LE(right, at.x() + box.width() * scale + 1);
  EXPECT_GT(right, at.x() + box.width() * scale * 0.9);  // the glyphs fill their em boxes
  EXPECT_GE(top, at.y() - 1);
  EXPECT_LE(bottom, at.y() + box.height() * scale + 1);
}

}  // namespace
}  // namespace tvk
