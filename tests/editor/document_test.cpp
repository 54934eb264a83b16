// The document: every change as a command (modified, undo, what the views are told), and
// results that follow the building.

#include <gtest/gtest.h>

#include <vector>

#include "editor/commands.h"
#include "editor/document.h"
#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "engine/full_calculation.h"
#include "support/document_setup.h"

namespace tvk {
namespace {

using test::PlanBuilder;
using test::PlanWriter;

// What a view is told, in order: "changing" or "changed" with the change.
struct Told {
  bool before;
  DocumentChange change;
  bool modified;  // the document's flag when it was told

  bool operator==(const Told&) const = default;
};

class RecordingView : public DocumentView {
 public:
  explicit RecordingView(const Document& doc) : doc_(doc) {}
  void documentChanging(const DocumentChange& change) override { told.push_back({true, change, doc_.modified()}); }
  void documentChanged(const DocumentChange& change) override { told.push_back({false, change, doc_.modified()}); }

  std::vector<Told> told;

 private:
  const Document& doc_;
};

EditRequest PlaceColumn(int i, int j) {
  EditRequest edit;
  edit.category = Category::Column;
  edit.editMode = EditMode::Place;
  edit.rect = GridRect{i, j, i, j};
  edit.subKind = static_cast<int>(ColumnKind::Storey);
  return edit;
}

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() : doc(PlanBuilder(2, 8, 8).b), view(doc) { doc.addView(view); }
  ~DocumentTest() override { doc.removeView(view); }

