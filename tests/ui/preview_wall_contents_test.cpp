// The preview's contents list with chapter 4: listed with its five entries when the report
// has the chapter, left out altogether when it has not.
#include <QPointer>
#include <QTreeWidget>

#include "editor/document.h"
#include "model/hardware_names.h"
#include "model/profile_store.h"
#include "support/profile_samples.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/preview_window.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

QStringList TopLevelTexts(const QTreeWidget& contents) {
  QStringList texts;
  for (int k = 0; k < contents.topLevelItemCount(); ++k) texts << contents.topLevelItem(k)->text(0);
  return texts;
}

TEST(PreviewWallContents, ChapterFourIsListedOnlyWhenTheReportHasIt) {
  test::EnsureResultWindowApp();
  for (const bool profile : {false, true}) {
    SCOPED_TRACE(profile);
    Building building = test::LoadSampleHouse();
    if (profile) {
      ASSERT_FALSE(WriteProfile(building, test::PublishedProfile()).has_value());
    }
    Document doc(building);
    QWidget mainWindow;
    test::ScriptedWindowPrompts prompts;
    QPointer<PreviewWindow> preview =
        new PreviewWindow(doc, LoadBuiltInHardwareNames(), FigureFonts{}, &mainWindow, &prompts);
    const QTreeWidget* contents = preview->findChild<QTreeWidget*>();
    ASSERT_NE(contents, nullptr);
    const QString group = QStringLiteral("４．壁量の検討");
    EXPECT_EQ(TopLevelTexts(*contents).contains(group), profile);
    if (profile) {
      // Chapter 5 follows it when the profile brings that chapter too.
      const QTreeWidgetItem* chapter = contents->topLevelItem(int(TopLevelTexts(*contents).indexOf(group)));
      ASSERT_EQ(chapter->text(0), group);
      ASSERT_EQ(chapter->childCount(), 5);
      EXPECT_FALSE(chapter->isDisabled());
      for (int c = 0; c < 5; ++c) EXPECT_FALSE(chapter->child(c)->isDisabled()) << c;
      EXPECT_EQ(chapter->child(4)->text(0), QStringLiteral("4.5. 四分割法による壁配置"));
      const ChapterMark& quarters = MarkOf(preview->report().index, ReportEntry::WallQuarters);
      preview->showEntry(ReportEntry::WallQuarters);
      EXPECT_EQ(preview->page(), quarters.page);
      EXPECT_EQ(preview->pageCount(), preview->report().PageCount());
    }
    delete preview.data();
  }
}

}  // namespace
}  // namespace tvk
