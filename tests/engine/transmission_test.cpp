// Pull-out of storey-2 columns without a column below: beam runs, the beam-end path with
// its span inverse ratios, the contributor list of the report, and the orthogonal-beam path.

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "engine/beam_runs.h"
#include "engine/full_calculation.h"
#include "engine/n_value.h"
#include "engine/transmission.h"
#include "engine_results.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

// Grid of 0.91 m spans (one division). A storey-2 beam of 3.64 m along X on line j = 1
// between storey-1 columns at (1, 1) and (5, 1); a storey-2 column at (2, 1), 0.91 m from
// the first, whose pull is A x B = 1.5 x 0.8 = 1.2 (sheathing 1.5, no floor: corner).
PlanBuilder BeamBetweenColumns() {
  PlanBuilder p(2, 6, 4, 1, 0.91f);
  p.Column(1, 1, 1).Column(5, 1, 1).Beam(2, Dir::X, 1, 1, 4);
  p.Column(2, 1, 2).Sheathing(2, Dir::X, 2, 1, 1, 3);
  return p;
}

CalcResults Calculate(Building& b) {
  RefreshBeamRuns(b);
  return test::NValuesOf(b, true);
}

TEST(BeamEndPath, SharesBySpanInverseRatio) {
  PlanBuilder p = BeamBetweenColumns();
  CalcResults calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(1, 1, 1).deltaN[Dir::X], 0.9f, 1e-6);
  EXPECT_NEAR(calc.Column(5, 1, 1).deltaN[Dir::X], 0.3f, 1e-6);
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).deltaN[Dir::Y], 0.0f);
  const auto sides = ColNukeNCollect(p.b, calc, Dir::X, {1, 1}, 1);
  EXPECT_FLOAT_EQ(sides[0], 0.0f);
  EXPECT_NEAR(sides[1], 0.9f, 1e-6);
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).total(Dir::X),
                  calc.Column(1, 1, 1).n[Dir::X] + calc.Column(1, 1, 1).deltaN[Dir::X]);
}

TEST(BeamEndPath, WallessColumnPassesNothingWithCommentaryL) {
  PlanBuilder p = BeamBetweenColumns();
  p.b.Point(2, 1, 2).sheathing(Dir::X) = WallSeg{};
  CalcResults calc = Calculate(p.b);
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).deltaN[Dir::X], 0.0f);
  EXPECT_FALSE(ColNukeNSource(p.b, Side::High, Dir::X, {1, 1}, 1).found);
  // With the user's L method the same column passes A x B - L = -0.4.
  p.b.Settings.LMethod = 1;
  calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(1, 1, 1).deltaN[Dir::X], -0.3f, 1e-6);
  EXPECT_TRUE(ColNukeNSource(p.b, Side::High, Dir::X, {1, 1}, 1).found);
}

TEST(BeamEndPath, SwitchedOffGivesZero) {
  PlanBuilder p = BeamBetweenColumns();
  p.b.Settings.NoTransmitMissingColumn = 1;
  CalcResults calc = Calculate(p.b);
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).deltaN[Dir::X], 0.0f);
  EXPECT_FLOAT_EQ(calc.Column(5, 1, 1).deltaN[Dir::X], 0.0f);
}

TEST(BeamEndPath, WalkStopsAtTheFirstStorey1Column) {
  // Columns at 1, 4 and 7 on a beam of six segments; storey-2 columns at 2 and 5.
  PlanBuilder p(2, 8, 2, 1, 0.91f);
  p.b.Settings.LMethod = 1;  // every storey-2 column passes A x B - L = -0.4
  p.Column(1, 1, 1).Column(4, 1, 1).Column(7, 1, 1).Beam(2, Dir::X, 1, 1, 6);
  p.Column(2, 1, 2).Column(5, 1, 2);
  CalcResults calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(1, 1, 1).deltaN[Dir::X], -0.4f * 2 / 3, 1e-6);
  EXPECT_NEAR(calc.Column(4, 1, 1).deltaN[Dir::X], -0.4f / 3 - 0.4f * 2 / 3, 1e-6);
  EXPECT_NEAR(calc.Column(7, 1, 1).deltaN[Dir::X], -0.4f / 3, 1e-6);
}