  Document doc;
  RecordingView view;
};

TEST_F(DocumentTest, StartsNeverSavedUnmodifiedWithNothingToUndo) {
  EXPECT_EQ(doc.path(), kNewDataPath);
  EXPECT_TRUE(doc.neverSaved());
  EXPECT_FALSE(doc.modified());
  EXPECT_FALSE(doc.canUndo());
}

TEST_F(DocumentTest, APlanEditTellsTheViewsItsAreaBeforeAndAfterAndCanBeUndone) {
  doc.apply(PlanEditCommand(PlaceColumn(3, 4)));
  const DocumentChange area = DocumentChange::Area(1, GridRect{3, 4, 3, 4});
  EXPECT_EQ(view.told, (std::vector<Told>{{true, area, false}, {false, area, true}}));
  EXPECT_EQ(doc.building().Point(3, 4, 1).Column.ColKind, ColumnKind::Storey);
  EXPECT_TRUE(doc.modified());
  ASSERT_TRUE(doc.canUndo());
  EXPECT_EQ(doc.undoInfo(), (UndoInfo{Category::Column, EditMode::Place, 1, GridRect{3, 4, 3, 4}}));

  view.told.clear();
  doc.undo();
  EXPECT_EQ(view.told, (std::vector<Told>{{true, area, true}, {false, area, true}}));
  EXPECT_EQ(doc.building().Point(3, 4, 1).Column.ColKind, ColumnKind::None);
  EXPECT_FALSE(doc.canUndo());
}

TEST_F(DocumentTest, OtherCommandsKeepTheUndoOfTheLastPlanEdit) {
  doc.apply(PlanEditCommand(PlaceColumn(3, 4)));
  CalcSettings settings = doc.building().Settings;
  settings.LMethod = 1;
  doc.apply(SettingsCommand(settings));
  doc.apply(OutlineCommand({"家", "事務所", "担当", true, false}));
  EXPECT_EQ(doc.building().Settings.LMethod, 1);
  EXPECT_EQ(doc.building().Info.BuildingName, "家");
  EXPECT_EQ(doc.building().Info.HideOfficeOnCover, 1);
  EXPECT_EQ(view.told.back(), (Told{false, DocumentChange::Values(), true}));
  ASSERT_TRUE(doc.canUndo());
  doc.undo();
  EXPECT_EQ(doc.building().Point(3, 4, 1).Column.ColKind, ColumnKind::None);
  EXPECT_EQ(doc.building().Settings.LMethod, 1);  // not part of the plan edit
}

TEST_F(DocumentTest, SettingsCommandKeepsTheLineNames) {
  test::StartFrom(doc, [](Building& b) { b.Settings.LineNamesX[0] = "い"; });
  CalcSettings settings = doc.building().Settings;
  settings.LineNamesX[0] = "ろ";
  settings.MaxWallMultiplier = 7.0f;
  doc.apply(SettingsCommand(settings));
  EXPECT_EQ(doc.building().Settings.LineNamesX[0], "い");
  EXPECT_EQ(doc.building().Settings.MaxWallMultiplier, 7.0f);
}

TEST_F(DocumentTest, GridResizeForgetsTheUndoAndChangesEverything) {
  doc.apply(PlanEditCommand(PlaceColumn(3, 4)));
  view.told.clear();
  doc.apply(GridResizeCommand(GridSizeChoice{3, 5, 1000}));
  EXPECT_EQ(view.told.back(), (Told{false, DocumentChange::Everything(), true}));
  EXPECT_EQ(doc.building().PointsX(), 7);
  EXPECT_EQ(doc.building().PointsY(), 11);
  EXPECT_EQ(doc.building().LineNameX(7), "X4");
  EXPECT_EQ(doc.building().Point(3, 4, 1).Column.ColKind, ColumnKind::Storey);
  EXPECT_FALSE(doc.canUndo());
  EXPECT_TRUE(doc.results().Fits(doc.building()));
}

TEST_F(DocumentTest, ReplacingStartsAfreshAndTellsTheViewsUnmodified) {
  doc.apply(PlanEditCommand(PlaceColumn(3, 4)));
  view.told.clear();
  doc.replace(PlanBuilder(1, 4, 4).b);
  const DocumentChange all = DocumentChange::Everything();
  EXPECT_EQ(view.told, (std::vector<Told>{{true, all, true}, {false, all, false}}));
  EXPECT_EQ(doc.building().Storeys(), 1);
  EXPECT_FALSE(doc.canUndo());
  EXPECT_EQ(doc.path(), kNewDataPath);
}

TEST_F(DocumentTest, EccentricityFollowsEveryChange) {
  EXPECT_EQ(doc.balance(1).Stiffness[Dir::X], 0.0f);
  EditRequest wall;
  wall.category = Category::Wall;
  wall.editMode = EditMode::Place;
  wall.rect = GridRect{1, 1, 3, 1};
  wall.groupKey = kKeyMenzai;
  wall.multiplier = 2.5f;
  wall.layers = LayerSet::Sheathing;
  wall.slope = 4;
  doc.apply(PlanEditCommand(wall));
  EXPECT_NEAR(doc.balance(1).Stiffness[Dir::X], 0.91f * 2.5f, 1e-5);
  doc.undo();
  EXPECT_EQ(doc.balance(1).Stiffness[Dir::X], 0.0f);
}

// The calculation writes the values the file keeps; that is no change of the document.
TEST_F(DocumentTest, CalculationFillsHardwareOnlyWhenAskedAndModifiesNothing) {
  test::StartFrom(doc, [](Building& b) { PlanWriter(b).Column(1, 1, 1).Sheathing(1, Dir::X, 1, 1, 2, 5); });
  view.told.clear();
  const ColumnRec& column = doc.building().Point(1, 1, 1).Column;
  doc.results(HardwareFill::Never);
  EXPECT_EQ(column.NeedGrade, "(ほ)");
  EXPECT_TRUE(column.TopHardware.empty());
  EXPECT_GT(doc.results(HardwareFill::Never).Column(1, 1, 1).n[Dir::X], 0.0f);
  doc.results();
  EXPECT_EQ(column.TopHardware, "(ほ)");
  EXPECT_FALSE(doc.modified());
  EXPECT_TRUE(view.told.empty());
  // Emptied again by a command, filled again by the next calculation.
  doc.apply(ClearHardwareCommand());
  EXPECT_TRUE(column.TopHardware.empty());
  doc.results(HardwareFill::Never);
  EXPECT_TRUE(column.TopHardware.empty());
  doc.results();
  EXPECT_EQ(column.TopHardware, "(ほ)");
}

// Results are calculated once per change: a second full calculation of an unchanged
// building (hardware already filled) would leave everything as the first did.
TEST(DocumentResults, ASecondCalculationChangesNothing) {
  Building b = test::TransmissionPlan();
  b.Settings.Match1FTo2F = 1;
  const CalcResults first = RunFullCalculation(b, false);
  const Building once = b;
  const CalcResults second = RunFullCalculation(b, false);
  EXPECT_TRUE(test::PointsOf(b) == test::PointsOf(once));
  EXPECT_TRUE(std::ranges::equal(first.Columns(), second.Columns()));
}

TEST_F(DocumentTest, ResultsFollowTheBuilding) {
  EXPECT_EQ(doc.results().Storey(1).columns, 0);
  doc.apply(PlanEditCommand(PlaceColumn(3, 4)));
  EXPECT_EQ(doc.results().Storey(1).columns, 1);
  doc.undo();
  EXPECT_EQ(doc.results().Storey(1).columns, 0);
}

}  // namespace
}  // namespace tvk
