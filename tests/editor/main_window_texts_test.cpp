// The main window's texts that follow from the document: title, status bar panels and the
// frame figure lists.
#include "editor/main_window_texts.h"

#include <gtest/gtest.h>

#include "model/line_names.h"
#include "support/document_setup.h"

namespace tvk {
namespace {

using test::PlanBuilder;

TEST(MainWindowTexts, TitleMarksUnsavedChanges) {
  Document doc;
  EXPECT_EQ(WindowTitle(doc), "VOLN-TVK /軸組Ｎ値算定   新規データ");
  test::Touch(doc);
  EXPECT_EQ(WindowTitle(doc), "VOLN-TVK /軸組Ｎ値算定   新規データ*");
}

TEST(MainWindowTexts, StatusBarNamesTheLMethodAndTheCrossBeamTransmission) {
  const struct {
    int lMethod;
    int ignoreCrossBeam;
    const char* method;
    const char* transmission;
  } cases[] = {{0, 0, " 『二年目施行』 による", " 考 慮"},
               {1, 0, " ユーザー設定", " 考 慮"},
               {0, 1, " 『二年目施行』 による", " 非考慮"}};
  for (const auto& c : cases) {
    Building b;
    b.Settings.LMethod = c.lMethod;
    b.Settings.IgnoreCrossBeam = c.ignoreCrossBeam;
    const auto texts = StatusBarTexts(b);
    EXPECT_EQ(texts, (std::array<std::string, 6>{"", "１階柱押さえ係数Ｌ ", c.method, "",
                                                 "直交梁による柱引抜き力の伝達 ", c.transmission}))
        << c.lMethod << c.ignoreCrossBeam;
  }
}

TEST(MainWindowTexts, FrameListsRunUpAlongXAndDownAlongYWithTrimmedNames) {
  PlanBuilder p(1, 10, 10, 1);
  GenerateLineNames(p.b);
  p.b.Settings.LineNamesY[10] = " 北 ";
  const auto y = FrameListEntries(p.b, Dir::Y);
  ASSERT_EQ(y.size(), 11u);
  EXPECT_EQ(y.front(), (FrameListEntry{"北", 11}));
  EXPECT_EQ(y[1], (FrameListEntry{"Y10", 10}));
  EXPECT_EQ(y.back(), (FrameListEntry{"Y1", 1}));
  const auto x = FrameListEntries(p.b, Dir::X);
  ASSERT_EQ(x.size(), 11u);
  EXPECT_EQ(x.front(), (FrameListEntry{"X1", 1}));
  EXPECT_EQ(x.back(), (FrameListEntry{"X11", 11}));
}

TEST(MainWindowTexts, HelpWithoutAViewerNamesTheDocument) {
  EXPECT_EQ(NoHelpViewerMessage("/h/VOLNTVK.html"),
            "ヘルプを表示するプログラムを起動できませんでした。\n\nヘルプは次のファイルにあります。\n/h/VOLNTVK.html");
}

}  // namespace
}  // namespace tvk