TEST(BeamEndPath, ColumnsAtOrBeyondTheSpanEndPassNothing) {
  // The beam from (1, 1) ends at (3, 1); storey-2 columns at 2 (half), 3 (the end) and 4.
  PlanBuilder p(2, 6, 2, 1, 0.91f);
  p.b.Settings.LMethod = 1;
  p.Column(1, 1, 1).Beam(2, Dir::X, 1, 1, 2).Column(2, 1, 2).Column(3, 1, 2).Column(4, 1, 2);
  CalcResults calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(1, 1, 1).deltaN[Dir::X], -0.2f, 1e-6);
  const NSource first = ColNukeNSource(p.b, Side::High, Dir::X, {1, 1}, 1);
  ASSERT_TRUE(first.found);
  EXPECT_EQ(first.at, (GridPos{2, 1}));
  EXPECT_FLOAT_EQ(first.ratio, 0.5f);
  EXPECT_FALSE(ColNukeNSource(p.b, Side::High, Dir::X, {1, 1}, 1, first.at).found);
}

TEST(BeamEndPath, UpperColumnOnALowerColumnIsNeverPassedDown) {
  PlanBuilder p = BeamBetweenColumns();
  p.Column(1, 1, 2).Sheathing(2, Dir::X, 1, 1, 1, 4);
  p.b.Point(2, 1, 2).Column.ColKind = ColumnKind::None;
  CalcResults calc = Calculate(p.b);
  EXPECT_FLOAT_EQ(calc.Column(5, 1, 1).deltaN[Dir::X], 0.0f);
  EXPECT_FLOAT_EQ(calc.Column(1, 1, 1).deltaN[Dir::X], 0.0f);
  EXPECT_EQ(calc.notTransmitted, 0);
  // Its own pull counts through A2 x B2 instead.
  EXPECT_NEAR(calc.Column(1, 1, 1).n[Dir::X], 2.0f * 0.8f - 0.4f, 1e-6);
}

TEST(ColNukeNSource, EnumeratesBothSidesLikeTheCollectSums) {
  // A storey-1 column at 5 between beams to 1 and 9, storey-2 columns on both sides.
  PlanBuilder p(2, 10, 2, 1, 0.91f);
  p.b.Settings.LMethod = 1;
  p.Column(1, 1, 1).Column(5, 1, 1).Column(9, 1, 1).Beam(2, Dir::X, 1, 1, 8);
  for (int i : {2, 3, 4, 6, 8}) p.Column(i, 1, 2);
  p.Sheathing(2, Dir::X, 3, 1, 1, 4);  // the column at 3 pulls harder
  CalcResults calc = Calculate(p.b);
  struct Expected {
    Side side;
    int i;
    float ratio;
  };
  std::vector<Expected> listed;
  std::array<float, 2> sums{};
  for (const Side side : kSides) {
    std::optional<GridPos> after;
    for (NSource s; (s = ColNukeNSource(p.b, side, Dir::X, {5, 1}, 1, after)).found; after = s.at) {
      EXPECT_EQ(s.at.j, 1);
      listed.push_back({side, s.at.i, s.ratio});
      const ColumnResult& q = calc.Column(s.at, 2);
      sums[side == Side::Low ? 0 : 1] += s.ratio * (q.a[Dir::X] * q.b - q.l);
    }
  }
  ASSERT_EQ(listed.size(), 5u);
  const int order[] = {4, 3, 2, 6, 8};
  const float ratios[] = {0.75f, 0.5f, 0.25f, 0.75f, 0.25f};
  for (size_t k = 0; k < listed.size(); ++k) {
    EXPECT_EQ(listed[k].i, order[k]);
    EXPECT_FLOAT_EQ(listed[k].ratio, ratios[k]);
  }
  const auto collected = ColNukeNCollect(p.b, calc, Dir::X, {5, 1}, 1);
  EXPECT_FLOAT_EQ(collected[0], sums[0]);
  EXPECT_FLOAT_EQ(collected[1], sums[1]);
  // A from point on the wrong side, or a column without beams, lists nothing.
  EXPECT_FALSE(ColNukeNSource(p.b, Side::High, Dir::X, {5, 1}, 1, GridPos{4, 1}).found);
  EXPECT_FALSE(ColNukeNSource(p.b, Side::Low, Dir::Y, {5, 1}, 1).found);
  EXPECT_FALSE(ColNukeNSource(p.b, Side::Low, Dir::X, {7, 1}, 1).found);
}

