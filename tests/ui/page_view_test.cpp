#include <QImage>
#include <QListWidget>

#include "report/surface/page_surface.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/preview/page_view.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

TEST(PageScale, FitsOrScalesTheA4Page) {
  const QSizeF a4(21 * 567.0, 29.7 * 567.0);  // twips
  const QSize view(1000, 800);
  const double perTwipAt96 = 96.0 / 1440.0;
  const struct {
    ZoomMode zoom;
    double expected;
  } cases[] = {
      {ZoomMode::WholePage, (800 - 24) / a4.height()},
      {ZoomMode::PageWidth, (1000 - 24) / a4.width()},
      {ZoomMode::Percent120, 1.2 * perTwipAt96},
      {ZoomMode::Percent200, 2.0 * perTwipAt96},
      {ZoomMode::TwoPages, std::min((1000 - 24 - 12) / (2 * a4.width()), (800 - 24) / a4.height())},
      {ZoomMode::Thumbnails, 150 / a4.height()},
  };
  for (const auto& c : cases) EXPECT_NEAR(PageScale(c.zoom, a4, view, 96), c.expected, 1e-9) << int(c.zoom);
  EXPECT_GT(PageScale(ZoomMode::WholePage, a4, QSize(1, 1), 96), 0);
}

PageDocument ThreePages() {
  PageSurface surface;
  surface.BeginDocument();
  for (int k = 1; k <= 3; ++k) {
    if (k > 1) surface.NewPage();
    surface.Text(1, 1, QStringLiteral("頁 %1").arg(k));
  }
  surface.EndDocument();
  return surface.TakeDocument();
}

TEST(PageView, ShowsThePageItIsGivenAndDrawsIt) {
  test::EnsureResultWindowApp();
  const PageDocument doc = ThreePages();
  PageView view;
  view.resize(400, 500);
  view.setDocument(&doc);
  view.setPage(7);
  EXPECT_EQ(view.page(), 3);
  view.setPage(2);
  const QImage shot = view.grab().toImage();
  // The page is white paper on the dark background.
  EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), QColor(Qt::white));
  view.setZoom(ZoomMode::Thumbnails);
  EXPECT_EQ(view.page(), 2);
}

TEST(MessageText, EveryLineBreakShowsAsANewLine) {
  EXPECT_EQ(DisplayText("a\rb\r\nc\nd"), QStringLiteral("a\nb\nc\nd"));
  EXPECT_EQ(DisplayText("確認\r\r終了"), QStringLiteral("確認\n\n終了"));
}

TEST(ProgressWindow, CloseBoxAsksAndRecordsTheAnswer) {
  test::EnsureResultWindowApp();
  test::ScriptedWindowPrompts prompts;
  ProgressDialog progress(12, nullptr, &prompts);
  progress.show();
  progress.advance(3);
  EXPECT_EQ(progress.value(), 3);
  prompts.answers = {false, true};
  progress.close();
  EXPECT_FALSE(progress.cancelled());
  progress.close();
  EXPECT_TRUE(progress.cancelled());
  // The window stays until the report is composed.
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kStopComposingQuestion));
}

TEST(PrinterSelect, ClickShowsTheChoiceAndCancelKeepsTheCurrentPrinter) {
  test::EnsureResultWindowApp();
  PrinterSelectDialog dialog({QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("A"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("プリンターの選択"));
  EXPECT_EQ(dialog.choice(), QStringLiteral("A"));
  // The list opens on the current printer.
  const QListWidget* list = dialog.findChild<QListWidget*>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(PrinterSelectDialog({QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("B"))
                .findChild<QListWidget*>()
                ->currentRow(),
            1);
  dialog.chooseRow(1);
  EXPECT_EQ(dialog.choice(), QStringLiteral("B"));
  dialog.chooseRow(5);
  EXPECT_EQ(dialog.choice(), QStringLiteral("B"));
  EXPECT_EQ(PrinterNameLine(QStringLiteral("B")), "ﾌﾟﾘﾝﾀ名： B");
}

TEST(PrinterSelect, PrintingOrChoosingWithoutAPrinterIsTold) {
  test::EnsureResultWindowApp();
  test::ScriptedWindowPrompts prompts;
  const PageDocument doc = ThreePages();
  EXPECT_FALSE(PrintDocumentPages(doc, QStringLiteral("no such printer"), prompts));
  // No printer installed: no empty list to choose from.
  EXPECT_EQ(ChoosePrinter({}, QString(), nullptr, &prompts), QString());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, "プリンターが見つかりません。"));
}

}  // namespace
}  // namespace tvk
