// Page surface: units, page setup, state kept by every call, measuring, text placement,
// header and footer, the page-started handler and the fonts behind the Japanese faces.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QRawFont>
#include <functional>

#include "report/surface/page_primitives.h"
#include "report/surface/page_surface.h"
#include "report/surface/report_fonts.h"
#include "report/surface/table_layout.h"
#include "report/surface_test_app.h"

namespace tvk {
namespace {

using test::OpsOf;

class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureGuiApp(); }
  // Margin-box origin of the default report page in paper twips.
  static QPointF Origin() { return QPointF(CmToTwips(2.3), CmToTwips(2.0)); }
};

TEST_F(SurfaceTest, CmToTwipsRoundsToTheNearestTwip) {
  struct Case {
    double cm;
    long twips;
  };
  for (const Case& c : {Case{1.0, 567}, Case{2.3, 1304}, Case{16.4, 9299}, Case{0.001, 1}, Case{0.0008, 0},
                        Case{-1.0, -567}, Case{-0.001, -1}, Case{29.7, 16840}}) {
    EXPECT_EQ(CmToTwips(c.cm), c.twips) << c.cm;
  }
  EXPECT_DOUBLE_EQ(TwipsToCm(1134), 2.0);
}

TEST_F(SurfaceTest, PageSetupReturnsThePrintableArea) {
  struct Case {
    PaperCode paper;
    bool landscape;
    PageMargins margins;
    QSizeF user;
    QSizeF printable;
  };
  const PageMargins report;
  const PageMargins elevation{2.0, 2.0, 2.2, 2.0};
  const Case cases[] = {
      {PaperCode::A4, false, report, {}, {16.4, 25.7}}, {PaperCode::A4, true, elevation, {}, {25.5, 17.0}},
      {PaperCode::A3, false, report, {}, {25.1, 38.0}}, {PaperCode::A2, false, report, {}, {37.4, 55.4}},
      {PaperCode::A5, false, report, {}, {10.2, 17.0}}, {PaperCode::B4, false, report, {}, {21.1, 32.4}},
      {PaperCode::B5, true, report, {}, {21.1, 14.2}},  {PaperCode::User, false, report, {10.0, 20.0}, {5.4, 16.0}},
  };
  for (const Case& c : cases) {
    PageSurface s;
    s.SetMargins(c.margins);
    const QSizeF printable = s.SetupPage(0, c.paper, c.landscape, c.user);
    EXPECT_NEAR(printable.width(), c.printable.width(), 1e-9) << int(c.paper);
    EXPECT_NEAR(printable.height(), c.printable.height(), 1e-9) << int(c.paper);
    EXPECT_DOUBLE_EQ(s.LeftMargin(), c.margins.left);
    s.BeginDocument();
    const QSizeF paper = s.Document().pages[0].paperSize;
    EXPECT_EQ(paper.width() > paper.height(), c.landscape) << int(c.paper);
  }
}

TEST_F(SurfaceTest, SetupPageFontSizeZeroKeepsTheSize) {
  PageSurface s;
  s.SetupPage(11, PaperCode::A4, false);
  EXPECT_EQ(s.State().fontSize, 11);
  s.SetupPage(0, PaperCode::A4, false);
  EXPECT_EQ(s.State().fontSize, 11);
}

