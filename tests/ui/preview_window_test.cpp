#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <csignal>
#include <cstring>
#include <memory>

#include "editor/commands.h"
#include "editor/document.h"
#include "model/hardware_names.h"
#include "model/line_names.h"
#include "model/safe_file.h"
#include "support/plan_builder.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/preview_window.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

using test::ScriptedWindowPrompts;

TEST(PreviewTexts, QuestionsReadAsTheProgramWordsThem) {
  const QString printer = QStringLiteral("事務所プリンタ");
  const struct {
    std::string actual;
    const char* expected;
  } cases[] = {
      {PrintAllQuestion(printer),
       "作成した計算書(全ページ)をプリンターへ出力します。\rよろしいですか？\r\rﾌﾟﾘﾝﾀ名： 事務所プリンタ"},
      {PrintPageQuestion(printer), "現在、表示されているページのみ印刷します。\r\rﾌﾟﾘﾝﾀ名： 事務所プリンタ"},
      {PdfOverwriteQuestion("/d/a.pdf"), "/d/a.pdf\r\rはすでに存在します。\r\r上書きしてもよろしいですか。"},
      {PdfWrittenQuestion("/d/a.pdf"), "/d/a.pdf\n\nを作成しました。\n\n作成した PDF を表示しますか？"},
      {NotFoundMessage("/d/a.pdf"), "/d/a.pdf が見つかりません。"},
      {NoPdfViewerMessage("/d/a.pdf"),
       "PDF を表示するプログラムを起動できませんでした。\n\nPDF は次のファイルに作成されています。\n/d/a.pdf"},
      {LOptionText(0), "『改正建築基準法(二年目施行)の解説』による"},
      {LOptionText(1), "２階柱の押さえ効果を考慮する"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
  const std::string transmitted = NotTransmittedQuestion();
  EXPECT_EQ(transmitted.rfind("直交梁による柱引抜き力が１階に伝達されない２階柱があります。\n\nただし、", 0), 0u);
  EXPECT_NE(transmitted.find("\n変更可能です。\n\nこのまま計算書を作成しますか？"), std::string::npos);
}

TEST(PreviewTexts, PdfNameFollowsTheBuildingName) {
  const struct {
    const char* building;
    const char* file;
  } cases[] = {
      {"", "Ｎ値計算書_"},
      {"  サンプル邸 ", "Ｎ値計算書_サンプル邸"},
      {"A/B\\C", "Ｎ値計算書_A_B_C"},
  };
  for (const auto& c : cases) {
    Building b;
    b.Info.BuildingName = c.building;
    EXPECT_EQ(PdfDefaultName(b), c.file) << c.building;
  }
}

TEST(PreviewTexts, ContentsListsEveryEntryUnderItsGroup) {
  const auto& entries = ContentsEntries();
  EXPECT_STREQ(entries[0].text, "表紙");
  EXPECT_STREQ(entries[0].group, "");
  EXPECT_STREQ(entries[6].text, "1.6. 耐力壁軸組図");
  EXPECT_STREQ(entries[10].text, "3.1. 金物許容耐力       一覧表");
  EXPECT_STREQ(entries[11].group, "３．接合金物資料");
  for (size_t k = 0; k < entries.size(); ++k) EXPECT_EQ(int(entries[k].entry), int(k));
}

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureResultWindowApp();
    building = test::LoadSampleHouse();
    mainWindow = std::make_unique<QWidget>();
  }

  // The preview of the building as set up; it deletes itself when it closes, the test
  // holds it through a guard.
  PreviewWindow* open() {
    doc.replace(building);
    preview = new PreviewWindow(doc, LoadBuiltInHardwareNames(), FigureFonts{}, mainWindow.get(), &prompts);
    return preview;
  }
  void TearDown() override { delete preview.data(); }

  Building building;
  Document doc;
  std::unique_ptr<QWidget> mainWindow;
  ScriptedWindowPrompts prompts;
  QPointer<PreviewWindow> preview;
};

