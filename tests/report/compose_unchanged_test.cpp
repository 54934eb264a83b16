// A building without a building profile gets the report it got before the wall-quantity
// chapter existed: the digests below were recorded from the report of that time, one per
// page over every recorded operation (texts with their positions, fonts and colours, lines,
// rectangles, polygons, circles and pictures).
//
// When a deliberate change to the N-value chapters alters them, print the new digests with
// VOLNTVK_PRINT_REPORT_DIGESTS=1 build/tests/test_report --gtest_filter='ReportWithoutProfile*'
// and replace them here.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <cstdio>

#include "engine/full_calculation.h"
#include "model/project_file.h"
#include "report/chapters/report_figures.h"
#include "report/compose_test_building.h"

namespace tvk {
namespace {

QString Num(double v) { return QString::number(v, 'f', 2); }
QString Pt(const QPointF& p) { return Num(p.x()) + "," + Num(p.y()); }
QString Pen(const PenSpec& pen) {
  return QString::number(int(pen.style)) + ":" + Num(pen.width) + ":" + pen.color.name();
}
QString Brush(const BrushSpec& b) { return QString::number(int(b.style)) + ":" + b.color.name(); }
QString Box(const QRectF& r) { return Pt(r.topLeft()) + ":" + Pt(r.bottomRight()); }

QString OpText(const PageDocument& doc, const PageOp& op) {
  if (const auto* t = std::get_if<TextOp>(&op)) {
    const FontKey& f = doc.FontOf(*t);
    return "T|" + t->text + "|" + Pt(t->pos) + "|" + f.name + ":" + QString::number(f.sizeTwips) + ":" +
           QString::number(int(f.bold)) + "|" + t->color.name() + "|" + Num(t->angle);
  }
  if (const auto* l = std::get_if<LineOp>(&op)) return "L|" + Pt(l->from) + "|" + Pt(l->to) + "|" + Pen(l->pen);
  if (const auto* r = std::get_if<RectOp>(&op)) return "R|" + Box(r->rect) + "|" + Pen(r->pen) + "|" + Brush(r->brush);
  if (const auto* p = std::get_if<PolygonOp>(&op)) {
    QString s = "P|";
    for (const QPointF& point : p->points) s += Pt(point) + ";";
    return s + "|" + Pen(p->pen) + "|" + Brush(p->brush);
  }
  if (const auto* c = std::get_if<CircleOp>(&op)) {
    return "C|" + Pt(c->centre) + "|" + Num(c->radius) + "|" + Pen(c->pen) + "|" + Brush(c->brush);
  }
  const auto& pic = std::get<PictureOp>(op);
  return "I|" + QString::number(pic.image.width()) + "x" + QString::number(pic.image.height()) + "|" + Box(pic.rect);
}

std::vector<std::string> PageDigests(const ComposedReport& r) {
  std::vector<std::string> digests;
  for (const Page& page : r.document.pages) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QString(page.header + "\n" + page.footer + "\n").toUtf8());
    for (const PageOp& op : page.ops) hash.addData(QString(OpText(r.document, op) + "\n").toUtf8());
    digests.push_back(hash.result().toHex().left(16).toStdString());
  }
  return digests;
}

// The whole report, figures included, as the report command calculates and composes it.
ComposedReport ComposeWithFigures(Building b) {
  test::EnsureGuiApp();
  const CalcResults calc = RunFullCalculation(b, false);
  const HardwareNames names = LoadBuiltInHardwareNames();
  PageSurface surface;
  return ComposeReport(surface,
                       ReportRequest{b, calc, names, ReportFigureChapters(FigureFonts{}), QDate(2024, 3, 5), {}});
}

void ExpectDigests(const ComposedReport& r, const std::vector<std::string>& expected) {
  const std::vector<std::string> digests = PageDigests(r);
  if (qEnvironmentVariableIsSet("VOLNTVK_PRINT_REPORT_DIGESTS")) {
    for (const std::string& d : digests) std::printf("      \"%s\",\n", d.c_str());
  }
  ASSERT_EQ(digests.size(), expected.size());
  for (size_t p = 0; p < digests.size(); ++p) EXPECT_EQ(digests[p], expected[p]) << "page " << p + 1;
}

TEST(ReportWithoutProfile, SampleHouseKeepsEveryPageAsItWas) {
  Building b;
  const FileResult loaded = LoadProject(b, std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK");
  ASSERT_TRUE(loaded.ok) << loaded.message;
  ExpectDigests(ComposeWithFigures(b), {
                                           "ba0612a101ca6e2e",
                                           "ad911ea0f98e74f0",
                                           "5aa841a731fb6b8a",
                                           "4fb6eb416cbc8d63",
                                           "e9d174b9c822ead5",
                                           "d9fbdb780b894b8c",
                                           "0af37d5c7f7d7970",
                                           "5495665df4977986",
                                           "1856bab5ca572259",
                                           "17c7756cc6fad818",
                                           "6f3345dd48f1bd25",
                                           "dfcc607fcefc92b6",
                                       });
}

TEST(ReportWithoutProfile, TestBuildingKeepsEveryPageAsItWas) {
  Building b = test::ComposeBuilding();
  ExpectDigests(ComposeWithFigures(b), {
                                           "1e2b0c1bf2c071f5",
                                           "6fac48acccb4959d",
                                           "53e0475577b4dc5d",
                                           "cced9da5aae5aad4",
                                           "4e16d0519827c640",
                                           "f2cbc5dc6164ec9c",
                                           "fc838e050a76f205",
                                           "cf5c440c0c3f92e9",
                                           "6590e67d44928fa2",
                                           "7d4d252507ab7d21",
                                           "abfeffd8fe176ba9",
                                       });
}

}  // namespace
}  // namespace tvk