// Every drawing call leaves pen, brush, font, alignment and angle as they were; only the
// current position may move.
TEST_F(SurfaceTest, EveryCallRestoresTheDrawingState) {
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(Qt::gray);
  const std::vector<std::pair<const char*, std::function<void(PageSurface&)>>> calls = {
      {"PageLine", [](PageSurface& s) { PageLine(s, 0, 0, 1, 1, 1, 30, Qt::red); }},
      {"PageLineTw", [](PageSurface& s) { PageLineTw(s, 0, 0, 100, 100, 2, 5, Qt::blue); }},
      {"PageRect", [](PageSurface& s) { PageRect(s, 0, 0, 2, 1, 0, 20, Qt::black, Qt::red, kFillDiagCross); }},
      {"PagePolygon text", [](PageSurface& s) { PagePolygon(s, "0 0 100 0 100 100", 0, 10, Qt::green, Qt::green, 1); }},
      {"PagePolygon cm",
       [](PageSurface& s) {
         PagePolygon(s, QPolygonF({{0, 0}, {1, 1}}), 3, 10, Qt::red, Qt::red, 2);
       }},
      {"PageCircle", [](PageSurface& s) { PageCircle(s, 3, 3, 1, 4, 15, Qt::cyan, Qt::cyan, 5); }},
      {"PageText", [](PageSurface& s) { PageText(s, QStringLiteral("軸組"), 20, 1, 1, 30); }},
      {"PageTextTw", [](PageSurface& s) { PageTextTw(s, QStringLiteral("軸組"), 6, 100, 100, 90); }},
      {"PageMeasureA", [](PageSurface& s) { PageMeasureA(s); }},
      {"Paragraph", [](PageSurface& s) { s.Paragraph(0, 1, QStringLiteral("a\rb"), 16); }},
      {"Text", [](PageSurface& s) { s.Text(0, 1, QStringLiteral("a"), 16, 45); }},
      {"MeasureText", [](PageSurface& s) { s.MeasureText(QStringLiteral("軸組\r軸")); }},
      {"Picture", [&](PageSurface& s) { s.Picture(picture, 1, 1, QStringLiteral("3.0cm"), QStringLiteral("100%")); }},
      {"DrawTable",
       [](PageSurface& s) {
         PageTable t(u"+^1000|+<2000;");
         t.AddBody(u"a|b;c|d;");
         t.SetStyle(1, 1, 1, 1, CellStyle{.fontSize = 20, .bold = false, .ruled = false});
         DrawTable(s, t);
       }},
  };
  for (const auto& [name, call] : calls) {
    PageSurface s;
    s.BeginDocument();
    s.SetFont(QStringLiteral("ＭＳ ゴシック"), 13, true);
    s.SetPen(PenSpec{Qt::DashLine, 7, Qt::magenta});
    s.SetBrush(BrushSpec{Qt::CrossPattern, Qt::yellow});
    s.SetTextAlign(TextAlign::Centre);
    s.SetTextColor(Qt::darkGreen);
    s.SetAngle(0);
    s.SetLeftMargin(3.0);
    s.SetTableRules(false);
    SurfaceState before = s.State();
    call(s);
    SurfaceState after = s.State();
    before.x = after.x;
    before.y = after.y;
    EXPECT_TRUE(before == after) << name;
  }
}

TEST_F(SurfaceTest, PrimitivesRecordTheirOwnPenAndFill) {
  struct Case {
    int fill;
    Qt::BrushStyle style;
  };
  const Case cases[] = {{0, Qt::NoBrush},          {1, Qt::SolidPattern}, {2, Qt::NoBrush},      {3, Qt::HorPattern},
                        {4, Qt::VerPattern},       {5, Qt::FDiagPattern}, {6, Qt::BDiagPattern}, {7, Qt::CrossPattern},
                        {8, Qt::DiagCrossPattern}, {9, Qt::NoBrush},      {-1, Qt::NoBrush}};
  for (const Case& c : cases) {
    PageSurface s;
    s.BeginDocument();
    PageRect(s, 1, 2, 3, 4, 1, 25, Qt::red, Qt::blue, c.fill);
    const auto rects = OpsOf<RectOp>(s.Document().pages[0]);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].brush.style, c.style) << c.fill;
    EXPECT_EQ(rects[0].pen, (PenSpec{Qt::DashLine, 25, Qt::red}));
    EXPECT_EQ(rects[0].rect, QRectF(Origin() + QPointF(567, 1134), QSizeF(1701, 2268)));
  }
  EXPECT_EQ(kFillDiagCross, 8);
  EXPECT_EQ(PageFill(kFillDiagCross, Qt::black).style, Qt::DiagCrossPattern);
}

