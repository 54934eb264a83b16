#include <gtest/gtest.h>

#include "export/label_space.h"

namespace tvk {
namespace {

PlanText Label(DxfPoint at, const char* text, HAlign h, VAlign v, double angle = 0) {
  return {at, text, 100, h, v, angle};
}

TEST(LabelSpace, BoxesFollowJustificationAndTurn) {
  struct Case {
    PlanText text;
    LabelBox box;
  };
  // "2.5": three half-width characters of 0.7 x 100 each.
  const Case cases[] = {
      {Label({0, 0}, "2.5", HAlign::Left, VAlign::Baseline), {0, 0, 210, 100}},
      {Label({0, 0}, "2.5", HAlign::Centre, VAlign::Top), {-105, -100, 105, 0}},
      {Label({0, 0}, "2.5", HAlign::Right, VAlign::Middle), {-210, -50, 0, 50}},
      // Turned a quarter, the letters' tops face -x: a top-justified text lies right of its anchor.
      {Label({0, 0}, "2.5", HAlign::Centre, VAlign::Top, 90), {0, -105, 100, 105}},
      {Label({0, 0}, "2.5", HAlign::Centre, VAlign::Bottom, 90), {-100, -105, 0, 105}},
      // Full-width characters take twice the width.
      {Label({0, 0}, "重心", HAlign::Left, VAlign::Bottom), {0, 0, 280, 100}},
  };
  for (const Case& c : cases) {
    const LabelBox box = BoxOf(c.text);
    EXPECT_DOUBLE_EQ(box.x0, c.box.x0) << c.text.text << " " << c.text.angle;
    EXPECT_DOUBLE_EQ(box.y0, c.box.y0) << c.text.text << " " << c.text.angle;
    EXPECT_DOUBLE_EQ(box.x1, c.box.x1) << c.text.text << " " << c.text.angle;
    EXPECT_DOUBLE_EQ(box.y1, c.box.y1) << c.text.text << " " << c.text.angle;
  }
}

TEST(LabelSpace, PlaceTakesTheFirstFreeCandidate) {
  LabelSpace space;
  // A multiplier turned a quarter right of a wall at x = 3640: x 3670..3770, y 2625..2835.
  space.Occupy(Label({3670, 2730}, "3.0", HAlign::Centre, VAlign::Top, 90));
  const std::vector<PlanText> places = {Label({3473, 2551}, "剛心", HAlign::Left, VAlign::Bottom),
                                        Label({3473, 1900}, "剛心", HAlign::Left, VAlign::Top)};
  EXPECT_EQ(space.Place(places).at.y, 1900);
  // Taken now: the same candidates find nothing free and fall back to the first.
  EXPECT_EQ(space.Place(places).at.y, 2551);
}

TEST(LabelSpace, BoxesAcrossBucketsAndBelowZeroMeet) {
  LabelSpace space;
  space.Occupy(Label({-2100, -10}, "X1", HAlign::Left, VAlign::Baseline));
  const std::vector<PlanText> places = {Label({-1990, 0}, "X1", HAlign::Left, VAlign::Baseline),
                                        Label({5000, 5000}, "X1", HAlign::Left, VAlign::Baseline)};
  EXPECT_EQ(space.Place(places).at.x, 5000);
}

}  // namespace
}  // namespace tvk
