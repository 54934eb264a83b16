// The whole-plan calculation against a reference that works column by column through the
// per-column entry points, the way the rules read: on varied plans and settings both give
// the same results bit for bit, on a first run and on a run over earlier results.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/calc_results.h"
#include "engine/grade.h"
#include "engine/hardware_placement.h"
#include "engine/member_codes.h"
#include "engine/n_value.h"
#include "engine/transmission.h"
#include "model/project_file.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

// ---- the reference --------------------------------------------------------------------

// Side 1 is the segment that ends at the column, side 2 the one that starts there; a brace
// counts with its codes, every wall with its multiplier up to the project's cap.
void ReferenceSides(const Building& b, ColumnResult& r, GridPos p, int s) {
  const float cap = b.Settings.MaxWallMultiplier;
  for (const Dir d : kDirs) {
    // A side beyond the first or last line has no wall.
    auto side = [&](bool exists, GridPos at, int32_t& size, int32_t& slope, float& rating) {
      size = slope = 0;
      rating = 0;
      if (!exists) return;
      const GridPoint& g = b.Point(at, s);
      size = HasBrace(g.brace(d)) ? g.brace(d).Kind : 0;
      slope = HasBrace(g.brace(d)) ? g.brace(d).Slope : 0;
      rating = BraceMultiplier(g.brace(d)) + SheathingMultiplier(g.sheathing(d));
      if (rating > cap) rating = cap;
    };
    side(p.Along(d) > 1, p.Step(d, -1), r.size1[d], r.slope1[d], r.rating1[d]);
    side(p.Along(d) <= b.Spans(d), p, r.size2[d], r.slope2[d], r.rating2[d]);
  }
}

// Floor cells among the four that meet at p.
int ReferenceCellsAround(const Building& b, GridPos p, int level) {
  int cells = 0;
  for (const GridPos c : {p, GridPos{p.i - 1, p.j}, GridPos{p.i - 1, p.j - 1}, GridPos{p.i, p.j - 1}}) {
    if (c.i >= 1 && c.j >= 1 && c.i <= b.SpansX() && c.j <= b.SpansY()) cells += HasFloorCell(b.Point(c, level));
  }
  return cells;
}

template <class Visit>
void ForEachPoint(const Building& b, Visit&& visit) {
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) visit(GridPos{i, j});
  }
}

// Storey s from the top down: own N and orthogonal-beam shares of every column, then what
// each receives from above, its grade and its hardware.
void ReferenceStorey(Building& b, CalcResults& r, int s, bool autoPlace) {
  ForEachPoint(b, [&](GridPos p) {
    ColumnRec& c = b.Point(p, s).Column;
    if (!HasColumnAt(b.Point(p, s))) return;
    ++r.Storey(s).columns;
    c.Corner = ReferenceCellsAround(b, p, s) <= 1 ? 1 : 0;
    ReferenceSides(b, r.Column(p, s), p, s);
    for (const Dir d : kDirs) {
      CalcColumnN(b, r, d, p, s);
      if (b.Settings.IgnoreCrossBeam == 0) CrossGTransmit(b, r, d, p, s);
    }
  });
  const bool collect = s < b.Storeys() && b.Settings.NoTransmitMissingColumn != 1;
  ForEachPoint(b, [&](GridPos p) {
    ColumnRec& c = b.Point(p, s).Column;
    if (!HasColumnAt(b.Point(p, s))) {
      c.NeedGrade.clear();
      c.TopHardware.clear();
      c.BottomHardware.clear();
      return;
    }
    ColumnResult& own = r.Column(p, s);
    for (const Dir d : kDirs) {
      const std::array<float, 2> sides = collect ? ColNukeNCollect(b, r, d, p, s) : std::array<float, 2>{};
      own.deltaN[d] = sides[0] + sides[1];
    }
    const Grade grade = NToKigou(GoverningN(r, p, s));
    if (autoPlace) AutoSetKanamono(b, r, p, s);
    c.NeedGrade = grade.symbol;
    own.overLimit = grade.overLimit;
    if (grade.overLimit == 1) r.Storey(s).overLimit = true;
  });
}

void ReferenceN(Building& b, CalcResults& r, bool noAutoPlacement) {
  if (!r.Fits(b)) r.Reset(b);
  r.notTransmitted = false;
  for (int s = 1; s <= b.Storeys(); ++s) {
    ForEachPoint(b, [&](GridPos p) {
      r.Column(p, s).crossShare = {};
      r.Column(p, s).notTransmitted = 0;
    });
    r.Storey(s).columns = 0;
    r.Storey(s).overLimit = false;
  }
  const bool autoPlace = b.Settings.AutoHardwareOnReport == 1 && !noAutoPlacement;
  for (int s = b.Storeys(); s >= 1; --s) ReferenceStorey(b, r, s, autoPlace);
}