TEST_F(SurfaceTest, PenStyleCodesAndPalette) {
  const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,   Qt::DashDotLine,
                                 Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine, Qt::SolidLine};
  for (int code = 0; code < 8; ++code) EXPECT_EQ(PagePenStyle(code), styles[code]) << code;
  EXPECT_EQ(PaletteColor(0), QColor(Qt::black));
  EXPECT_EQ(PaletteColor(7), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(PaletteColor(11), QColor(0, 0xFF, 0xFF));
  EXPECT_EQ(PaletteColor(12), QColor(0xFF, 0, 0));
  EXPECT_EQ(PaletteColor(15), QColor(Qt::white));
  EXPECT_EQ(PaletteColor(16), QColor(Qt::black));
}

TEST_F(SurfaceTest, PolygonPointsPassAsGiven) {
  PageSurface s;
  s.BeginDocument();
  PagePolygon(s, QStringLiteral("100 200"), 0, 10, Qt::black, Qt::black, 0);
  PagePolygon(s, QStringLiteral("0,0  300 0 300 400 7"), 0, 10, Qt::black, Qt::black, 0);
  const auto polys = OpsOf<PolygonOp>(s.Document().pages[0]);
  ASSERT_EQ(polys.size(), 2u);
  EXPECT_EQ(polys[0].points, QPolygonF({Origin() + QPointF(100, 200)}));
  EXPECT_EQ(polys[1].points.size(), 3);
  EXPECT_EQ(polys[1].points[2], Origin() + QPointF(300, 400));
}

TEST_F(SurfaceTest, MeasureAGivesLinePitchOfOnePointThreeTextHeights) {
  for (double size : {8.0, 10.0, 11.0, 14.0, 20.0, 22.0}) {
    PageSurface s;
    s.SetFont(QStringLiteral("ＭＳ 明朝"), size);
    const CharMetrics a = s.MeasureA();
    const double height = s.TextHeightTw();
    EXPECT_NEAR(a.pitch, 1.3 * height / kTwipsPerCm, 1e-12) << size;
    // The text height is one em: 20 twips per point.
    EXPECT_DOUBLE_EQ(height, size * kTwipsPerPoint) << size;
    // "A" is a half-width character of the monospaced face.
    EXPECT_NEAR(a.width, size * kTwipsPerPoint / 2 / kTwipsPerCm, 1e-3) << size;
  }
}

TEST_F(SurfaceTest, JapaneseFacesDrawWithIpaFamilies) {
  struct Case {
    const char* face;
    const char* family;
  };
  for (const Case& c :
       {Case{"ＭＳ 明朝", "IPAMincho"}, Case{"ＭＳ Ｐ明朝", "IPAPMincho"}, Case{"ＭＳ ゴシック", "IPAGothic"},
        Case{"ＭＳ Ｐゴシック", "IPAPGothic"}, Case{"", "IPAMincho"}, Case{"NoSuchFace", "IPAMincho"}}) {
    const QString face = QString::fromUtf8(c.face);
    EXPECT_EQ(ReportFamily(face), QString::fromUtf8(c.family)) << c.face;
    const QFont font = MakeReportFont(FontKey{face, 220, false});
    EXPECT_EQ(QFontInfo(font).family(), QString::fromUtf8(c.family)) << c.face;
    EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(U'軸')) << c.face;
    // Measuring "軸組" uses the Japanese face: two full-width characters of one em each.
    PageSurface s;
    s.SetFont(face, 11);
    EXPECT_NEAR(s.MeasureText(QStringLiteral("軸組")).width(), 2 * 220, 1) << c.face;
  }
  RegisterReportFonts();
  EXPECT_EQ(QFont::substitute(QStringLiteral("ＭＳ Ｐゴシック")).toLower(), QStringLiteral("ipapgothic"));
}