// Orthogonal-beam path. One-division grid; a small storey-2 beam along X on line j = 2
// from a storey-1 column at (1, 2) to (5, 2), where it meets a beam along Y from (5, 1) to
// (5, 4). The storey-2 column at (3, 2) pulls 1.2 along X; half of it (its share towards
// (5, 2)) splits 2/3 to (5, 1) and 1/3 to (5, 4).
PlanBuilder SmallBeamOnOrthogonalBeam(bool columnAtFarEnd) {
  PlanBuilder p(2, 6, 4, 1, 0.91f);
  p.Column(1, 2, 1).Beam(2, Dir::X, 1, 2, 4);
  p.Column(5, 1, 1).Beam(2, Dir::Y, 5, 1, 3);
  if (columnAtFarEnd) p.Column(5, 4, 1);
  p.Column(3, 2, 2).Sheathing(2, Dir::X, 3, 2, 1, 3);
  return p;
}

TEST(OrthogonalBeamPath, MissingEndMarksTheColumn) {
  PlanBuilder p = SmallBeamOnOrthogonalBeam(false);
  CalcResults calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(5, 1, 1).crossShare[Dir::X], 0.4f, 1e-6);
  EXPECT_EQ(calc.Column(3, 2, 2).notTransmitted, 1);
  EXPECT_EQ(calc.notTransmitted, 1);
  // The beam-end path still hands the other half to (1, 2).
  EXPECT_NEAR(calc.Column(1, 2, 1).deltaN[Dir::X], 0.6f, 1e-6);
  EXPECT_NEAR(calc.Column(5, 1, 1).total(Dir::X), calc.Column(5, 1, 1).n[Dir::X] + 0.4f, 1e-6);
}

TEST(OrthogonalBeamPath, BothEndsReceiveTheirParts) {
  PlanBuilder p = SmallBeamOnOrthogonalBeam(true);
  CalcResults calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(5, 1, 1).crossShare[Dir::X], 0.4f, 1e-6);
  EXPECT_NEAR(calc.Column(5, 4, 1).crossShare[Dir::X], 0.2f, 1e-6);
  EXPECT_EQ(calc.Column(3, 2, 2).notTransmitted, 0);
  EXPECT_EQ(calc.notTransmitted, 0);
}

TEST(OrthogonalBeamPath, SettingsSwitchThePathsOff) {
  PlanBuilder p = SmallBeamOnOrthogonalBeam(false);
  p.b.Settings.IgnoreCrossBeam = 1;
  CalcResults calc = Calculate(p.b);
  EXPECT_FLOAT_EQ(calc.Column(5, 1, 1).crossShare[Dir::X], 0.0f);
  EXPECT_EQ(calc.notTransmitted, 0);
  EXPECT_NEAR(calc.Column(1, 2, 1).deltaN[Dir::X], 0.6f, 1e-6);
  p.b.Settings.NoTransmitMissingColumn = 1;
  calc = Calculate(p.b);
  for (const ColumnResult& r : calc.Columns()) {
    EXPECT_EQ(r.deltaN, (PerDir<float>{}));
    EXPECT_EQ(r.crossShare, (PerDir<float>{}));
    EXPECT_EQ(r.notTransmitted, 0);
  }
}