TEST_F(PreviewTest, PagesStepWithBeepsAtBothEnds) {
  PreviewWindow& p = *open();
  const int count = p.pageCount();
  ASSERT_GT(count, 5);
  const std::string last = std::to_string(count - 1) + " / " + std::to_string(count - 1);
  EXPECT_EQ(p.page(), 1);
  EXPECT_EQ(p.pageLabel(), "表紙");
  p.previousPage();
  EXPECT_EQ(p.page(), 1);
  EXPECT_EQ(prompts.beeps, 1);
  p.nextPage();
  EXPECT_EQ(p.pageLabel(), QString::fromStdString("1 / " + std::to_string(count - 1)));
  p.lastPage();
  EXPECT_EQ(p.pageLabel(), QString::fromStdString(last));
  p.nextPage();
  EXPECT_EQ(p.page(), count);
  EXPECT_EQ(prompts.beeps, 2);
  p.previousPage();
  EXPECT_EQ(p.page(), count - 1);
  p.firstPage();
  EXPECT_EQ(p.pageLabel(), "表紙");
  EXPECT_EQ(prompts.beeps, 2);
}

TEST_F(PreviewTest, ContentsEntriesGoToTheirPages) {
  PreviewWindow& p = *open();
  const ChapterMark& results = MarkOf(p.report().index, ReportEntry::Results);
  ASSERT_GT(results.page, 1);
  p.showEntry(ReportEntry::Results);
  EXPECT_EQ(p.page(), results.page);
  // An entry the report writes no pages for leaves the page as it is.
  p.showEntry(ReportEntry::WallFrames);
  EXPECT_EQ(p.page(), results.page);
  p.showEntry(ReportEntry::Cover);
  EXPECT_EQ(p.page(), 1);
}

TEST_F(PreviewTest, ContentsWithoutPagesAreGreyedOut) {
  const QTreeWidget* contents = open()->findChild<QTreeWidget*>();
  ASSERT_NE(contents, nullptr);
  ASSERT_EQ(contents->topLevelItemCount(), 4);
  QStringList enabled;
  QStringList greyed;
  for (int k = 0; k < contents->topLevelItemCount(); ++k) {
    const QTreeWidgetItem* group = contents->topLevelItem(k);
    (group->isDisabled() ? greyed : enabled) << group->text(0);
    for (int c = 0; c < group->childCount(); ++c) {
      (group->child(c)->isDisabled() ? greyed : enabled) << group->child(c)->text(0);
    }
  }
  EXPECT_EQ(greyed,
            (QStringList{QStringLiteral("1.6. 耐力壁軸組図"), QStringLiteral("３．接合金物資料"),
                         QStringLiteral("3.1. 金物許容耐力       一覧表"), QStringLiteral("3.2. 接合金物の仕様")}));
  EXPECT_EQ(enabled.size(), 11);
}

TEST_F(PreviewTest, ZoomModesKeepThePageShown) {
  PreviewWindow& p = *open();
  p.showPage(3);
  for (ZoomMode z :
       {ZoomMode::PageWidth, ZoomMode::Percent150, ZoomMode::TwoPages, ZoomMode::Thumbnails, ZoomMode::WholePage}) {
    p.setZoom(z);
    EXPECT_EQ(p.zoom(), z);
    EXPECT_EQ(p.page(), 3);
  }
}

TEST_F(PreviewTest, WarningsFollowCompositionOnce) {
  PreviewWindow& p = *open();
  // The sample places too-weak hardware on purpose.
  ASSERT_TRUE(p.report().ng);
  p.showLoadWarnings();
  const std::vector<std::string> expected = p.report().Warnings();
  EXPECT_EQ(prompts.asked, expected);
  EXPECT_EQ(prompts.asked.front(), kNgWarning);
  p.showLoadWarnings();
  EXPECT_EQ(prompts.asked.size(), expected.size());
}

TEST_F(PreviewTest, CloseAsksAndShowsTheMainWindowAgain) {
  open();
  mainWindow->hide();
  prompts.answers = {false};
  EXPECT_FALSE(preview->close());
  ASSERT_FALSE(preview.isNull());
  EXPECT_FALSE(mainWindow->isVisible());
  prompts.answers = {true};
  EXPECT_TRUE(preview->close());
  EXPECT_TRUE(mainWindow->isVisible());
  EXPECT_EQ(prompts.asked, (std::vector<std::string>{kClosePreviewQuestion, kClosePreviewQuestion}));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(preview.isNull());
}

