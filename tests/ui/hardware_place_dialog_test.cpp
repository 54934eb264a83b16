#include <QListWidget>

#include "editor/document.h"
#include "engine/full_calculation.h"
#include "model/line_names.h"
#include "support/plan_builder.h"
#include "ui/dialogs/hardware_place_dialog.h"
#include "ui/result_window_support.h"

namespace tvk {
namespace {

using test::PlanBuilder;
using test::ScriptedWindowPrompts;

// Two storeys, one-division grid 4 x 2: a through column at (1, 1), storey columns at
// (3, 1) on both storeys and a storey-1 column at (5, 3). Walls give them some pull.
Building TwoStoreys() {
  PlanBuilder p(2, 4, 2, 1, 0.91f);
  p.ThroughColumn(1, 1).Column(3, 1, 1).Column(3, 1, 2).Column(5, 3, 1);
  p.Sheathing(1, Dir::X, 1, 1, 2, 5).Sheathing(2, Dir::X, 1, 1, 2, 5);
  p.b.Info.BuildingName = "試験邸";
  GenerateLineNames(p.b);
  RunFullCalculation(p.b, true);
  return p.b;
}

// Rows of storey 1 (by i, then j): (1, 1), (3, 1), (5, 3); of storey 2: (1, 1), (3, 1).
constexpr int kThroughRow = 0;
constexpr int kStoreyRow = 1;

class HardwarePlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureResultWindowApp();
    doc.replace(TwoStoreys());
    dialog = std::make_unique<HardwarePlaceDialog>(doc, nullptr, &prompts);
    dialog->show();
  }
  const ColumnRec& column(int i, int j, int s) const { return b.Point(i, j, s).Column; }

  Document doc;
  const Building& b = doc.building();
  ScriptedWindowPrompts prompts;
  std::unique_ptr<HardwarePlaceDialog> dialog;
};

TEST_F(HardwarePlaceTest, OpeningFillsNothingAndListsEveryColumn) {
  EXPECT_EQ(b.Settings.AutoHardwareOnReport, 1);
  for (const GridPoint& p : b.Points()) {
    EXPECT_TRUE(p.Column.TopHardware.empty());
    EXPECT_TRUE(p.Column.BottomHardware.empty());
  }
  EXPECT_EQ(dialog->rowTexts(1).size(), 3);
  EXPECT_EQ(dialog->rowTexts(2).size(), 2);
  EXPECT_TRUE(dialog->rowTexts(1)[kThroughRow].endsWith(QStringLiteral("[通し柱]")));
  EXPECT_TRUE(dialog->rowTexts(1)[kStoreyRow].endsWith(QStringLiteral("        ")));
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("配置金物セット   試験邸"));
  EXPECT_FALSE(dialog->refreshEnabled());
}

TEST_F(HardwarePlaceTest, ListFieldsLineUpOnScreen) {
  // The rows are laid out by counting full-width characters as two half-width ones; on
  // screen that holds only when the list's face draws them so.
  const QList<QListWidget*> lists = dialog->findChildren<QListWidget*>();
  ASSERT_EQ(lists.size(), 2);
  for (const QListWidget* list : lists) {
    const QFontMetrics metrics(list->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("柱")), 2 * metrics.horizontalAdvance(QStringLiteral("X")));
  }
}

TEST_F(HardwarePlaceTest, StoreyWithoutColumnsShowsTheSingleRow) {
  PlanBuilder p(1, 2, 2, 1, 0.91f);
  p.Column(1, 1, 1);
  GenerateLineNames(p.b);
  Document oneDoc(p.b);
  HardwarePlaceDialog one(oneDoc, nullptr, &prompts);
  EXPECT_EQ(one.rowTexts(2), QStringList{QStringLiteral("柱が配置されていません。")});
  EXPECT_EQ(one.rowTexts(1).size(), 1);
}

TEST_F(HardwarePlaceTest, ChoicesChangeTheWorkingCopyOnly) {
  dialog->selectRow(2, kStoreyRow);
  dialog->choose(2, true, 7);  // (と)
  EXPECT_EQ(dialog->workingCopy().columns(2)[kStoreyRow].top, "(と)");
  EXPECT_TRUE(dialog->rowTexts(2)[kStoreyRow].contains(QStringLiteral("(と)")));
  EXPECT_EQ(dialog->selectorText(2, true), QStringLiteral("(と)"));
  EXPECT_TRUE(dialog->modified());
  EXPECT_TRUE(dialog->refreshEnabled());
  EXPECT_TRUE(column(3, 1, 2).TopHardware.empty());
  // "空欄" stores an empty text.
  dialog->choose(2, true, 0);
  EXPECT_EQ(dialog->workingCopy().columns(2)[kStoreyRow].top, "");
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(HardwarePlaceTest, NonJointEndsOfThroughColumnsAsk) {
  const struct {
    int storey;
    bool top;
    const char* question;
  } cases[] = {{1, true, kThroughTopQuestion}, {2, false, kThroughBottomQuestion}};
  for (const auto& c : cases) {
    prompts.asked.clear();
    dialog->selectRow(c.storey, kThroughRow);
    prompts.answers = {false};
    dialog->choose(c.storey, c.top, 6);
    const PlacedColumn& through = dialog->workingCopy().columns(c.storey)[kThroughRow];
    EXPECT_EQ(c.top ? through.top : through.bottom, "");
    EXPECT_EQ(dialog->selectorText(c.storey, c.top), QStringLiteral("空欄"));
    prompts.answers = {true};
    dialog->choose(c.storey, c.top, 6);
    EXPECT_EQ(c.top ? through.top : through.bottom, "(へ)");
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{c.question, c.question}));
    // Taking the hardware away again places nothing and is not asked.
    dialog->choose(c.storey, c.top, 0);
    EXPECT_EQ(prompts.asked.size(), 2u);
  }
  // The joint ends of a through column do not ask.
  dialog->choose(1, false, 6);
  dialog->choose(2, true, 6);
  EXPECT_EQ(prompts.asked.size(), 2u);
}

