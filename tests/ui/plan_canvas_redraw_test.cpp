// The plan canvas after edits: what the user sees is always what a full redraw would show
// (no stale pixels of erased members, labels or marks), and the marks and rubber bands
// come and go without touching the plan.

#include <QScrollBar>
#include <deque>
#include <functional>
#include <random>

#include "canvas_test_support.h"
#include "engine/eccentricity.h"

namespace tvk::test {
namespace {

// The window's side of the editor as far as the canvas goes: drawing requests are
// forwarded to the canvas, questions answered with OK, pop-ups from a script.
class CanvasHost : public EditorHost {
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
  void drawRubberBand(const RubberBand& band) override { canvas->drawRubberBand(band); }
  void eraseRubberBand(const RubberBand& band) override { canvas->eraseRubberBand(band); }
  void setCancelEnabled(bool) override {}
  void setPositionLabels(const std::string&, const std::string&) override {}
  void setBusy(bool) override {}
  void setZoom(double factor) override { canvas->setZoom(factor); }
  void undoAvailabilityChanged(bool) override {}
  void eraseRect(const GridRect& rect) override { canvas->eraseRect(rect); }
  void drawRect(const GridRect& rect) override { canvas->drawRect(rect); }
  void fullRedraw() override { canvas->fullRedraw(); }
  void showOtherStoreyWalls(int storey, bool shown) override { canvas->showOtherStoreyWalls(storey, shown); }
  void eccentricityChanged() override { canvas->updateEccentricityMarks(); }
};

// A canvas whose plan is edited through the editor.
class EditedCanvasTest : public CanvasTest {
 protected:
  EditedCanvasTest() : editor(plan.b, host) {}
  const EditorState& CanvasState() const override { return editor.state(); }

  // Shows the plan built so far, with the walls category current.
  void Start() {
    host.canvas = &Canvas();
    editor.chooseCategory(kCatWall);  // full redraw and marks
  }
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
  PlanEditor editor;
};

// A plan with members of every category close together.
class RedrawTest : public EditedCanvasTest {
 protected:
  RedrawTest() {
    plan.b.Settings.SheathingAdjust = 0.5f;
    plan.Floor(1, 1, 1, 8, 6)
        .Sheathing(1, kDirX, 1, 3, 3, 2)
        .Brace(1, kDirX, 5, 3, 2, 3, kCrossed)
        .Sheathing(1, kDirY, 4, 1, 5, 6)
        .Brace(1, kDirY, 7, 2, 3, 2, kRisesToLower)
        .Column(4, 3, 1)
        .Column(5, 5, 1, kColThrough)
        .Beam(2, kDirX, 1, 4, 8)
        .Beam(2, kDirY, 6, 1, 6)
        .Floor(2, 2, 2, 6, 5);
    plan.b.UpdateFloorEdges(2);
    Start();
  }
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
         editor.chooseCategory(kCatColumn);
         editor.press(MouseButton::Left, At(8, 5));
       }},
      {"undo of the column", [this] { editor.undo(); }},
      {"sheathed wall deleted",
       [this] {
         editor.chooseCategory(kCatWall);
         editor.chooseKind("Menzai2");
         ToggleDelete(DeleteToggle::Delete, true);
         Drag(1, 3, 4, 3);
       }},
      {"undo of the deletion", [this] { editor.undo(); }},
      {"group delete of beams",
       [this] {
         ToggleDelete(DeleteToggle::Delete, false);
         editor.chooseCategory(kCatBeam);
         ToggleDelete(DeleteToggle::GroupDelete, true);
         Drag(5, 3, 7, 5);
       }},
      {"group delete of floor cells",
       [this] {
         editor.chooseCategory(kCatFloor);
         Drag(2, 2, 5, 4);
       }},
      {"crossed brace placed",
       [this] {
         ToggleDelete(DeleteToggle::GroupDelete, false);
         editor.chooseCategory(kCatWall);
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
  plan.Brace(2, kDirX, 2, 5, 2, 4, kRisesToHigher);  // light red, above a storey-1 line
  editor.chooseCategory(kCatColumn);
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
  StoreyBalance& balance = plan.b.Balance[0];
  auto gravityTop = [&] {
    return Px(QPointF(balance.Gravity[1] * PlanScale(plan.b) + kMarginCm,
                      balance.Gravity[0] * PlanScale(plan.b) + kMarginCm + 0.3));
  };
  balance.Gravity = {1.0f, 1.5f};
  balance.ElasticRadius = {2.0f, 2.0f};
  Canvas().updateEccentricityMarks();
  const QPoint before = gravityTop();
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), before, Pal(kPalWhite), 1));

  balance.Gravity = {2.0f, 2.5f};
  Canvas().updateEccentricityMarks();
  EXPECT_FALSE(ColourNear(Canvas().viewImage(), before, Pal(kPalWhite), 1));
  EXPECT_TRUE(ColourNear(Canvas().viewImage(), gravityTop(), Pal(kPalWhite), 1));
  // Frames: inner yellow 0.2 x the elastic radius left of the centre, outer red 0.3 x.
  const double cmPerMetre = PlanScale(plan.b);
  EXPECT_TRUE(ColourNear(Canvas().viewImage(),
                         Px(QPointF(2.5 * cmPerMetre + kMarginCm - 0.4 * cmPerMetre, 2.0 * cmPerMetre + kMarginCm)),
                         Pal(kPalYellow), 1));
  EXPECT_TRUE(ColourNear(Canvas().viewImage(),
                         Px(QPointF(2.5 * cmPerMetre + kMarginCm - 0.6 * cmPerMetre, 2.0 * cmPerMetre + kMarginCm)),
                         Pal(kPalLightRed), 1));

  Canvas().setHideCentres(true);
  EXPECT_EQ(Canvas().viewImage(), Canvas().planImage());
}

