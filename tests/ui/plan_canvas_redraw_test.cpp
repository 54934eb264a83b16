// The plan canvas after edits: what the user sees is always what a full redraw would show
// (no stale pixels of erased members, labels or marks), and the marks and rubber bands
// come and go without touching the plan.

#include <QScrollBar>
#include <deque>
#include <functional>
#include <random>

#include "canvas_test_support.h"
#include "editor/commands.h"
#include "engine/eccentricity.h"

namespace tvk::test {
namespace {

// The window's side of the editor as far as the canvas goes: questions answered with OK,
// pop-ups from a script, the zoom list passed on to the canvas.
class CanvasHost : public AskUser, public EditorHost {
 public:
  PlanCanvas* canvas = nullptr;
  std::deque<PopupChoice> popups;
  std::vector<std::string> messages;

  PopupChoice askPopup(PopupKind, CanvasPos) override {
    if (popups.empty()) return PopupChoice::Cancel;
    const PopupChoice choice = popups.front();
    popups.pop_front();
    return choice;
  }
  bool confirm(const std::string&) override { return true; }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void beep() override {}
  void setCancelEnabled(bool) override {}
  void setPositionLabels(const std::string&, const std::string&) override {}
  void setBusy(bool) override {}
  void setZoom(double factor) override { canvas->setZoom(factor); }
};

// A canvas whose plan, built first by the derived fixture, is edited through the editor; the
// canvas is the editor's plan view.
class EditedCanvasTest : public CanvasTest {
 protected:
  explicit EditedCanvasTest(const std::function<void(PlanBuilder&)>& build)
      : planned_(Build(build)), editor(doc, host, Canvas(), host) {
    host.canvas = &Canvas();
    editor.chooseCategory(Category::Wall);  // full redraw and marks
  }
  bool Build(const std::function<void(PlanBuilder&)>& build) {
    build(plan);
    return true;
  }
  const EditorState& CanvasState() const override { return editor.state(); }

  CanvasPos At(int i, int j) const {
    const PointCoord& c = plan.b.Coord(i, j, 1);
    return CanvasGeometry::For(plan.b).ToCanvas(c.x, c.y);
  }
  void Drag(int i1, int j1, int i2, int j2) {
    editor.press(MouseButton::Left, At(i1, j1));
    editor.move(At(i2, j2));
    editor.press(MouseButton::Left, At(i2, j2));
  }
  // The main window tells the canvas when a delete toggle changes.
  void ToggleDelete(DeleteToggle which, bool down) {
    editor.pressDeleteToggle(which, down);
    Canvas().deleteModeChanged();
  }
  // The canvas as shown now against a full redraw of the same building.
  void ExpectAsFullRedraw(const std::string& what) {
    const QImage shown = Canvas().viewImage();
    Canvas().fullRedraw();
    EXPECT_TRUE(shown == Canvas().viewImage()) << what << ": " << FirstDifference(shown, Canvas().viewImage());
  }