TEST_F(HardwarePlaceTest, ClearingStoreyTwoLeavesStoreyOne) {
  dialog->selectRow(1, kStoreyRow);
  dialog->choose(1, true, 5);
  dialog->selectRow(2, kStoreyRow);
  dialog->choose(2, false, 5);
  prompts.answers = {false, true};
  dialog->clearStorey(2);
  EXPECT_EQ(dialog->workingCopy().columns(2)[kStoreyRow].bottom, "(ほ)");
  dialog->clearStorey(2);
  EXPECT_EQ(dialog->workingCopy().columns(2)[kStoreyRow].bottom, "");
  EXPECT_EQ(dialog->workingCopy().columns(1)[kStoreyRow].top, "(ほ)");
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, "2 階 配置金物をクリアーします。"));
}

TEST_F(HardwarePlaceTest, RefreshAppliesAndShowsTheDoublePull) {
  dialog->selectRow(1, kStoreyRow);
  dialog->choose(1, true, 7);  // storey-1 top (と)
  dialog->selectRow(2, kStoreyRow);
  dialog->choose(2, false, 8);  // storey-2 bottom (ち)
  prompts.answers = {false};
  dialog->refreshList();
  EXPECT_TRUE(column(3, 1, 1).TopHardware.empty());
  prompts.answers = {true};
  dialog->refreshList();
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kRefreshQuestion));
  EXPECT_EQ(column(3, 1, 1).TopHardware, "(ち)");
  EXPECT_EQ(column(3, 1, 2).BottomHardware, "(ち)");
  EXPECT_EQ(dialog->workingCopy().columns(1)[kStoreyRow].top, "(ち)");
  EXPECT_TRUE(dialog->rowTexts(1)[kStoreyRow].contains(QStringLiteral(" (ち)")));
  EXPECT_TRUE(doc.modified());
  EXPECT_TRUE(dialog->applied());
  EXPECT_TRUE(dialog->isVisible());
  // Apply never fills the empty fields of the other columns.
  EXPECT_TRUE(column(5, 3, 1).TopHardware.empty());
}

TEST_F(HardwarePlaceTest, WithoutDoublePullTheTextsStayAsChosen) {
  dialog->setDoublePull(false);
  dialog->selectRow(1, kStoreyRow);
  dialog->choose(1, true, 7);
  dialog->selectRow(2, kStoreyRow);
  dialog->choose(2, false, 8);
  prompts.answers = {true};
  dialog->refreshList();
  EXPECT_EQ(b.Settings.DoublePullHD, 0);
  EXPECT_EQ(column(3, 1, 1).TopHardware, "(と)");
}

TEST_F(HardwarePlaceTest, OkAsksBeforeApplyingAndCancelKeepsTheDialog) {
  dialog->selectRow(1, kStoreyRow);
  dialog->choose(1, false, 3);
  prompts.answers = {false};
  dialog->accept();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(column(3, 1, 1).BottomHardware.empty());
  prompts.answers = {true};
  dialog->accept();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(column(3, 1, 1).BottomHardware, "(は)");
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kApplyQuestion));
}

TEST_F(HardwarePlaceTest, ThroughColumnHardwareAtANonJointEndIsAskedBeforeItIsApplied) {
  dialog->selectRow(1, kThroughRow);
  prompts.answers = {true};
  dialog->choose(1, true, 4);
  dialog->setAutoPlacement(false);
  prompts.answers = {true, false};
  dialog->accept();
  // Cancelled: the building is as it was, options included, and the dialog stays open.
  EXPECT_EQ(prompts.asked.back(), kThroughHoldsQuestion);
  EXPECT_TRUE(column(1, 1, 1).TopHardware.empty());
  EXPECT_FALSE(ThroughColumnHoldsHardware(b));
  EXPECT_EQ(b.Settings.AutoHardwareOnReport, 1);
  EXPECT_FALSE(doc.modified());
  EXPECT_FALSE(dialog->applied());
  EXPECT_TRUE(dialog->isVisible());
  // Asked again, and OK to both applies and closes.
  prompts.answers = {true, true};
  dialog->accept();
  EXPECT_EQ(column(1, 1, 1).TopHardware, "(に)");
  EXPECT_EQ(b.Settings.AutoHardwareOnReport, 0);
  EXPECT_TRUE(doc.modified());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(prompts.asked.size(), 5u);
}

TEST_F(HardwarePlaceTest, CancelWithChangesAsksAndAppliesNothing) {
  dialog->selectRow(2, kStoreyRow);
  dialog->choose(2, true, 2);
  prompts.answers = {false};
  dialog->reject();
  EXPECT_TRUE(dialog->isVisible());
  prompts.answers = {true};
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(column(3, 1, 2).TopHardware.empty());
  EXPECT_FALSE(doc.modified());
  EXPECT_FALSE(dialog->applied());
  EXPECT_EQ(prompts.asked, std::vector<std::string>(2, kAbandonPlacementQuestion));
}

TEST_F(HardwarePlaceTest, OkStoresTheOptionsAndMarksAChange) {
  dialog->setAutoPlacement(false);
  dialog->accept();
  EXPECT_EQ(b.Settings.AutoHardwareOnReport, 0);
  EXPECT_EQ(b.Settings.DoublePullHD, 1);
  EXPECT_TRUE(doc.modified());
  EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
}  // namespace tvk