TEST_F(PreviewTest, PrintQuestionsNamePrinterAndCancelPrintsNothing) {
  PreviewWindow& p = *open();
  p.setPrinterName(QStringLiteral("LaserA4"));
  prompts.answers = {false, false};
  p.printAll();
  p.showPage(2);
  p.printThisPage();
  EXPECT_EQ(prompts.asked, (std::vector<std::string>{PrintAllQuestion(QStringLiteral("LaserA4")),
                                                     PrintPageQuestion(QStringLiteral("LaserA4"))}));
}

TEST_F(PreviewTest, WithoutAnyPrinterPrintingSaysSoAtOnce) {
  PreviewWindow& p = *open();
  p.setPrinterName(QString());
  p.printAll();
  p.printThisPage();
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kNoPrinterMessage));
}

// Files this process writes may not grow past limit bytes while it lives; a write
// beyond fails (EFBIG) instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{limit, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t previous_ = SIG_DFL;
};

class PreviewPdfTest : public PreviewTest {
 protected:
  void SetUp() override {
    PreviewTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    path = folder.filePath(QStringLiteral("計算書.pdf")).toStdString();
    prompts.savePath = path;
  }
  QByteArray fileBytes() const {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeOld() const {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old report");
  }

  QTemporaryDir folder;
  std::string path;
};

TEST_F(PreviewPdfTest, WritesTheReportAndOffersToOpenIt) {
  prompts.answers = {true};
  EXPECT_TRUE(open()->writePdf());
  EXPECT_TRUE(fileBytes().startsWith("%PDF"));
  ASSERT_EQ(prompts.saveDialogs.size(), 1u);
  const FileDialogSpec& request = prompts.saveDialogs[0];
  EXPECT_EQ(request.title, "『 Ｎ値計算書 の PDF 出力 』");
  EXPECT_EQ(request.defaultSuffix, "pdf");
  EXPECT_EQ(request.filter, "PDF(*.pdf);;すべてのﾌｧｲﾙ(*.*)");
  EXPECT_EQ(QFileInfo(QString::fromStdString(request.initialPath)).fileName(), "Ｎ値計算書_サンプル邸 新築工事");
  EXPECT_EQ(prompts.asked, std::vector<std::string>{PdfWrittenQuestion(path)});
  EXPECT_EQ(prompts.opened, std::vector<std::string>{path});
}

TEST_F(PreviewPdfTest, ExistingFileIsReplacedOnlyAfterConfirmation) {
  writeOld();
  prompts.answers = {false};
  EXPECT_FALSE(open()->writePdf());
  EXPECT_EQ(fileBytes(), "old report");
  EXPECT_EQ(prompts.asked, std::vector<std::string>{PdfOverwriteQuestion(path)});
  prompts.answers = {true, false};
  EXPECT_TRUE(preview->writePdf());
  EXPECT_TRUE(fileBytes().startsWith("%PDF"));
  EXPECT_TRUE(prompts.opened.empty());
}

TEST_F(PreviewPdfTest, FailedWriteIsToldAndLeavesTheTarget) {
  // A folder where the file should go: confirmed, but it cannot be replaced by a file.
  ASSERT_TRUE(QDir(QString::fromStdString(path)).mkpath(QStringLiteral(".")));
  prompts.answers = {true};
  EXPECT_FALSE(open()->writePdf());
  ASSERT_EQ(prompts.asked.size(), 2u);
  EXPECT_EQ(prompts.asked[0], PdfOverwriteQuestion(path));
  EXPECT_NE(prompts.asked[1].find(path), std::string::npos) << prompts.asked[1];
  EXPECT_TRUE(QFileInfo(QString::fromStdString(path)).isDir());
}

TEST_F(PreviewPdfTest, ReadOnlyFileIsToldAndKept) {
  writeOld();
  ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(path), QFileDevice::ReadOwner | QFileDevice::ReadOther));
  prompts.answers = {true};
  EXPECT_FALSE(open()->writePdf());
  EXPECT_EQ(prompts.asked,
            (std::vector<std::string>{PdfOverwriteQuestion(path),
                                      path + "\n\nPDF ファイルを作成できませんでした。\n" + kReadOnlyReason}));
  EXPECT_EQ(fileBytes(), "old report");
}