  CanvasHost host;
  bool planned_;
  PlanEditor editor;
};

// A plan with members of every category close together.
class RedrawTest : public EditedCanvasTest {
 protected:
  RedrawTest()
      : EditedCanvasTest([](PlanBuilder& plan) {
          plan.b.Settings.SheathingAdjust = 0.5f;
          plan.Floor(1, 1, 1, 8, 6)
              .Sheathing(1, Dir::X, 1, 3, 3, 2)
              .Brace(1, Dir::X, 5, 3, 2, 3, kCrossed)
              .Sheathing(1, Dir::Y, 4, 1, 5, 6)
              .Brace(1, Dir::Y, 7, 2, 3, 2, kRisesToLower)
              .Column(4, 3, 1)
              .Column(5, 5, 1, ColumnKind::Through)
              .Beam(2, Dir::X, 1, 4, 8)
              .Beam(2, Dir::Y, 6, 1, 6)
              .Floor(2, 2, 2, 6, 5);
          plan.b.UpdateFloorEdges(2);
        }) {}
};

TEST_F(RedrawTest, EditsLeaveNoStalePixels) {
  struct Step {
    const char* what;
    std::function<void()> run;
  };
  const Step steps[] = {
      {"sheathed wall placed",
       [this] {
         editor.chooseKind("Menzai3");
         Drag(5, 5, 8, 5);
       }},
      {"column at its end",
       [this] {
         editor.chooseCategory(Category::Column);
         editor.press(MouseButton::Left, At(8, 5));
       }},
      {"undo of the column", [this] { editor.undo(); }},
      {"sheathed wall deleted",
       [this] {
         editor.chooseCategory(Category::Wall);
         editor.chooseKind("Menzai2");
         ToggleDelete(DeleteToggle::Delete, true);
         Drag(1, 3, 4, 3);
       }},
      {"undo of the deletion", [this] { editor.undo(); }},
      {"group delete of beams",
       [this] {
         ToggleDelete(DeleteToggle::Delete, false);
         editor.chooseCategory(Category::Beam);
         ToggleDelete(DeleteToggle::GroupDelete, true);
         Drag(5, 3, 7, 5);
       }},
      {"group delete of floor cells",
       [this] {
         editor.chooseCategory(Category::Floor);
         Drag(2, 2, 5, 4);
       }},
      {"crossed brace placed",
       [this] {
         ToggleDelete(DeleteToggle::GroupDelete, false);
         editor.chooseCategory(Category::Wall);
         editor.chooseKind("Tasuki4");
         Drag(3, 4, 3, 6);
       }},
  };
  for (const Step& step : steps) {
    step.run();
    ExpectAsFullRedraw(step.what);
  }
  EXPECT_EQ(host.messages, std::vector<std::string>{});
}

TEST_F(RedrawTest, OtherStoreyWallsComeAndGo) {
  plan.Brace(2, Dir::X, 2, 5, 2, 4, kRisesToHigher);  // light red, above a storey-1 line
  doc.replace(plan.b);
  editor.chooseCategory(Category::Column);
  const QImage without = Canvas().planImage().copy();
  const QPoint symbol = PxAt(3, 5, 0.5, 0.15);
  EXPECT_FALSE(ColourNear(without, symbol, Pal(kPalLightRed), 1));
  editor.toggleOtherStoreyWalls();
  EXPECT_TRUE(ColourNear(Canvas().planImage(), symbol, Pal(kPalLightRed), 1));
  ExpectAsFullRedraw("walls shown");
  editor.toggleOtherStoreyWalls();
  EXPECT_EQ(Canvas().planImage(), without);
}

TEST_F(RedrawTest, MarksFollowTheValuesAndLeaveNothingBehind) {
  const double cmPerMetre = PlanScale(plan.b);
  auto gravityTop = [&] {
    const StoreyBalance& balance = doc.balance(1);
    return Px(QPointF(balance.Gravity[Dir::Y] * cmPerMetre + kMarginCm,
                      balance.Gravity[Dir::X] * cmPerMetre + kMarginCm + 0.3));
  };
  const QPoint before = gravityTop();
  const float xBefore = doc.balance(1).Gravity[Dir::Y];
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), before, Pal(kPalWhite), 1));

  // Floor cells of the left half deleted: the centre of gravity moves right.
  EditRequest floors;
  floors.category = Category::Floor;
  floors.editMode = EditMode::Delete;
  floors.rect = GridRect{1, 1, 5, 7};
  doc.apply(PlanEditCommand(floors));
  ASSERT_GT(doc.balance(1).Gravity[Dir::Y], xBefore + 0.2f);
  EXPECT_FALSE(ColourNear(Canvas().viewImage(), before, Pal(kPalWhite), 1));
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), gravityTop(), Pal(kPalWhite), 1));
  // Frames: inner yellow 0.2 x the elastic radius left of the centre, outer red 0.3 x.
  const StoreyBalance& balance = doc.balance(1);
  const QPointF gravity(balance.Gravity[Dir::Y] * cmPerMetre + kMarginCm,
                        balance.Gravity[Dir::X] * cmPerMetre + kMarginCm);
  const double radiusX = balance.ElasticRadius[Dir::Y] * cmPerMetre;
  ASSERT_GT(radiusX, 0.0);
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), Px(gravity - QPointF(0.2 * radiusX, 0)), Pal(kPalYellow), 1));
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), Px(gravity - QPointF(0.3 * radiusX, 0)), Pal(kPalLightRed), 1));

  Canvas().setHideCentres(true);
  EXPECT_EQ(Canvas().viewImage(), Canvas().planImage());
}

