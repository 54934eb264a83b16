// The new-data, building-outline, grid size and line name dialogs.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/line_names.h"
#include "ui/dialogs/building_outline_dialog.h"
#include "ui/dialogs/grid_size_dialog.h"
#include "ui/dialogs/line_name_dialog.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/session_test_support.h"

namespace tvk::test {
namespace {

using BuildingDialogs = SessionFixture;

TEST_F(BuildingDialogs, SubGridLabelsFollowTheGridLength) {
  NewDataDialog dialog;
  const char* const at910[] = {"[910.0(mm)]", "[455.0(mm)]", "[303.3(mm)]", "[227.5(mm)]"};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(dialog.subGridLabel(k)->text().toStdString(), at910[k]);
  dialog.gridLengthEdit()->setText("1000");
  const char* const at1000[] = {"[1000.0(mm)]", "[500.0(mm)]", "[333.3(mm)]", "[250.0(mm)]"};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(dialog.subGridLabel(k)->text().toStdString(), at1000[k]);
  EXPECT_TRUE(dialog.okButton()->isEnabled());
  // A length that is not a positive number, or none the grid size dialog could show,
  // cannot be confirmed (1e39 mm made a grid whose centres read "NaNm").
  for (const char* bad : {"", "0", "abc", "-910", "0.5", "10000", "1e39"}) {
    dialog.gridLengthEdit()->setText(bad);
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << bad;
    EXPECT_TRUE(dialog.subGridLabel(0)->text().isEmpty()) << bad;
  }
  dialog.gridLengthEdit()->setText("9999");
  EXPECT_TRUE(dialog.okButton()->isEnabled());
}

TEST_F(BuildingDialogs, NewDataWithTheDefaultsGivesTwentyByTwentySpans) {
  NewDataDialog dialog;
  startWith([](Building& b) { b.Settings.Match1FTo2F = 1; });
  Touch(session.document);
  session.defaults.DefLMethod = 1;
  createNew(dialog.choice());
  const Building& b = building();
  EXPECT_EQ(b.Storeys(), 2);
  EXPECT_EQ(b.Divisions(), 2);
  EXPECT_EQ(b.SpansX(), 20);
  EXPECT_EQ(b.SpansY(), 20);
  EXPECT_EQ(b.Levels(), 3);
  EXPECT_FLOAT_EQ(b.SubPitch(), 0.455f);
  EXPECT_EQ(session.document.path(), kNewDataPath);
  EXPECT_FALSE(session.document.modified());
  EXPECT_EQ(b.Settings.LMethod, 1);
  EXPECT_EQ(b.Settings.Match1FTo2F, 1);  // not part of the dialog
  EXPECT_EQ(b.LineNameX(2), "X1a");
}

TEST_F(BuildingDialogs, NewDataOneStoreyThirtyGridsFourDivisions) {
  NewDataChoice choice;
  choice.storeyOption = 0;
  choice.gridsX = choice.gridsY = 30;
  choice.subdivisionOption = 3;
  choice.gridLengthMm = 1000;
  createNew(choice);
  EXPECT_EQ(building().PointsX(), 121);
  EXPECT_EQ(building().PointsY(), 121);
  EXPECT_EQ(building().Levels(), 2);
  EXPECT_FLOAT_EQ(building().SubPitch(), 0.25f);
}

TEST_F(BuildingDialogs, NameBoxesKeepTheirLimits) {
  NewDataDialog dialog;
  BuildingOutlineDialog outline(session.document);
  EXPECT_EQ(outline.edits().building->maxLength(), 50);
  EXPECT_EQ(outline.edits().office->maxLength(), 16);
  EXPECT_EQ(outline.edits().person->maxLength(), 16);
  EXPECT_EQ(outline.edits().building->toolTip().toStdString(), "最大文字数は、５０文字です");
  EXPECT_EQ(outline.edits().office->toolTip().toStdString(), "最大文字数は、１６文字です");
}

TEST_F(BuildingDialogs, OutlineOkWithoutChangesStillMarksModified) {
  startWith([](Building& b) {
    b.Info.BuildingName = "邸";
    b.Info.HideDateOnCover = 1;
  });
  BuildingOutlineDialog dialog(session.document);
  EXPECT_EQ(dialog.windowTitle().toStdString(), kProgramTitle);
  EXPECT_TRUE(dialog.hideDateBox()->isChecked());
  dialog.accept();
  EXPECT_TRUE(session.document.modified());
  EXPECT_EQ(building().Info.BuildingName, "邸");
  EXPECT_EQ(building().Info.HideDateOnCover, 1);
}

TEST_F(BuildingDialogs, GridSizeOkWithoutChangeIsCancel) {
  GridSizeDialog dialog(building(), prompts);
  EXPECT_EQ(dialog.gridsXBox()->currentText(), "10");
  EXPECT_EQ(dialog.lengthBox()->currentText(), "910");
  dialog.okButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(BuildingDialogs, GridSizeChangeAsksAndCancelReturnsToTheDialog) {
  GridSizeDialog dialog(building(), prompts);
  dialog.gridsXBox()->setCurrentIndex(7);
  prompts.answers = {false, true};
  dialog.show();
  dialog.okButton()->click();
  EXPECT_EQ(prompts.asked, std::vector<std::string>{"データ入力グリッドサイズを変更します。"});
  EXPECT_TRUE(dialog.isVisible());
  dialog.okButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.choice(), (GridSizeChoice{8, 10, 910}));
}

TEST_F(BuildingDialogs, GridSizeOfAReadBuildingBeyondTheListOffersItsLastEntry) {
  // A project file may hold 120 spans of one division: 120 grids, more than the list offers.
  Building b = building();
  b.Info.GridDivisions = 1;
  b.Info.GridSpansX = kMaxSpans;
  b.Info.GridSpansY = 10;
  b.DeriveGridValues();
  b.CreateModelArrays();
  GridSizeDialog dialog(b, prompts);
  EXPECT_EQ(dialog.gridsXBox()->currentText(), "30");
  EXPECT_EQ(dialog.gridsYBox()->currentText(), "10");
  dialog.okButton()->click();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_NO_THROW(ResizeGrid(b, dialog.choice()));
  EXPECT_EQ(b.SpansX(), 30);
}

TEST_F(BuildingDialogs, LineNameDialogOpensWithTheSettingsAndAppliesThem) {
  LineNameDialog dialog(session.document, session.defaults, prompts);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "VOLN-TVK /軸組Ｎ値算定   通り名の設定");
  const LineNameDialog::Frame& x = dialog.frame(0);
  EXPECT_EQ(x.schemes->checkedId(), 1);
  EXPECT_EQ(x.start[0]->text(), "1");
  EXPECT_TRUE(x.start[0]->isEnabled());
  EXPECT_FALSE(x.start[1]->isEnabled());
  EXPECT_EQ(x.reverse->toolTip().toStdString(), "右端を始点として通り名を付けます");
  EXPECT_EQ(dialog.frame(1).reverse->toolTip().toStdString(), "上端を始点として通り名を付けます");