TEST(OrthogonalBeamPath, RepeatedRunsDoNotAccumulate) {
  PlanBuilder p = SmallBeamOnOrthogonalBeam(false);
  CalcResults calc = Calculate(p.b);
  calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(5, 1, 1).crossShare[Dir::X], 0.4f, 1e-6);
}

TEST(OrthogonalBeamPath, StopsAtTheEndOfTheSmallBeam) {
  // The small beam ends at (4, 2) without meeting a crossing beam; the crossing at (5, 2)
  // lies past a gap and carries nothing of it. The part towards the gap is lost, so the
  // column is marked.
  PlanBuilder p = SmallBeamOnOrthogonalBeam(true);
  p.b.Point(4, 2, 2).beam(Dir::X).BeamKind = 0;
  CalcResults calc = Calculate(p.b);
  EXPECT_FLOAT_EQ(calc.Column(5, 1, 1).crossShare[Dir::X], 0.0f);
  EXPECT_FLOAT_EQ(calc.Column(5, 4, 1).crossShare[Dir::X], 0.0f);
  EXPECT_NEAR(calc.Column(1, 2, 1).deltaN[Dir::X], 0.4f, 1e-6);  // a third of 1.2 over the 2.73 m beam
  EXPECT_EQ(calc.Column(3, 2, 2).notTransmitted, 1);
  EXPECT_EQ(calc.notTransmitted, 1);
}

// A positive pull that the orthogonal-beam path takes up but delivers nowhere marks the
// column; shares stay as they were. One-division grid of 0.91 m, no floors (every column a
// corner: B 0.8, L 0.4). The storey-2 column Q at (3, 2) stands at the free end of a beam
// along X that rests on a storey-1 column at (2, 2) one grid away; a sheathed wall of 1.75
// along Y beside Q gives it a pull of 1.75 x 0.8 = 1.4 along Y.
PlanBuilder FreeBeamEnd() {
  PlanBuilder p(2, 4, 4, 1, 0.91f);
  p.b.Settings.SheathingAdjust = 0.25f;
  p.Column(2, 2, 1).Beam(2, Dir::X, 2, 2, 1);
  p.Column(3, 2, 2).Sheathing(2, Dir::Y, 3, 2, 1, 3);
  return p;
}

TEST(OrthogonalBeamPath, PullThatArrivesNowhereMarksTheColumn) {
  struct Case {
    const char* name;
    std::function<void(PlanBuilder&)> change;
    bool marked;
  };
  const Case cases[] = {
      {"free end of a beam on a storey-1 column", [](PlanBuilder&) {}, true},
      {"on no beam at all", [](PlanBuilder& p) { p.b.Point(2, 2, 2).beam(Dir::X) = BeamSeg{}; }, true},
      {"beam running on to a gap", [](PlanBuilder& p) { p.Beam(2, Dir::X, 3, 2, 1); }, true},
      {"user L: A x B - L = 1.0", [](PlanBuilder& p) { p.b.Settings.LMethod = 1; }, true},
      // Where the path stops at once.
      {"a storey-1 column below", [](PlanBuilder& p) { p.Column(3, 2, 1); }, false},
      {"no wall along Y with the commentary L",
       [](PlanBuilder& p) { p.b.Point(3, 2, 2).sheathing(Dir::Y) = WallSeg{}; }, false},
      {"beam through Q carried at both ends", [](PlanBuilder& p) { p.Beam(2, Dir::X, 3, 2, 1).Column(4, 2, 1); },
       false},
      // Where nothing positive is lost, or the path is off.
      {"pull not positive (user L, A x B - L = -0.4)",
       [](PlanBuilder& p) {
         p.b.Settings.LMethod = 1;
         p.b.Point(3, 2, 2).sheathing(Dir::Y) = WallSeg{};
       },
       false},
      {"orthogonal beams ignored", [](PlanBuilder& p) { p.b.Settings.IgnoreCrossBeam = 1; }, false},
      {"crossing at the storey-1 column takes it all (the far end's part is zero)",
       [](PlanBuilder& p) { p.Beam(2, Dir::Y, 2, 1, 3); }, false},
  };
  for (const Case& c : cases) {
    PlanBuilder p = FreeBeamEnd();
    c.change(p);
    CalcResults calc = Calculate(p.b);
    EXPECT_EQ(calc.Column(3, 2, 2).notTransmitted, c.marked ? 1 : 0) << c.name;
    EXPECT_EQ(calc.notTransmitted, c.marked ? 1 : 0) << c.name;
    EXPECT_EQ(WarnNotTransmitted(p.b, calc), c.marked) << c.name;
    if (!c.marked) continue;
    // Nothing arrives anywhere: the mark adds no share.
    for (const ColumnResult& r : calc.Columns()) {
      EXPECT_EQ(r.crossShare, (PerDir<float>{})) << c.name;
      EXPECT_EQ(r.deltaN, (PerDir<float>{})) << c.name;
    }
  }
}