// A dense plan much larger than the part of it an edit redraws: members of four segments
// on every line, and long sheathed walls with adjustment labels through the middle. The
// redraw must reach the members from beyond the edited rectangle that run into it.
class LargePlanRedrawTest : public EditedCanvasTest {
 protected:
  LargePlanRedrawTest()
      : EditedCanvasTest([](PlanBuilder& plan) {
          plan.b = DensePlan(40);
          plan.b.Settings.SheathingAdjust = 0.5f;
          plan.Sheathing(1, Dir::X, 3, 21, 34, 3).Sheathing(1, Dir::Y, 19, 2, 36, 5);
          plan.b.Settings.SheathingAdjust = 0;
          plan.b.Point(17, 17, 1).Column.ColKind = ColumnKind::None;  // room for a click
          plan.b.UpdateFloorEdges(2);
          GenerateLineNames(plan.b);
        }) {}
};

TEST_F(LargePlanRedrawTest, EditsInTheMiddleLeaveNoStalePixels) {
  struct Step {
    const char* what;
    std::function<void()> run;
  };
  const Step steps[] = {
      {"brace deleted across a long wall",
       [this] {
         editor.chooseKind("Tasuki3");
         ToggleDelete(DeleteToggle::Delete, true);
         Drag(17, 20, 21, 20);
       }},
      {"undo of the deletion", [this] { editor.undo(); }},
      {"column placed",
       [this] {
         ToggleDelete(DeleteToggle::Delete, false);
         editor.chooseCategory(Category::Column);
         editor.press(MouseButton::Left, At(17, 17));
       }},
      {"other storey's walls shown", [this] { editor.toggleOtherStoreyWalls(); }},
      {"floor cells deleted as a group",
       [this] {
         editor.toggleOtherStoreyWalls();
         editor.chooseCategory(Category::Floor);
         ToggleDelete(DeleteToggle::GroupDelete, true);
         Drag(17, 17, 23, 24);
       }},
  };
  for (const Step& step : steps) {
    step.run();
    ExpectAsFullRedraw(step.what);
  }
  EXPECT_EQ(host.messages, std::vector<std::string>{});
}

// The canvas told that a grid rectangle of storey 1 changed, without a change: it takes
// the rectangle off and draws it again.
void RedrawArea(PlanCanvas& canvas, const GridRect& rect) {
  canvas.documentChanging(DocumentChange::Area(1, rect));
  canvas.documentChanged(DocumentChange::Area(1, rect));
}

