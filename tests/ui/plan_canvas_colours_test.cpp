// How members look on the plan canvas: colours by kind and category, offsets of the
// symbols from their grid lines, hatching, labels and line names.

#include "canvas_test_support.h"

namespace tvk::test {
namespace {

const QColor kGreyA(96, 96, 96);
const QColor kGreyB(32, 32, 32);

using ColourTest = CanvasTest;

TEST_F(ColourTest, ColumnSquaresByKindAndCategory) {
  struct Case {
    ColumnKind kind;
    Category category;
    bool showAll;
    QColor colour;
  };
  const Case cases[] = {
      {ColumnKind::Storey, Category::Column, false, Pal(kPalYellow)},
      {ColumnKind::Through, Category::Column, false, Pal(kPalLightCyan)},
      {ColumnKind::Storey, Category::Floor, false, kGreyA},
      {ColumnKind::Through, Category::Beam, true, Pal(kPalLightCyan)},
  };
  for (const Case& c : cases) {
    plan.Column(3, 3, 1, c.kind);
    state.InputCategory = c.category;
    state.ShowAll = c.showAll;
    EXPECT_TRUE(ColourNear(Redrawn(), PxAt(3, 3), c.colour, 1))
        << "kind " << static_cast<int>(c.kind) << " category " << static_cast<int>(c.category);
  }
}

TEST_F(ColourTest, SheathingBarsTakeTheColourOfTheirEntry) {
  const int expected[] = {15, 11, 13, 9, 5, 14, 6, 10, 8, 12};
  state.InputCategory = Category::Wall;
  for (int entry = 1; entry <= 10; ++entry) {
    plan.Sheathing(1, Dir::X, 2, 3, 2, entry);
    const QImage& image = Redrawn();
    // The bar lies on the grid line, 0.1 cm to either side.
    EXPECT_EQ(image.pixelColor(PxAt(2.5, 3, 0, 0.05)), Pal(expected[entry - 1])) << "entry " << entry;
    EXPECT_EQ(image.pixelColor(PxAt(2.5, 3, 0, -0.05)), Pal(expected[entry - 1])) << "entry " << entry;
    EXPECT_EQ(image.pixelColor(PxAt(2.5, 3, 0, 0.2)), Pal(kPalBlack)) << "entry " << entry;
  }
}

TEST_F(ColourTest, BracesByColourOfSizeOnTheSideOfLargerY) {
  const int expected[] = {14, 11, 10, 12};
  state.InputCategory = Category::Wall;
  for (int size = 1; size <= 4; ++size) {
    plan.Brace(1, Dir::X, 2, 3, 2, size, kRisesToHigher);
    plan.Brace(1, Dir::Y, 7, 2, 2, size, kRisesToHigher);
    const QImage& image = Redrawn();
    const QColor colour = Pal(expected[size - 1]);
    // Base line 0.15 cm above an X line, left of a Y line; nothing on the other side.
    EXPECT_TRUE(ColourNear(image, PxAt(3, 3, 0.5, 0.15), colour, 1)) << "size " << size;
    EXPECT_FALSE(ColourNear(image, PxAt(3, 3, 0.5, -0.15), colour, 1)) << "size " << size;
    EXPECT_TRUE(ColourNear(image, PxAt(7, 3, -0.15, 0.5), colour, 1)) << "size " << size;
    EXPECT_FALSE(ColourNear(image, PxAt(7, 3, 0.15, 0.5), colour, 1)) << "size " << size;
  }
}

// Ticks 0.15 .. 0.39 cm off the line at the end the brace rises to; a crossed pair has
// both ticks and the line joining their tips.
TEST_F(ColourTest, BraceTicksFollowTheSlope) {
  struct Case {
    int slope;
    bool highTick;
    bool lowTick;
    bool topLine;
  };
  const Case cases[] = {
      {kRisesToHigher, true, false, false},
      {kRisesToLower, false, true, false},
      {kCrossed, true, true, true},
  };
  state.InputCategory = Category::Wall;
  const QColor yellow = Pal(kPalYellow);
  for (const Case& c : cases) {
    plan.Brace(1, Dir::X, 2, 3, 2, 1, c.slope);
    const QImage& image = Redrawn();
    EXPECT_EQ(ColourNear(image, PxAt(4, 3, -0.1725, 0.33), yellow, 1), c.highTick) << "slope " << c.slope;
    EXPECT_EQ(ColourNear(image, PxAt(2, 3, 0.1725, 0.33), yellow, 1), c.lowTick) << "slope " << c.slope;
    EXPECT_EQ(ColourNear(image, PxAt(3, 3, 0.5, 0.39), yellow, 1), c.topLine) << "slope " << c.slope;
  }
}

TEST_F(ColourTest, WallsOfAnotherCategoryAreGreyA) {
  plan.Brace(1, Dir::X, 2, 3, 2, 4, kRisesToHigher).Sheathing(1, Dir::Y, 6, 2, 2, 3);
  state.InputCategory = Category::Column;
  const QImage& image = Redrawn();
  EXPECT_TRUE(ColourNear(image, PxAt(3, 3, 0.5, 0.15), kGreyA, 1));
  EXPECT_EQ(image.pixelColor(PxAt(6, 2.5, 0.05, 0)), kGreyA);
  EXPECT_EQ(CountColour(image, image.rect(), Pal(kPalLightRed)), 0);
  EXPECT_EQ(CountColour(image, image.rect(), Pal(kPalLightMagenta)), 0);
}

// Beams are shifted 0.03 cm off their line: X beams downwards, Y beams to the right.
TEST_F(ColourTest, BeamsAreLightMagentaBesideTheirLine) {
  plan.Beam(2, Dir::X, 2, 3, 2).Beam(2, Dir::Y, 6, 2, 2);
  state.InputCategory = Category::Beam;
  const QImage& image = Redrawn();
  const QColor magenta = Pal(kPalLightMagenta);
  const QPoint onX = PxAt(2.5, 3);
  const QPoint shiftedX = PxAt(2.5, 3, 0, -0.03);
  EXPECT_EQ(CountColour(image, QRect(onX.x(), onX.y() - 4, 1, 9), magenta), 1);
  EXPECT_EQ(image.pixelColor(shiftedX), magenta);
  const QPoint shiftedY = PxAt(6, 2.5, 0.03, 0);
  EXPECT_EQ(image.pixelColor(shiftedY), magenta);
  EXPECT_EQ(CountColour(image, QRect(shiftedY.x() - 4, shiftedY.y(), 4, 1), magenta), 0);

  state.InputCategory = Category::Wall;
  EXPECT_EQ(Redrawn().pixelColor(shiftedX), kGreyA);
}

TEST_F(ColourTest, FloorsSolidAndVoidsHatched) {
  plan.Floor(2, 2, 2, 2, 2, FloorCell::Slab).Floor(2, 4, 2, 4, 2, FloorCell::Void);
  state.Storey = 2;
  struct Case {
    Category category;
    QColor floor;
    QColor hatch;
  };
  for (const Case& c :
       {Case{Category::Floor, Pal(kPalBlue), Pal(kPalLightBlue)}, Case{Category::Wall, kGreyB, kGreyA}}) {
    const QImage& image = Redrawn();
    const QRect floorInside = QRect(PxAt(2, 3), PxAt(3, 2)).adjusted(3, 3, -3, -3);
    const QRect voidInside = QRect(PxAt(4, 3), PxAt(5, 2)).adjusted(3, 3, -3, -3);
    const int area = floorInside.width() * floorInside.height();
    EXPECT_EQ(CountColour(image, floorInside, c.floor), area) << "category " << static_cast<int>(c.category);
    const int voidArea = voidInside.width() * voidInside.height();
    const int hatched = CountColour(image, voidInside, c.hatch);
    EXPECT_GT(hatched, voidArea / 10) << "category " << static_cast<int>(c.category);
    EXPECT_EQ(hatched + CountColour(image, voidInside, Pal(kPalBlack)), voidArea)
        << "category " << static_cast<int>(c.category);
    state.InputCategory = Category::Wall;
  }
}

TEST_F(ColourTest, OtherStoreyFloorOutlineIsDottedLightGreen) {
  plan.Floor(2, 3, 3, 4, 4);
  plan.b.UpdateFloorEdges(2);
  const QImage& image = Redrawn();
  const QRect edge(PxAt(3.2, 3).x(), PxAt(3, 3).y() - 1, PxAt(4.8, 3).x() - PxAt(3.2, 3).x(), 3);
  const int green = CountColour(image, edge, Pal(kPalLightGreen));
  EXPECT_GT(green, edge.width() / 4);
  EXPECT_LT(green, edge.width());  // dotted, not solid
  EXPECT_EQ(CountColour(image, QRect(PxAt(1.2, 3), PxAt(2.8, 3)).adjusted(0, -1, 0, 1), Pal(kPalLightGreen)), 0);
}

TEST_F(ColourTest, SheathingAdjustmentLabelBelowTheMember) {
  state.InputCategory = Category::Wall;
  const QRect below(PxAt(2.3, 3, 0, -0.15), PxAt(3.7, 3, 0, -0.6));
  plan.Sheathing(1, Dir::X, 2, 3, 2, 4);
  EXPECT_EQ(CountShade(Redrawn(), below, Pal(kPalWhite)), 0);
  plan.b.Settings.SheathingAdjust = 0.5f;
  plan.Sheathing(1, Dir::X, 2, 3, 2, 4);
  EXPECT_GT(CountShade(Redrawn(), below, Pal(kPalWhite)), 10);
  // Greyed with the walls: nothing brighter than grey A.
  state.InputCategory = Category::Floor;
  const QImage& greyed = Redrawn();
  EXPECT_GT(CountShade(greyed, below, kGreyA), 10);
  EXPECT_EQ(CountShade(greyed, below, Pal(kPalWhite)), 0);
}

TEST_F(ColourTest, GridDotsWhiteOnMainLinesGreenBetween) {
  const QImage& image = Redrawn();
  EXPECT_TRUE(ColourNear(image, PxAt(3, 3), Pal(kPalWhite), 1));
  EXPECT_FALSE(ColourNear(image, PxAt(3, 3), Pal(kPalGreen), 1));
  EXPECT_TRUE(ColourNear(image, PxAt(2, 3), Pal(kPalGreen), 1));
  EXPECT_TRUE(ColourNear(image, PxAt(3, 2), Pal(kPalGreen), 1));
}

TEST_F(ColourTest, LineNamesWhiteOrLightRedInADeleteMode) {
  // The X line names below the plan stand within 1.2 cm of the canvas's bottom edge.
  const int top = Px(QPointF(0, 1.2)).y();
  const QRect strip(0, top, Canvas().boxSize().width(), Canvas().boxSize().height() - top);
  EXPECT_GT(CountShade(Redrawn(), strip, Pal(kPalWhite)), 20);
  state.Toggles.remove = true;
  Canvas().deleteModeChanged();
  EXPECT_EQ(CountShade(Canvas().planImage(), strip, Pal(kPalWhite)), 0);
  EXPECT_GT(CountShade(Canvas().planImage(), strip, Pal(kPalLightRed)), 20);
}

// Codes outside their tables draw nothing; a run that does not hold its own segment is
// drawn as that segment alone.
TEST_F(ColourTest, DamagedMembersDrawOnlyWhatIsSound) {
  state.InputCategory = Category::Wall;
  plan.Brace(1, Dir::X, 2, 3, 1, 4, kRisesToHigher);
  WallSeg& seg = plan.b.Point(2, 3, 1).brace(Dir::X);
  seg.RunStart = 50;
  seg.RunEnd = 90;
  plan.b.Point(5, 5, 1).brace(Dir::Y).Kind = 9;
  plan.b.Point(5, 5, 1).sheathing(Dir::X).Kind = 11;
  plan.b.Point(6, 2, 1).Column.ColKind = ColumnKind{7};
  plan.b.Point(6, 2, 1).FloorKind = FloorCell{5};
  const QImage& image = Redrawn();
  EXPECT_TRUE(ColourNear(image, PxAt(2.5, 3, 0, 0.15), Pal(kPalLightRed), 1));
  EXPECT_EQ(CountColour(image, QRect(PxAt(3.2, 4), PxAt(8, 2)), Pal(kPalLightRed)), 0);
  EXPECT_EQ(CountColour(image, QRect(PxAt(4.5, 7), PxAt(8, 1)), QColor(96, 96, 96)), 0);
}

TEST_F(ColourTest, NoGridOrAMissingStoreyDrawsSafely) {
  PlanBuilder one(1, 4, 4);
  state.Storey = 2;
  state.OtherStoreyWalls = true;
  Document oneStorey(one.b);
  Document empty;
  for (Document* d : {&oneStorey, &empty}) {
    PlanCanvas canvas(*d, [this]() -> const EditorState& { return state; });
    canvas.resize(400, 300);
    canvas.fullRedraw();
    const DocumentChange area = DocumentChange::Area(2, GridRect{1, 1, 9, 9});
    canvas.documentChanging(area);
    canvas.documentChanged(area);
    canvas.showOtherStoreyWalls(2, true);
    canvas.updateEccentricityMarks();
    EXPECT_EQ(canvas.viewImage().size(), canvas.boxSize());
  }
}

}  // namespace
}  // namespace tvk::test