// A dense plan much larger than the part of it an edit redraws: members of four segments
// on every line, and long sheathed walls with adjustment labels through the middle. The
// redraw must reach the members from beyond the edited rectangle that run into it.
class LargePlanRedrawTest : public EditedCanvasTest {
 protected:
  LargePlanRedrawTest() {
    plan.b = DensePlan(40);
    plan.b.Settings.SheathingAdjust = 0.5f;
    plan.Sheathing(1, kDirX, 3, 21, 34, 3).Sheathing(1, kDirY, 19, 2, 36, 5);
    plan.b.Settings.SheathingAdjust = 0;
    plan.b.UpdateFloorEdges(2);
    GenerateLineNames(plan.b);
    Start();
  }
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
         editor.chooseCategory(kCatColumn);
         plan.b.Point(17, 17, 1).Column.ColKind = kColNone;
         Canvas().fullRedraw();
         editor.press(MouseButton::Left, At(17, 17));
       }},
      {"other storey's walls shown", [this] { editor.toggleOtherStoreyWalls(); }},
      {"floor cells deleted as a group",
       [this] {
         editor.toggleOtherStoreyWalls();
         editor.chooseCategory(kCatFloor);
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
    const int d = pick(kDirX, kDirY);
    const int length = pick(1, 5);
    const int start = pick(1, 61 - length);
    const int line = pick(1, 61);
    const int i = d == kDirX ? start : line;
    const int j = d == kDirX ? line : start;
    if (n % 2 == 0) {
      plan.Sheathing(1, d, i, j, length, pick(1, 10));
    } else {
      plan.Brace(1, d, i, j, length, pick(1, 4), pick(kRisesToHigher, kCrossed));
    }
    if (n % 3 == 0) plan.Column(pick(1, 61), pick(1, 61), 1);
  }
  state.InputCategory = kCatWall;
  for (const double zoom : {1.0, 3.0}) {
    Canvas().setZoom(zoom);
    const QImage full = Canvas().planImage().copy();
    for (int n = 0; n < 12; ++n) {
      const int x = pick(1, 58);
      const int y = pick(1, 58);
      const GridRect rect{x, y, x + pick(0, 2), y + pick(0, 2)};
      Canvas().eraseRect(rect);
      Canvas().drawRect(rect);
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
    Canvas().eraseRect(rect);
    Canvas().drawRect(rect);
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
      {"walls", [&] { plan.Sheathing(1, kDirX, 5, 7, 4, 4).Sheathing(1, kDirY, 9, 1, 4, 4); }, true, true},
      {"walls only", [&] { plan.Floor(1, 1, 1, 4, 4, kFloorNone); }, false, true},
  };
  const QPointF origin = Cm(1, 1);
  for (const Step& step : steps) {
    step.edit();
    UpdateEccentricity(plan.b);
    Canvas().updateEccentricityMarks();
    const std::optional<EccentricityMarkSet>& shown = Canvas().marks().Shown();
    ASSERT_EQ(shown.has_value(), step.gravity || step.rigidity) << step.name;
    const QImage view = Canvas().viewImage();
    const StoreyBalance& balance = plan.b.Balance[0];
    const double scale = PlanScale(plan.b);
    const QPointF gravity(balance.Gravity[1] * scale + kMarginCm, balance.Gravity[0] * scale + kMarginCm);
    const QPointF rigidity(balance.Rigidity[1] * scale + kMarginCm, balance.Rigidity[0] * scale + kMarginCm);
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
  editor.chooseCategory(kCatColumn);
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
  plan.b.Balance[0].Gravity = {1.5f, 2.0f};
  plan.b.Balance[0].ElasticRadius = {1.0f, 2.0f};
  Canvas().updateEccentricityMarks();
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
  editor.chooseCategory(kCatColumn);
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