// ---- the plans ------------------------------------------------------------------------

Building SampleHouse() {
  Building b;
  EXPECT_TRUE(LoadProject(b, std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK").ok);
  return b;
}

// A dense plan with scattered gaps: storey-1 and storey-2 columns missing, beams cut,
// walls removed or single-sloped, codes outside their tables, a through-column line, a
// level-2 floor only over part of the plan with a void, so that every path of the
// transmission, corners and both sides of the grade table come up.
Building VariedPlan(int spans) {
  Building b = test::DensePlan(spans);
  const int points = spans + 1;
  for (int j = 1; j <= points; ++j) {
    for (int i = 1; i <= points; ++i) {
      GridPoint& lower = b.Point(i, j, 1);
      GridPoint& upper = b.Point(i, j, 2);
      const bool block = i > 4 && i < 10 && j > 4 && j < 12;
      if ((i * 7 + j * 3) % 5 == 0 || block) lower.Column.ColKind = ColumnKind::None;
      if ((i * 5 + j) % 11 == 0) upper.Column.ColKind = ColumnKind::None;
      if ((i + 2 * j) % 7 == 0 || (block && (i + j) % 3 == 0)) upper.beam(Dir::X).BeamKind = 0;
      if ((3 * i + j) % 9 == 0 || (block && (i + 2 * j) % 4 == 0)) upper.beam(Dir::Y).BeamKind = 0;
      if ((i + j) % 6 == 0) upper.brace(Dir::X).Kind = 0;
      if (block && (i + j) % 2 == 0) upper.sheathing(Dir::X).Kind = 0;
      if (block && i % 2 == 0) upper.sheathing(Dir::Y).Kind = 0;
      if ((i * j) % 8 == 1) upper.brace(Dir::Y).Kind = upper.sheathing(Dir::Y).Kind = 0;
      if ((i * 3 + j) % 13 == 0) {
        lower.brace(Dir::X).Slope = test::kRisesToHigher;
        lower.brace(Dir::Y).Slope = test::kRisesToLower;
      }
      if ((i + j * 5) % 17 == 0) lower.brace(Dir::X).Kind = 9;
      if ((i * 2 + j) % 19 == 0) lower.sheathing(Dir::Y).Kind = 99;
      if ((i * 11 + j) % 23 == 0) upper.brace(Dir::X).Slope = 7;
      if (i > points / 2 && j > points / 2) upper.FloorKind = FloorCell::None;
      if (i == 2 && j > 2 && j < points / 2) upper.FloorKind = FloorCell::Void;
      if (i == 3 && j > 2) {
        for (GridPoint* g : {&lower, &upper}) {
          g->Column.ColKind = ColumnKind::Through;
          g->Column.Through = 1;
        }
      }
    }
  }
  // A 90x90 single brace reaching the corner column at the end of the first X line on both
  // storeys takes that column beyond (る)*.
  for (int level = 1; level <= 2; ++level) {
    WallSeg& brace = b.Point(spans, 1, level).brace(Dir::X);
    brace.Kind = 4;
    brace.Slope = test::kRisesToHigher;
    brace.Multiplier = 3.0f;
  }
  return b;
}

struct PlanCase {
  const char* name;
  std::function<Building()> make;
};

struct SettingsCase {
  const char* name;
  std::function<void(Building&)> apply;
  bool noAutoPlacement = false;
};

const std::vector<PlanCase>& Plans() {
  static const std::vector<PlanCase> plans = {
      {"sample house", SampleHouse},
      {"dense", [] { return test::DensePlan(16); }},
      {"transmission", [] { return test::TransmissionPlan(16); }},
      {"varied", [] { return VariedPlan(24); }},
  };
  return plans;
}

const std::vector<SettingsCase>& SettingsCases() {
  static const std::vector<SettingsCase> cases = {
      {"defaults", [](Building&) {}},
      {"user L method", [](Building& b) { b.Settings.LMethod = 1; }},
      {"orthogonal beams ignored", [](Building& b) { b.Settings.IgnoreCrossBeam = 1; }},
      {"no transmission of missing columns", [](Building& b) { b.Settings.NoTransmitMissingColumn = 1; }},
      {"storey 1 follows storey 2",
       [](Building& b) {
         b.Settings.Match1FTo2F = 1;
         b.Settings.LMethod = 1;
       }},
      {"no double-pull equalisation", [](Building& b) { b.Settings.DoublePullHD = 0; }},
      {"no hardware on report", [](Building& b) { b.Settings.AutoHardwareOnReport = 0; }},
      {"placement dialog", [](Building&) {}, true},
      {"tall storeys, low wall cap",
       [](Building& b) {
         b.Info.LevelHeight[1] = 3500;
         b.Info.LevelHeight[2] = 7000;
         b.Settings.MaxWallMultiplier = 3.0f;
       }},
  };
  return cases;
}

// ---- the comparison -------------------------------------------------------------------

// Every field of a result record is four bytes wide, so equal bytes are equal bits.
static_assert(sizeof(ColumnResult) == 26 * 4);

void ExpectSame(const Building& want, const CalcResults& wantCalc, const Building& got, const CalcResults& gotCalc) {
  int reported = 0;
  const GridShape shape = want.Shape();
  for (int level = 1; level <= shape.levels && reported < 5; ++level) {
    ForEachPoint(want, [&](GridPos p) {
      const ColumnResult& w = wantCalc.Column(p, level);
      const ColumnResult& g = gotCalc.Column(p, level);
      const ColumnRec& wc = want.Point(p, level).Column;
      const ColumnRec& gc = got.Point(p, level).Column;
      const bool same = std::memcmp(&w, &g, sizeof w) == 0 && wc == gc;
      if (!same && reported++ < 5) {
        ADD_FAILURE() << "level " << level << " (" << p.i << ", " << p.j << "): n " << g.n[Dir::X] << "/" << w.n[Dir::X]
                      << " " << g.n[Dir::Y] << "/" << w.n[Dir::Y] << ", deltaN " << g.deltaN[Dir::X] << "/"
                      << w.deltaN[Dir::X] << ", crossShare " << g.crossShare[Dir::X] << "/" << w.crossShare[Dir::X]
                      << ", grade " << gc.NeedGrade << "/" << wc.NeedGrade;
      }
    });
  }
  for (int s = 1; s <= want.Storeys(); ++s) {
    EXPECT_EQ(gotCalc.Storey(s).columns, wantCalc.Storey(s).columns) << "storey " << s;
    EXPECT_EQ(gotCalc.Storey(s).overLimit, wantCalc.Storey(s).overLimit) << "storey " << s;
  }
  EXPECT_EQ(gotCalc.notTransmitted, wantCalc.notTransmitted);
}

// Every third column of each storey goes, so that results of earlier runs stand on points
// without a column.
void RemoveSomeColumns(Building& b) {
  int k = 0;
  for (GridPoint& p : b.Points()) {
    if (HasColumnAt(p) && ++k % 3 == 0) p.Column.ColKind = ColumnKind::None;
  }
  RefreshBeamRuns(b);
}

TEST(CalcAllN, MatchesTheColumnByColumnReference) {
  for (const PlanCase& plan : Plans()) {
    for (const SettingsCase& settings : SettingsCases()) {
      SCOPED_TRACE(std::string(plan.name) + ", " + settings.name);
      Building want = plan.make();
      settings.apply(want);
      RefreshBeamRuns(want);
      Building got = want;
      CalcResults wantCalc;
      CalcResults gotCalc;
      for (const char* run : {"first run", "run over earlier results", "run after columns were taken away"}) {
        SCOPED_TRACE(run);
        if (std::string(run) == "run after columns were taken away") {
          for (Building* b : {&want, &got}) RemoveSomeColumns(*b);
        }
        ReferenceN(want, wantCalc, settings.noAutoPlacement);
        CalcAllN(got, gotCalc, settings.noAutoPlacement);
        ExpectSame(want, wantCalc, got, gotCalc);
      }
    }
  }
}

// The plans above reach the paths they are meant to.
TEST(CalcAllN, ReferencePlansCoverTheTransmissionPaths) {
  Building varied = VariedPlan(24);
  RefreshBeamRuns(varied);
  CalcResults calc;
  CalcAllN(varied, calc, false);
  EXPECT_TRUE(calc.notTransmitted);
  EXPECT_TRUE(calc.Storey(1).overLimit);
  int received = 0;
  int crossed = 0;
  for (const ColumnResult& r : calc.Columns()) {
    received += r.deltaN[Dir::X] != 0 || r.deltaN[Dir::Y] != 0;
    crossed += r.crossShare[Dir::X] != 0 || r.crossShare[Dir::Y] != 0;
  }
  EXPECT_GT(received, 10);
  EXPECT_GT(crossed, 10);
}

}  // namespace
}  // namespace tvk
