// Pictures of the windows for a person to look at: with VOLNTVK_PICTURES=FOLDER set, the
// main window (sample project, bearing-wall category) and the dialogs are saved there as
// PNG files. Without it the test is skipped.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

#include "editor/commands.h"
#include "editor/file_commands.h"
#include "support/profile_samples.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/dialogs/building_outline_dialog.h"
#include "ui/dialogs/cross_beam_dialog.h"
#include "ui/dialogs/data_select_dialog.h"
#include "ui/dialogs/grid_size_dialog.h"
#include "ui/dialogs/l_method_dialog.h"
#include "ui/dialogs/line_name_dialog.h"
#include "ui/dialogs/missing_column_dialog.h"
#include "ui/dialogs/new_data_dialog.h"
#include "ui/dialogs/profile_dialog.h"
#include "ui/session_test_support.h"
#include "ui/windows/check_overlay_options.h"
#include "ui/windows/kind_tree.h"
#include "ui/windows/main_window.h"
#include "ui/windows/quasi_box.h"
#include "ui/windows/side_panel.h"

namespace tvk::test {
namespace {

using WindowPictures = SessionFixture;

void Click(const QWidget& window, const QString& caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == caption) return button->click();
  }
  ADD_FAILURE() << "no button " << caption.toStdString();
}

void Save(QWidget& widget, const QString& folder, const char* name) {
  widget.show();
  QApplication::processEvents();  // scroll bars and layouts settle
  widget.grab().save(QDir(folder).filePath(QString(name) + ".png"));
}

TEST_F(WindowPictures, SavesEveryWindow) {
  const QString folder = qEnvironmentVariable("VOLNTVK_PICTURES");
  if (folder.isEmpty()) GTEST_SKIP() << "VOLNTVK_PICTURES is not set";
  QDir().mkpath(folder);
  MainWindow window(session, &prompts);
  window.resize(1400, 900);
  ASSERT_TRUE(window.openFromCommandLine(std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK"));
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "耐力壁") button->click();
  }
  Save(window, folder, "main_window");
  // The plan keeps its proportions in every window shape and zoom.
  const struct {
    const char* name;
    QSize size;
    int zoomEntry;  // of the zoom list
  } shapes[] = {{"main_window_narrow", {900, 1000}, 0},
                {"main_window_wide", {1600, 600}, 0},
                {"main_window_200", {1400, 900}, 3}};
  for (const auto& shape : shapes) {
    window.resize(shape.size);
    window.findChild<QComboBox*>()->setCurrentIndex(shape.zoomEntry);
    Save(window, folder, shape.name);
  }
  // The 2025 checks on the plan: the read-out, the quarter strips, the columns' areas (a
  // 80 mm column on 1F carries too much in places).
  window.resize(1400, 900);
  window.findChild<QComboBox*>()->setCurrentIndex(0);
  BuildingProfile published = PublishedProfile();
  published.wood = WoodChoice{ColumnWood::Sugi2, 0};
  published.column = {ColumnSection{80, 80}, ColumnSection{105, 105}};
  session.document.apply(ProfileCommand(published));
  window.sidePanel()->overlayOptions()->checkBox(CheckOverlay::Quarters)->setChecked(true);
  Save(window, folder, "main_window_quarters");
  window.sidePanel()->overlayOptions()->checkBox(CheckOverlay::Quarters)->setChecked(false);
  window.sidePanel()->overlayOptions()->action(CheckOverlay::Tributaries)->setChecked(true);
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == "柱") button->click();
  }
  Save(window, folder, "main_window_tributary");
  window.sidePanel()->overlayOptions()->action(CheckOverlay::Tributaries)->setChecked(false);
  // A wall placed on 2F with the strips shown, then an Lw the walls of 1F do not meet.
  Click(window, "耐力壁");
  Click(window, "２階 耐力壁");
  window.sidePanel()->overlayOptions()->action(CheckOverlay::Quarters)->setChecked(true);
  window.sidePanel()->kindTree()->setCurrentItem(window.sidePanel()->kindTree()->itemOfKey("Menzai5"));
  const Building& b = building();
  for (const GridPos p : {GridPos{5, 7}, GridPos{9, 7}}) {
    emit window.canvas()->pressed(MouseButton::Left, CanvasGeometry::For(b).ToCanvas(b.Coord(p, 1).x, b.Coord(p, 1).y));
  }
  EXPECT_TRUE(prompts.asked.empty()) << prompts.asked.front();
  Save(window, folder, "main_window_wall_placed");
  published.lw1 = 110;
  published.lw2 = 40;
  session.document.apply(ProfileCommand(published));
  Click(window, "１階 耐力壁");
  Save(window, folder, "main_window_short");
  window.sidePanel()->overlayOptions()->action(CheckOverlay::Quarters)->setChecked(false);
  // Partly sheathed walls on 1F, placed with the box below the list: a 垂れ壁・腰壁 in the
  // opening of the upper line and a 準耐力壁 beside it (both count), and a 垂れ壁・腰壁 with
  // no wall beside it (grey).
  published.clearHeight = {2730, 2650};
  session.document.apply(ProfileCommand(published));
  const auto place = [&](const char* kind, GridPos from, GridPos to) {
    window.sidePanel()->kindTree()->setCurrentItem(window.sidePanel()->kindTree()->itemOfKey(kind));
    for (const GridPos p : {from, to}) {
      emit window.canvas()->pressed(MouseButton::Left,
                                    CanvasGeometry::For(b).ToCanvas(b.Coord(p, 1).x, b.Coord(p, 1).y));
    }
  };
  place("Tarekoshi4", GridPos{5, 13}, GridPos{9, 13});
  window.sidePanel()->quasiBox()->fullHeight()->setValue(2400);
  place("Juntai1", GridPos{13, 13}, GridPos{17, 13});
  place("Tarekoshi1", GridPos{9, 2}, GridPos{9, 4});
  EXPECT_TRUE(prompts.asked.empty()) << prompts.asked.front();
  Save(window, folder, "main_window_quasi");
  AddToRecentFiles(session.settings, session.document.path(), building().Info.BuildingName);
  WriteSettings(session);
  DataSelectDialog select(session, prompts, false);
  Save(select, folder, "data_select");
  NewDataDialog newData;
  Save(newData, folder, "new_data");
  BuildingOutlineDialog outline(session.document);
  Save(outline, folder, "building_outline");
  GridSizeDialog grid(building(), prompts);
  Save(grid, folder, "grid_size");
  LineNameDialog names(session.document, session.defaults, prompts);
  Save(names, folder, "line_names");
  LMethodDialog lMethod(session.document, session.defaults, prompts);
  Save(lMethod, folder, "l_method");
  CrossBeamDialog cross(session.document, session.defaults, prompts);
  Save(cross, folder, "cross_beam");
  MissingColumnDialog missing(session.document, session.defaults, prompts);
  Save(missing, folder, "missing_column");
  BuildingProfile profile;
  profile.h1 = 3300;
  profile.roof = RoofChoice{RoofFinish::Custom, 820};
  profile.wall = WallChoice{WallFinish::Siding, 0};
  ProfileDialog twoStoreys(profile, 2, prompts);
  Save(twoStoreys, folder, "profile");
  ProfileDialog oneStorey(profile, 1, prompts);
  Save(oneStorey, folder, "profile_one_storey");
}

}  // namespace
}  // namespace tvk::test
