// The preview's contents list with and without the chapters only some buildings have.
#include <QPointer>
#include <QTreeWidget>
#include <memory>

#include "editor/document.h"
#include "model/hardware_names.h"
#include "model/profile_store.h"
#include "support/profile_samples.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/preview_window.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

TEST(PreviewContents, ColumnSizeEntriesComeLastAndOnlyWithTheChapter) {
  const auto& entries = ContentsEntries();
  for (size_t k = 0; k < entries.size(); ++k) {
    if (std::string(entries[k].group) != "５．柱の小径の検討") continue;
    EXPECT_TRUE(ConditionalEntry(entries[k].entry)) << k;
  }
  EXPECT_STREQ(entries[17].text, "5.1. 柱の小径と負担可能面積");
  EXPECT_STREQ(entries[19].text, "5.3. 柱の負担面積の検定");
}

TEST(PreviewContents, ABuildingWithAProfileListsChapterFiveAndGoesThere) {
  test::EnsureResultWindowApp();
  Building building = test::LoadSampleHouse();
  BuildingProfile profile = test::PublishedProfile();
  profile.wood = WoodChoice{ColumnWood::Sugi2, 0};
  profile.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
  ASSERT_FALSE(WriteProfile(building, profile));
  Document document(std::move(building));
  auto mainWindow = std::make_unique<QWidget>();
  test::ScriptedWindowPrompts prompts;
  QPointer<PreviewWindow> preview =
      new PreviewWindow(document, LoadBuiltInHardwareNames(), FigureFonts{}, mainWindow.get(), &prompts);

  const QTreeWidget* contents = preview->findChild<QTreeWidget*>();
  ASSERT_NE(contents, nullptr);
  // The published profile brings chapter 4 as well.
  ASSERT_EQ(contents->topLevelItemCount(), 6);
  const QTreeWidgetItem* chapter = contents->topLevelItem(5);
  EXPECT_EQ(chapter->text(0), QStringLiteral("５．柱の小径の検討"));
  EXPECT_FALSE(chapter->isDisabled());
  ASSERT_EQ(chapter->childCount(), 3);
  for (int c = 0; c < 3; ++c) EXPECT_FALSE(chapter->child(c)->isDisabled()) << c;

  const ChapterMark& plans = MarkOf(preview->report().index, ReportEntry::ColumnAreas);
  ASSERT_GT(plans.page, 1);
  preview->showEntry(ReportEntry::ColumnAreas);
  EXPECT_EQ(preview->page(), plans.page);
  EXPECT_EQ(preview->pageLabel(), QString::fromStdString(PageLabel(plans.page, preview->pageCount())));
  delete preview.data();
}

}  // namespace
}  // namespace tvk
