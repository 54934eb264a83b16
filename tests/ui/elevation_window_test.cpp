#include <QPointer>
#include <algorithm>

#include "editor/document.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/check_view_window.h"
#include "ui/preview/elevation_window.h"
#include "ui/preview/result_windows.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

class ElevationWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureResultWindowApp();
    doc.replace(test::LoadSampleHouse());
    window = std::make_unique<ElevationWindow>(doc, FigureFonts{}, nullptr, &prompts);
  }
  Document doc;
  const Building& b = doc.building();
  test::ScriptedWindowPrompts prompts;
  std::unique_ptr<ElevationWindow> window;
};

TEST_F(ElevationWindowTest, StepsThroughTheLinesAndBeepsAtTheEnds) {
  const int lastX = b.PointsX();
  window->showFrame(Dir::X, 1);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("X1 通り 軸組図"));
  window->previousFrame();
  EXPECT_EQ(window->frame(), (FrameRef{Dir::X, 1}));
  EXPECT_EQ(prompts.beeps, 1);
  window->nextFrame();
  EXPECT_EQ(window->frame(), (FrameRef{Dir::X, 2}));
  window->showFrame(Dir::X, lastX);
  window->nextFrame();
  EXPECT_EQ(window->frame(), (FrameRef{Dir::X, lastX}));
  EXPECT_EQ(prompts.beeps, 2);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("X9 通り 軸組図"));
  ASSERT_EQ(window->document().pages.size(), 1u);
  EXPECT_TRUE(window->document().pages[0].landscape);
}

TEST_F(ElevationWindowTest, DirectionSwitchReturnsToTheFrameLastShown) {
  window->showFrame(Dir::X, 5);
  window->setDirection(Dir::Y);
  EXPECT_EQ(window->frame(), (FrameRef{Dir::Y, 1}));
  window->nextFrame();
  window->nextFrame();
  window->setDirection(Dir::X);
  EXPECT_EQ(window->frame(), (FrameRef{Dir::X, 5}));
  window->setDirection(Dir::Y);
  EXPECT_EQ(window->frame(), (FrameRef{Dir::Y, 3}));
  EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(ElevationWindowTest, LinesBeyondTheGridAreClamped) {
  window->showFrame(Dir::Y, 99);
  EXPECT_EQ(window->frame(), (FrameRef{Dir::Y, b.PointsY()}));
  window->showFrame(Dir::X, 0);
  EXPECT_EQ(window->frame(), (FrameRef{Dir::X, 1}));
}

TEST_F(ElevationWindowTest, PrintAsksWithThePrinterName) {
  window->showFrame(Dir::X, 1);
  window->setPrinterName(QStringLiteral("PlotterA3"));
  prompts.answers = {false};
  window->print();
  EXPECT_EQ(prompts.asked, std::vector<std::string>{"軸組図を印刷します。\r\rﾌﾟﾘﾝﾀ名： PlotterA3"});
  // No printer installed: no question that names none.
  window->setPrinterName(QString());
  window->print();
  EXPECT_EQ(prompts.asked.back(), kNoPrinterMessage);
  EXPECT_EQ(prompts.asked.size(), 2u);
}

TEST(ResultWindows, OneOfEachPerOwnerAndTheReportCommandClosesThem) {
  test::EnsureResultWindowApp();
  Document b(test::LoadSampleHouse());
  QWidget owner;
  QPointer<CheckViewWindow> check = OpenCheckView(b, FigureFonts{}, &owner);
  EXPECT_EQ(OpenCheckView(b, FigureFonts{}, &owner), check.data());
  ASSERT_EQ(check->document().pages.size(), 1u);
  EXPECT_TRUE(check->document().Texts(0).contains(QStringLiteral("[２階柱Ｎ値伝達チェック]   サンプル邸 新築工事")));
  // Opening a frame closes the check view, as the frame lists of the main window do.
  QPointer<ElevationWindow> frames = ShowElevationWindow(b, FigureFonts{}, Dir::Y, 3, &owner);
  EXPECT_FALSE(check->isVisible());
  EXPECT_EQ(frames->frame(), (FrameRef{Dir::Y, 3}));
  EXPECT_EQ(ShowElevationWindow(b, FigureFonts{}, Dir::X, 2, &owner), frames.data());
  EXPECT_EQ(frames->frame(), (FrameRef{Dir::X, 2}));
  CloseResultWindows(&owner);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(frames.isNull());
  EXPECT_TRUE(check.isNull());
}

TEST(ResultWindows, OpeningAgainTakesTheLabelSizesOfThatMoment) {
  test::EnsureResultWindowApp();
  Document b(test::LoadSampleHouse());
  const auto usesSize = [](const PageDocument& document, int points) {
    return std::any_of(document.fonts.begin(), document.fonts.end(),
                       [points](const FontKey& font) { return font.points() == points; });
  };
  QWidget owner;
  QPointer<CheckViewWindow> check = OpenCheckView(b, FigureFonts{}, &owner);
  ASSERT_FALSE(usesSize(check->document(), 9));
  // The font size dialog changed the sizes while the view stayed open.
  EXPECT_EQ(OpenCheckView(b, FigureFonts{9, 9, 9, 9}, &owner), check.data());
  EXPECT_TRUE(usesSize(check->document(), 9));
  QPointer<ElevationWindow> frames = ShowElevationWindow(b, FigureFonts{}, Dir::X, 1, &owner);
  ASSERT_FALSE(usesSize(frames->document(), 9));
  ShowElevationWindow(b, FigureFonts{9, 9, 9, 9}, Dir::X, 1, &owner);
  EXPECT_TRUE(usesSize(frames->document(), 9));
  CloseResultWindows(&owner);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(CheckViewWindow, ZoomListAndPrintQuestion) {
  test::EnsureResultWindowApp();
  EXPECT_EQ(CheckViewZoomTexts(), (QStringList{QStringLiteral("全体表示"), QStringLiteral("120(%)"),
                                               QStringLiteral("150(%)"), QStringLiteral("200(%)")}));
  Document doc(test::LoadSampleHouse());
  test::ScriptedWindowPrompts prompts;
  CheckViewWindow window(doc, FigureFonts{}, nullptr, &prompts);
  window.setPrinterName(QStringLiteral("P"));
  prompts.answers = {false};
  window.print();
  EXPECT_EQ(prompts.asked, std::vector<std::string>{CheckViewPrintQuestion("P")});
  EXPECT_EQ(prompts.asked[0].rfind("ﾌﾟﾘﾝﾀ名： P"), prompts.asked[0].size() - std::string("ﾌﾟﾘﾝﾀ名： P").size());
}

}  // namespace
}  // namespace tvk