TEST_F(SurfaceTest, TextIsPlacedByAlignmentAndParagraphsAdvance) {
  PageSurface s;
  s.BeginDocument();
  const double width = s.MeasureText(QStringLiteral("軸組")).width();
  const double pitch = s.MeasureA().pitch * kTwipsPerCm;
  s.Paragraph(1, 2, QStringLiteral("軸組\r軸\n組"));
  EXPECT_NEAR(s.CurrentY(), (CmToTwips(2) + 3 * pitch) / kTwipsPerCm, 1e-9);
  s.SetTextAlign(TextAlign::Centre);
  s.Text(5, 0, QStringLiteral("軸組"));
  s.SetTextAlign(TextAlign::Right);
  s.Text(5, 0, QStringLiteral("軸組"), 0, 30);
  const auto texts = OpsOf<TextOp>(s.Document().pages[0]);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].pos, Origin() + QPointF(567, 1134));
  EXPECT_NEAR(texts[1].pos.y() - texts[0].pos.y(), pitch, 1e-9);
  EXPECT_EQ(texts[2].text, QStringLiteral("組"));
  EXPECT_NEAR(texts[3].pos.x(), Origin().x() + 2835 - width / 2, 1e-9);
  EXPECT_NEAR(texts[4].pos.x(), Origin().x() + 2835 - width, 1e-9);
  EXPECT_EQ(texts[4].angle, 30);
  EXPECT_EQ(s.Document().FontOf(texts[0]).sizeTwips, 220);
  // An empty paragraph takes a line and records nothing.
  s.Paragraph(0, 10, QString());
  EXPECT_NEAR(s.CurrentY(), (CmToTwips(10) + pitch) / kTwipsPerCm, 1e-9);
  EXPECT_EQ(OpsOf<TextOp>(s.Document().pages[0]).size(), 5u);
}

TEST_F(SurfaceTest, LeftMarginMovesTheOrigin) {
  PageSurface s;
  s.BeginDocument();
  s.SetLeftMargin(3.0);
  s.Text(0, 0, QStringLiteral("x"));
  s.Line(0, 0, 1, 0);
  const Page& page = s.Document().pages[0];
  EXPECT_EQ(OpsOf<TextOp>(page)[0].pos, QPointF(CmToTwips(3.0), CmToTwips(2.0)));
  EXPECT_EQ(OpsOf<LineOp>(page)[0].to, QPointF(CmToTwips(3.0) + 567, CmToTwips(2.0)));
}

TEST_F(SurfaceTest, PictureSizes) {
  QImage image(96, 48, QImage::Format_RGB32);  // no DPI of its own: 96 DPI, 1 x 0.5 inch
  image.fill(Qt::red);
  QImage dense = image;
  dense.setDotsPerMeterX(7559);  // 192 DPI
  dense.setDotsPerMeterY(7559);
  struct Case {
    QImage image;
    const char* width;
    const char* height;
    bool ok;
    QSizeF size;
  };
  const Case cases[] = {
      {image, "100%", "100%", true, {1440, 720}},
      {image, "3.0cm", "", true, {1701, 850.5}},
      {image, "50%", "1cm", true, {720, 567}},
      {image, "", "", true, {1440, 720}},
      {dense, "100%", "100%", true, {720, 360}},
      {image, "abc", "100%", false, {}},
      {image, "-1cm", "", false, {}},
      {QImage(), "100%", "100%", false, {}},
  };
  for (const Case& c : cases) {
    PageSurface s;
    s.BeginDocument();
    EXPECT_EQ(s.Picture(c.image, 1, 1, QString::fromUtf8(c.width), QString::fromUtf8(c.height)), c.ok) << c.width;
    const auto pictures = OpsOf<PictureOp>(s.Document().pages[0]);
    ASSERT_EQ(pictures.size(), c.ok ? 1u : 0u);
    if (!c.ok) continue;
    EXPECT_EQ(pictures[0].rect.topLeft(), Origin() + QPointF(567, 567));
    EXPECT_NEAR(pictures[0].rect.width(), c.size.width(), 1) << c.width;
    EXPECT_NEAR(pictures[0].rect.height(), c.size.height(), 1) << c.height;
  }
}