  x.schemes->button(4)->click();
  EXPECT_FALSE(x.start[0]->isEnabled());
  EXPECT_TRUE(x.start[0]->text().isEmpty());
  EXPECT_EQ(x.start[1]->text(), "1");
  x.start[1]->setText("5");
  dialog.frame(1).schemes->button(2)->click();
  EXPECT_FALSE(dialog.frame(1).start[0]->isEnabled());
  EXPECT_FALSE(dialog.frame(1).start[1]->isEnabled());

  // "デフォルト設定" stores the dialog's values as defaults, the project keeps its own.
  prompts.answers = {true};
  dialog.defaultButton()->click();
  EXPECT_EQ(prompts.asked.back(),
            "通り名のデフォルトを変更します。\n\n(変更したデフォルトは、次回新規データから有効になります。)");
  EXPECT_EQ(session.defaults.DefLineStyleX, 4);
  EXPECT_EQ(session.defaults.DefLineStartX, 5);
  EXPECT_EQ(building().Settings.LineStyleX, 1);
  EXPECT_FALSE(session.document.modified());

  dialog.accept();
  EXPECT_EQ(building().Settings.LineStyleX, 4);
  EXPECT_EQ(building().Settings.LineStartX, 5);
  EXPECT_EQ(building().Settings.LineStyleY, 2);
  EXPECT_TRUE(session.document.modified());
  EXPECT_EQ(building().LineNameX(1), "5");
  EXPECT_EQ(building().LineNameY(1), "い");
}

}  // namespace
}  // namespace tvk::test
