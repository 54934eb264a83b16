// PDF writing, printing to a PDF printer and image rendering of recorded pages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "report/page_primitives.h"
#include "report/page_replay.h"
#include "report/page_surface.h"
#include "report/table_layout.h"
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

}  // namespace
}  // namespace tvk
