#include "engine/n_value.h"

#include <optional>
#include <utility>

#include "engine/beam_runs.h"
#include "engine/floor_map.h"
#include "engine/grade.h"
#include "engine/hardware_placement.h"
#include "engine/height_factor.h"
#include "engine/level_view.h"
#include "engine/member_codes.h"
#include "engine/transmission.h"
#include "engine/wall_rating.h"
#include "model/building.h"

namespace tvk {

namespace {

bool HasUpperColumn(const Building& b, GridPos p, int s) { return s < b.Storeys() && HasColumnAt(b.Point(p, s + 1)); }

// The level-2 floor map that storey-1 columns of a two-storey building look up.
std::optional<FloorMap> UpperFloors(const Building& b, int s) {
  if (s == 1 && b.Storeys() >= 2) return FloorMap(b, 2);
  return std::nullopt;
}

// L of a column. Storey-1 columns under a storey-2 floor use the commentary values or,
// with the user's method, a value that adds the L of the storey-2 column above.
float PressingL(const Building& b, const CalcResults& r, const std::optional<FloorMap>& upperFloors, GridPos p, int s,
                bool corner) {
  const bool userMethod = b.Settings.LMethod == 1;
  float l1 = corner ? 0.4f : 0.6f;
  if (upperFloors && upperFloors->CellsAround(p) > 0) {
    l1 = userMethod ? (corner ? 0.6f : 1.0f) : (corner ? 1.0f : 1.6f);
  }
  if (s != 1 || !userMethod) return l1;
  return l1 + (HasUpperColumn(b, p, s) ? r.Column(p, s + 1).l : 0.0f);
}

// B and L of a column; they do not depend on the direction.
void SetPressing(const Building& b, CalcResults& results, const std::optional<FloorMap>& upperFloors, GridPos p,
                 int s) {
  ColumnResult& r = results.Column(p, s);
  const bool corner = b.Point(p, s).Column.Corner == 1;
  r.b = corner ? 0.8f : 0.5f;
  r.l = PressingL(b, results, upperFloors, p, s, corner);
}

// The height factors of a storey and of the one above, looked up once per storey.
struct StoreyFactors {
  float own;
  float upper;

  StoreyFactors(const Building& b, int s) : own(HeightFactor(b, s)), upper(s == 1 ? HeightFactor(b, 2) : 1.0f) {}
};

// A and N of one direction, with B and L in place. Storey 1 adds A2 x B2 of the column
// above; where none stands the term is 0. Each product carries its own storey's height
// factor.
void SetDirectionN(const Building& b, CalcResults& results, const StoreyFactors& factors, Dir d, GridPos p, int s) {
  ColumnResult& r = results.Column(p, s);
  r.a[d] = WallRatingA(r, d);
  float upper = 0;
  if (s == 1 && HasUpperColumn(b, p, s)) {
    const ColumnResult& above = results.Column(p, 2);
    upper = ScaledAB(above.a[d] * above.b, factors.upper);
  }
  r.n[d] = upper + ScaledAB(r.a[d] * r.b, factors.own) - r.l;
}

void ClearReceivedShares(const Building& b, CalcResults& results) {
  results.notTransmitted = false;
  for (int level = b.Storeys(); level >= 1; --level) {
    const auto columns = LevelResults(results, level);
    for (int j = 1; j <= b.PointsY(); ++j) {
      for (int i = 1; i <= b.PointsX(); ++i) {
        ColumnResult& r = columns(i, j);
        r.crossShare = {};
        r.notTransmitted = 0;
      }
    }
    results.Storey(level).overLimit = false;
    results.Storey(level).columns = 0;
  }
}

// Own-storey N of every column, and the orthogonal-beam shares it sends down.
void ComputeStoreyN(const Building& b, CalcResults& results, int s) {
  std::optional<BeamIndex> beams;
  if (s > 1 && b.Settings.IgnoreCrossBeam == 0) beams.emplace(b, s);
  const std::optional<FloorMap> upperFloors = UpperFloors(b, s);
  const StoreyFactors factors(b, s);
  const auto points = LevelPoints(b, s);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPos p{i, j};
      if (!HasColumnAt(points(p))) continue;
      ++results.Storey(s).columns;
      // CalcColumnN per direction; B and L are set once since the transmission of one
      // direction writes only into other storeys' records.
      SetPressing(b, results, upperFloors, p, s);
      for (const Dir d : kDirs) {
        SetDirectionN(b, results, factors, d, p, s);
        if (beams) CrossGTransmit(b, results, *beams, d, p, s);
      }
    }
  }
}

// What each column receives from above, its grade and, when asked, its hardware.
void GradeStorey(Building& b, CalcResults& results, int s, bool autoPlace) {
  const bool collect = s < b.Storeys() && b.Settings.NoTransmitMissingColumn != 1;
  const auto points = LevelPoints(b, s);
  const auto columns = LevelResults(results, s);
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPos p{i, j};
      ColumnRec& column = points(p).Column;
      if (!HasColumnAt(points(p))) {
        column.NeedGrade.clear();
        column.TopHardware.clear();
        column.BottomHardware.clear();
        continue;
      }
      ColumnResult& r = columns(p);
      for (const Dir d : kDirs) {
        float received = 0;
        if (collect) {
          const auto sides = ColNukeNCollect(b, results, d, p, s);
          received = sides[0] + sides[1];
        }
        r.deltaN[d] = received;
      }
      const Grade grade = NToKigou(GoverningN(results, p, s));
      if (autoPlace) AutoSetKanamono(b, results, p, s);
      column.NeedGrade = grade.symbol;
      r.overLimit = grade.overLimit;
      if (grade.overLimit == 1) results.Storey(s).overLimit = true;
    }
  }
}

}  // namespace

void SetDesumiFlags(Building& building) {
  for (int level = 1; level <= building.Storeys(); ++level) {
    const FloorMap floors(building, level);
    const auto points = LevelPoints(building, level);
    for (int j = 1; j <= building.PointsY(); ++j) {
      for (int i = 1; i <= building.PointsX(); ++i) {
        GridPoint& p = points(i, j);
        if (HasColumnAt(p)) p.Column.Corner = floors.CellsAround(GridPos{i, j}) <= 1 ? 1 : 0;
      }
    }
  }
}

void CalcColumnN(const Building& building, CalcResults& results, Dir d, GridPos p, int s) {
  SetPressing(building, results, UpperFloors(building, s), p, s);
  SetDirectionN(building, results, StoreyFactors(building, s), d, p, s);
}

void CalcAllN(Building& building, CalcResults& results, bool noAutoPlacement) {
  if (!results.Fits(building)) results.Reset(building);
  CollectSideWalls(building, results);
  SetDesumiFlags(building);
  ClearReceivedShares(building, results);
  const bool autoPlace = building.Settings.AutoHardwareOnReport == 1 && !noAutoPlacement;
  for (int s = building.Storeys(); s >= 1; --s) {
    ComputeStoreyN(building, results, s);
    GradeStorey(building, results, s, autoPlace);
  }
}

}  // namespace tvk