// Any grid rectangle taken off and drawn again gives what a full redraw gives, on a fine
// grid where symbols and labels reach over several grid lines, at every zoom: walls of
// one to five segments, labelled sheathing, crossed and single braces, columns here and
// there.
TEST_F(CanvasTest, ARedrawOfAnyRectangleLooksLikeAFullRedraw) {
  plan = PlanBuilder(2, 60, 60);
  plan.b.Settings.SheathingAdjust = 0.5f;
  std::mt19937 random(1460);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  plan.Floor(1, 1, 1, 60, 60);
  for (int n = 0; n < 250; ++n) {
    const Dir d = pick(0, 1) == 0 ? Dir::X : Dir::Y;
    const int length = pick(1, 5);
    const int start = pick(1, 61 - length);
    const int line = pick(1, 61);
    const GridPos at = GridPos::OnLine(d, line, start);
    if (n % 2 == 0) {
      plan.Sheathing(1, d, at.i, at.j, length, pick(1, 10));
    } else {
      plan.Brace(1, d, at.i, at.j, length, pick(1, 4), pick(kRisesToHigher, kCrossed));
    }
    if (n % 3 == 0) plan.Column(pick(1, 61), pick(1, 61), 1);
  }
  state.InputCategory = Category::Wall;
  for (const double zoom : {1.0, 3.0}) {
    Canvas().setZoom(zoom);
    const QImage full = Canvas().planImage().copy();
    for (int n = 0; n < 12; ++n) {
      const int x = pick(1, 58);
      const int y = pick(1, 58);
      const GridRect rect{x, y, x + pick(0, 2), y + pick(0, 2)};
      RedrawArea(Canvas(), rect);
      ASSERT_TRUE(Canvas().planImage() == full)
          << "zoom " << zoom << ", rectangle " << x << ", " << y << ": " << FirstDifference(Canvas().planImage(), full);
    }
  }
}

// A damaged file may hold coordinates off the grid; the index of a point then does not
// tell where it is drawn, and a redraw reads every point.
TEST_F(CanvasTest, PointsOffTheGridAreRedrawnWherever) {
  plan.Floor(1, 1, 1, 8, 6).Column(2, 2, 1);
  plan.b.Coord(2, 2, 1).x += 2.0f;  // drawn between (6, 4) and (7, 5), far from its neighbours
  plan.b.Coord(2, 2, 1).y += 1.0f;
  const QImage full = Canvas().planImage().copy();
  for (const GridRect& rect : {GridRect{6, 4, 7, 5}, GridRect{1, 1, 2, 2}}) {
    RedrawArea(Canvas(), rect);
    EXPECT_TRUE(Canvas().planImage() == full) << FirstDifference(Canvas().planImage(), full);
  }
}

// A centre is marked only where it exists: the centre of gravity (with its frames) needs
// floor cells, the centre of rigidity walls. An empty storey shows nothing at X1/Y1.
using CentreMarksTest = CanvasTest;

TEST_F(CentreMarksTest, OnlyCentresThatExistAreMarked) {
  struct Step {
    const char* name;
    std::function<void()> edit;
    bool gravity, rigidity;
  };
  const Step steps[] = {
      {"empty", [] {}, false, false},
      {"floor", [&] { plan.Floor(1, 1, 1, 4, 4); }, true, false},
      {"walls", [&] { plan.Sheathing(1, Dir::X, 5, 7, 4, 4).Sheathing(1, Dir::Y, 9, 1, 4, 4); }, true, true},
      {"walls only", [&] { plan.Floor(1, 1, 1, 4, 4, FloorCell::None); }, false, true},
  };
  const QPointF origin = Cm(1, 1);
  for (const Step& step : steps) {
    step.edit();
    Redrawn();
    const std::optional<EccentricityMarkSet>& shown = Canvas().marks().Shown();
    ASSERT_EQ(shown.has_value(), step.gravity || step.rigidity) << step.name;
    const QImage view = Canvas().viewImage();
    const StoreyBalance& balance = doc.balance(1);
    const double scale = PlanScale(plan.b);
    const QPointF gravity(balance.Gravity[Dir::Y] * scale + kMarginCm, balance.Gravity[Dir::X] * scale + kMarginCm);
    const QPointF rigidity(balance.Rigidity[Dir::Y] * scale + kMarginCm, balance.Rigidity[Dir::X] * scale + kMarginCm);
    if (!shown) {
      EXPECT_EQ(view, Canvas().planImage()) << step.name;
      EXPECT_FALSE(ColourNear(view, Px(origin + QPointF(0, 0.3)), Pal(kPalWhite), 1)) << step.name;
      continue;
    }
    EXPECT_EQ(shown->gravity.has_value(), step.gravity) << step.name;
    EXPECT_EQ(shown->rigidity.has_value(), step.rigidity) << step.name;
    EXPECT_EQ(ColourNear(view, Px(gravity + QPointF(0, 0.3)), Pal(kPalWhite), 1), step.gravity) << step.name;
    EXPECT_EQ(ColourNear(view, Px(rigidity + QPointF(0.1, 0.1)), Pal(kPalLightCyan), 1), step.rigidity) << step.name;
  }
}