TEST(OrthogonalBeamPath, ExampleOfTheFreeBeamEndIsFlagged) {
  PlanBuilder p = FreeBeamEnd();
  const CalcResults calc = RunFullCalculation(p.b, false);
  const ColumnResult& q = calc.Column(3, 2, 2);
  EXPECT_FLOAT_EQ(q.a[Dir::Y] * q.b, 1.4f);
  EXPECT_EQ(q.notTransmitted, 1);
  EXPECT_EQ(calc.notTransmitted, 1);
  // The storey-1 column keeps its own N only.
  const ColumnResult& below = calc.Column(2, 2, 1);
  EXPECT_EQ(below.total(Dir::Y), below.n[Dir::Y]);
}

TEST(OrthogonalBeamPath, CrossingAtALowerColumnTakesAllWithoutAMark) {
  // A storey-2 column pulling along Y at the free end (2, 2) of a small beam along X that
  // reaches a crossing beam at a storey-1 column (4, 2): the whole pull goes there and
  // nothing to the crossing beam's other end (4, 4).
  PlanBuilder p(2, 6, 4, 1, 0.91f);
  p.Beam(2, Dir::X, 2, 2, 2).Column(4, 2, 1).Beam(2, Dir::Y, 4, 1, 3).Column(4, 1, 1);
  p.Column(2, 2, 2).Sheathing(2, Dir::Y, 2, 2, 1, 3);
  CalcResults calc = Calculate(p.b);
  EXPECT_NEAR(calc.Column(4, 2, 1).crossShare[Dir::Y], 1.2f, 1e-6);
  EXPECT_FLOAT_EQ(calc.Column(4, 1, 1).crossShare[Dir::Y], 0.0f);
  EXPECT_EQ(calc.notTransmitted, 0);
}

TEST(BeamRuns, CutAtLowerColumnsAndGaps) {
  PlanBuilder p(2, 9, 2, 1, 0.91f);
  p.Beam(2, Dir::X, 1, 1, 6).Beam(2, Dir::X, 8, 1, 1).Column(4, 1, 1);
  p.Beam(1, Dir::X, 1, 2, 3).Column(3, 2, 1);  // level 1 is cut by its own columns
  RefreshBeamRuns(p.b);
  const int expected[] = {1, 2, 3, 1, 2, 3};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(p.b.Point(i, 1, 2).beam(Dir::X).AutoFlag, expected[i - 1]) << i;
  EXPECT_EQ(p.b.Point(8, 1, 2).beam(Dir::X).AutoFlag, 0);
  EXPECT_EQ(p.b.Point(1, 2, 1).beam(Dir::X).AutoFlag, 1);
  EXPECT_EQ(p.b.Point(2, 2, 1).beam(Dir::X).AutoFlag, 3);
  EXPECT_EQ(p.b.Point(3, 2, 1).beam(Dir::X).AutoFlag, 0);
  const MemberSpan run = p.b.MemberExtent(MemberLayer::Beam, 2, Dir::X, {5, 1});
  EXPECT_EQ(run.first, 4);
  EXPECT_EQ(run.last, 6);
  EXPECT_NEAR(run.length, 2.73f, 1e-5);
}