TEST_F(PreviewPdfTest, AWriteThatFailsHalfwayIsToldAndKeepsTheOldFile) {
  writeOld();
  open();
  prompts.answers = {true};
  {
    // The system lets the file grow to 4 kB only (as a full disk would stop it).
    const FileSizeLimit limit(4096);
    EXPECT_FALSE(preview->writePdf());
  }
  ASSERT_EQ(prompts.asked.size(), 2u);
  EXPECT_NE(prompts.asked[1].find(path), std::string::npos) << prompts.asked[1];
  EXPECT_NE(prompts.asked[1].find(std::strerror(EFBIG)), std::string::npos) << prompts.asked[1];
  EXPECT_EQ(fileBytes(), "old report");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("計算書.pdf")});
}

TEST_F(PreviewPdfTest, CancelledDialogWritesNothing) {
  prompts.savePath.reset();
  EXPECT_FALSE(open()->writePdf());
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(PreviewPdfTest, AViewerThatFailsIsReported) {
  prompts.answers = {true};
  prompts.openWorks = false;
  EXPECT_TRUE(open()->writePdf());
  EXPECT_EQ(prompts.asked.back(), NoPdfViewerMessage(path));
}

TEST_F(PreviewPdfTest, EmptyBuildingNameGivesTheBareDefaultName) {
  building.Info.BuildingName.clear();
  prompts.savePath.reset();
  open()->writePdf();
  ASSERT_EQ(prompts.saveDialogs.size(), 1u);
  EXPECT_EQ(QFileInfo(QString::fromStdString(prompts.saveDialogs[0].initialPath)).fileName(), "Ｎ値計算書_");
}

TEST_F(PreviewPdfTest, ADotInTheBuildingNameStillGivesAPdfFile) {
  // The save dialog adds ".pdf" only to a name without an extension of its own; "K.S邸"
  // would pass for a file of type "S邸".
  building.Info.BuildingName = "K.S邸";
  prompts.savePath.reset();
  open()->writePdf();
  ASSERT_EQ(prompts.saveDialogs.size(), 1u);
  EXPECT_EQ(QFileInfo(QString::fromStdString(prompts.saveDialogs[0].initialPath)).fileName(), "Ｎ値計算書_K.S邸.pdf");
}

TEST(ReportCommand, NoToTheTransmissionQuestionOpensNothing) {
  test::EnsureResultWindowApp();
  // A storey-2 column on a small beam whose orthogonal beam has a storey-1 column at one
  // end only: part of its pull-out reaches no storey-1 column.
  test::PlanBuilder p(2, 6, 4, 1, 0.91f);
  p.Column(1, 2, 1).Beam(2, Dir::X, 1, 2, 4).Column(5, 1, 1).Beam(2, Dir::Y, 5, 1, 3);
  p.Column(3, 2, 2).Sheathing(2, Dir::X, 3, 2, 1, 3);
  GenerateLineNames(p.b);
  QWidget mainWindow;
  mainWindow.show();
  ScriptedWindowPrompts prompts;
  prompts.answers = {false};
  Document doc(p.b);
  EXPECT_EQ(OpenReportPreview(doc, LoadBuiltInHardwareNames(), FigureFonts{}, &mainWindow, {}, &prompts), nullptr);
  EXPECT_TRUE(doc.results().notTransmitted);
  EXPECT_EQ(prompts.asked, std::vector<std::string>{NotTransmittedQuestion()});
  EXPECT_TRUE(mainWindow.isVisible());

  // With the warning switched off the preview opens in place of the main window.
  CalcSettings settings = doc.building().Settings;
  settings.NoCrossBeamWarning = 1;
  doc.apply(SettingsCommand(settings));
  QPointer<PreviewWindow> preview =
      OpenReportPreview(doc, LoadBuiltInHardwareNames(), FigureFonts{}, &mainWindow, {}, &prompts);
  ASSERT_FALSE(preview.isNull());
  EXPECT_FALSE(mainWindow.isVisible());
  EXPECT_EQ(prompts.asked.size(), 1u);
  delete preview.data();
}

}  // namespace
}  // namespace tvk