TEST_F(SurfaceTest, HandlerRunsOnEveryNewPageBeforeDrawing) {
  PageSurface s;
  std::vector<int> pagesSeen;
  std::vector<size_t> opsAtStart;
  s.SetPageStartedHandler([&](PageSurface& p) {
    pagesSeen.push_back(p.CurrentPage());
    opsAtStart.push_back(p.Document().pages.back().ops.size());
    p.SetFont(QStringLiteral("ＭＳ Ｐ明朝"), 8, true);
    p.SetPen(PenSpec{Qt::DotLine, 3, Qt::red});
    p.Text(0, 0.5, QStringLiteral("block"));
    p.SetCurrentY(2.5);
  });
  s.BeginDocument();
  EXPECT_DOUBLE_EQ(s.CurrentY(), 2.5);
  EXPECT_DOUBLE_EQ(s.PageBodyTop(), 2.5);
  s.Text(0, 3, QStringLiteral("body"));
  s.NewPage();
  s.NewPage();
  s.EndDocument();
  EXPECT_EQ(pagesSeen, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(opsAtStart, (std::vector<size_t>{0, 0, 0}));
  EXPECT_EQ(s.State().fontSize, 11);  // the handler's font and pen are put back
  EXPECT_FALSE(s.State().bold);
  EXPECT_EQ(s.State().pen, PenSpec{});
  EXPECT_EQ(s.Document().Texts(0), (QStringList{QStringLiteral("block"), QStringLiteral("body")}));
  EXPECT_EQ(s.PageCount(), 3);
}

TEST_F(SurfaceTest, HeaderAndFooterPerPage) {
  PageSurface s;
  s.SetHeaderFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  s.SetFooterFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
  s.SetPageStartedHandler([](PageSurface& p) {
    const int n = p.CurrentPage();
    p.SetHeader(n == 1 ? QString() : QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ 試験邸 ]"));
    p.SetFooter(n == 1 ? QStringLiteral("||Ver.1.0.0") : QStringLiteral("|- %1 -|Ver.1.0.0").arg(n - 1));
  });
  s.BeginDocument();
  s.NewPage();
  s.NewPage();
  s.EndDocument();
  const PageDocument& doc = s.Document();
  ASSERT_EQ(doc.pages.size(), 3u);
  EXPECT_EQ(doc.Texts(0), QStringList{QStringLiteral("Ver.1.0.0")});
  const double paperW = CmToTwips(21.0);
  const double paperH = CmToTwips(29.7);
  for (int i = 1; i < 3; ++i) {
    const Page& page = doc.pages[i];
    EXPECT_EQ(page.footer, QStringLiteral("|- %1 -|Ver.1.0.0").arg(i));
    const auto texts = OpsOf<TextOp>(page);
    ASSERT_EQ(texts.size(), 3u) << i;
    const TextOp& header = texts[0];
    const TextOp& centre = texts[1];
    const TextOp& right = texts[2];
    EXPECT_EQ(header.text, QStringLiteral("VOLN-TVK /軸組Ｎ値算定   [ 試験邸 ]"));
    EXPECT_EQ(doc.FontOf(header).name, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(doc.FontOf(header).sizeTwips, 180);
    EXPECT_EQ(header.pos.x(), CmToTwips(2.3));
    EXPECT_LT(header.pos.y() + 180, CmToTwips(2.0));  // inside the top margin
    EXPECT_EQ(centre.text, QStringLiteral("- %1 -").arg(i));
    EXPECT_GT(centre.pos.y(), paperH - CmToTwips(2.0));  // inside the bottom margin
    EXPECT_LT(centre.pos.y() + 180, paperH);
    PageSurface m;
    m.SetFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    const double centreW = m.MeasureText(centre.text).width();
    EXPECT_NEAR(centre.pos.x() + centreW / 2, paperW / 2, 1);
    EXPECT_NEAR(right.pos.x() + m.MeasureText(right.text).width(), paperW - CmToTwips(2.3), 1e-6);
  }
}

TEST_F(SurfaceTest, DrawingBeforeBeginStartsAPageAndBeginClearsOldPages) {
  PageSurface s;
  s.Text(0, 0, QStringLiteral("a"));
  EXPECT_EQ(s.PageCount(), 1);
  s.BeginDocument();
  s.Text(0, 0, QStringLiteral("b"));
  s.EndDocument();
  EXPECT_EQ(s.PageCount(), 1);
  EXPECT_EQ(s.Document().Texts(0), QStringList{QStringLiteral("b")});
  const PageDocument taken = s.TakeDocument();
  EXPECT_EQ(taken.pages.size(), 1u);
  EXPECT_EQ(s.PageCount(), 0);
}

}  // namespace
}  // namespace tvk