TEST(BeamIndex, AnswersLikeMemberExtentAndAWalk) {
  // Any codes, including ones RefreshBeamRuns never writes.
  std::mt19937 random(7);
  PlanBuilder p(1, 12, 9, 2, 0.91f);
  for (GridPoint& g : p.b.Points()) {
    for (const Dir d : kDirs) {
      g.beam(d).BeamKind = static_cast<int>(random() % 3) == 0 ? 0 : 1;
      g.beam(d).AutoFlag = static_cast<int>(random() % 6) - 1;
    }
  }
  // Points on the last line own no segment.
  for (int j = 1; j <= p.b.PointsY(); ++j) p.b.Point(p.b.PointsX(), j, 2).beam(Dir::X) = BeamSeg{};
  for (int i = 1; i <= p.b.PointsX(); ++i) p.b.Point(i, p.b.PointsY(), 2).beam(Dir::Y) = BeamSeg{};
  const BeamIndex index(p.b, 2);
  for (const Dir d : kDirs) {
    for (int j = 1; j <= p.b.PointsY(); ++j) {
      for (int i = 1; i <= p.b.PointsX(); ++i) {
        const GridPos at{i, j};
        if (index.Has(d, at)) {
          const MemberSpan want = p.b.MemberExtent(MemberLayer::Beam, 2, d, at);
          const MemberSpan got = index.Run(d, at);
          EXPECT_EQ(got.first, want.first);
          EXPECT_EQ(got.last, want.last);
          EXPECT_EQ(got.length, want.length);
        }
        for (int step : {-1, 1}) {
          int want = 0;
          for (int k = at.Along(d) + step; k >= 1 && k <= p.b.Spans(d) + 1 && want == 0; k += step) {
            if (index.BothSides(Other(d), at.At(d, k))) want = k;
          }
          EXPECT_EQ(index.NearestThrough(d, at, step), want);
        }
      }
    }
  }
}

TEST(LargestPlans, CalculateEveryColumn) {
  Building largest = test::LargestPlan();
  RefreshBeamRuns(largest);
  const CalcResults calc = test::NValuesOf(largest, false);
  EXPECT_EQ(calc.Storey(1).columns, 121 * 121);
  EXPECT_EQ(calc.Storey(2).columns, 121 * 121);
  EXPECT_FALSE(calc.notTransmitted);

  // Storey-1 columns only on the outer lines: every storey-2 column inside passes its pull
  // (A x B - L with the user's method) to the two outer columns of its lines.
  Building outer = test::TransmissionPlan();
  outer.Settings.LMethod = 1;
  RefreshBeamRuns(outer);
  const CalcResults outerCalc = test::NValuesOf(outer, false);
  EXPECT_EQ(outerCalc.Storey(1).columns, 4 * 120);
  EXPECT_FALSE(outerCalc.notTransmitted);
  float sum = 0;
  for (int i = 2; i <= 120; ++i) {
    const ColumnResult& q = outerCalc.Column(i, 61, 2);
    sum += (1.0f - static_cast<float>(i - 1) / 120.0f) * (q.a[Dir::X] * q.b - q.l);
  }
  EXPECT_NEAR(outerCalc.Column(1, 61, 1).deltaN[Dir::X], sum, 1e-3);
  EXPECT_LT(outerCalc.Column(1, 61, 1).deltaN[Dir::X], -20.0f);
}

}  // namespace
}  // namespace tvk