TEST_F(RedrawTest, RubberBandIsExclusiveOrOverThePlan) {
  editor.chooseCategory(Category::Column);
  const QImage plain = Canvas().viewImage();
  const QImage plainPlan = Canvas().planImage().copy();
  // A band across the storey column at (4, 3): white over yellow shows blue.
  const RubberBand band{At(2, 3), At(7, 3), BandShape::Line, kBandPlaceColour};
  Canvas().drawRubberBand(band);
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), PxAt(4, 3, 0.05, 0), QColor(0, 0, 255), 1));
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), PxAt(6.5, 3), Pal(kPalWhite), 1));
  EXPECT_EQ(Canvas().planImage(), plainPlan);
  Canvas().eraseRubberBand(band);
  EXPECT_EQ(Canvas().viewImage(), plain);

  const RubberBand box{At(2, 2), At(4, 4), BandShape::Rectangle, kBandDeleteColour};
  Canvas().drawRubberBand(box);
  EXPECT_NE(Canvas().viewImage(), plain);
  Canvas().eraseRubberBand(box);
  EXPECT_EQ(Canvas().viewImage(), plain);
}

// The widget shows the part of the box it is scrolled to, with the marks and the band.
TEST_F(RedrawTest, ViewportShowsTheScrolledPartOfTheView) {
  Canvas().setZoom(2.0);
  Canvas().drawRubberBand(RubberBand{At(2, 2), At(6, 5), BandShape::Rectangle, kBandPlaceColour});
  ASSERT_TRUE(Canvas().marks().Shown().has_value());
  Canvas().horizontalScrollBar()->setValue(300);
  Canvas().verticalScrollBar()->setValue(200);
  const QImage grabbed = Canvas().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  // Away from the viewport's edge, where a smoothed line cut by it may shade its last pixel
  // differently.
  const QRect inner = grabbed.rect().adjusted(2, 2, -2, -2);
  const QImage shown = grabbed.copy(inner);
  const QImage expected = Canvas().viewImage().copy(inner.translated(300, 200));
  EXPECT_TRUE(shown == expected) << FirstDifference(shown, expected);
}

TEST_F(RedrawTest, ZoomKeepsSymbolSizesOnTheScreen) {
  auto columnWidth = [&](QPoint centre) {
    return CountColour(Canvas().planImage(), QRect(centre.x() - 20, centre.y() + 1, 41, 1), Pal(kPalYellow));
  };
  editor.chooseCategory(Category::Column);
  const int atWhole = columnWidth(PxAt(4, 3));
  const double wholeScale = Canvas().view().scale;
  Canvas().setZoom(2.0);
  EXPECT_DOUBLE_EQ(Canvas().view().scale, 2 * wholeScale);
  Canvas().horizontalScrollBar()->setValue(0);
  Canvas().verticalScrollBar()->setValue(0);
  const QPoint centre = PxAt(4, 3) + QPoint(Canvas().horizontalScrollBar()->value(), 0);
  const int atDouble = columnWidth(centre);
  EXPECT_NEAR(atDouble, atWhole, 1);
  // At 200 % the square is 0.075 cm of the logical page.
  const double pixelsPerCm = Canvas().view().scale * kUnitsPerCm;
  // Within the outline's pixel and one of alignment.
  EXPECT_NEAR(atDouble / pixelsPerCm, 0.075, 2.0 / pixelsPerCm);
}

}  // namespace
}  // namespace tvk::test
