#include "engine/n_value.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/floor_map.h"
#include "engine/grade.h"
#include "engine/hardware_placement.h"
#include "engine/height_factor.h"
#include "engine/level_marks.h"
#include "engine/level_view.h"
#include "engine/pull_out.h"
#include "engine/transmission.h"
#include "engine/wall_rating.h"
#include "model/building.h"

namespace tvk {

namespace {

// Where a column stands, as B and L see it.
struct ColumnSite {
  bool corner = false;           // an exterior corner of its floor
  bool underUpperFloor = false;  // a storey-1 column with storey-2 floor cells around it
};

// The result record of the storey-2 column standing on the storey-1 column at p, if any.
const ColumnResult* UpperColumnResult(const CalcResults& results, bool upperColumn, GridPos p, int s) {
  return s == 1 && upperColumn ? &results.Column(p, 2) : nullptr;
}

// L of a column. Storey-1 columns under a storey-2 floor use the commentary values or,
// with the user's method, a value that adds the L of the storey-2 column above.
float PressingL(const Building& b, const ColumnSite& site, const ColumnResult* above, int s) {
  const bool userMethod = b.Settings.LMethod == 1;
  float l1 = site.corner ? 0.4f : 0.6f;
  if (site.underUpperFloor) {
    l1 = userMethod ? (site.corner ? 0.6f : 1.0f) : (site.corner ? 1.0f : 1.6f);
  }
  if (s != 1 || !userMethod) return l1;
  return l1 + (above != nullptr ? above->l : 0.0f);
}

// B and L of a column; they do not depend on the direction.
void SetPressing(const Building& b, ColumnResult& r, const ColumnSite& site, const ColumnResult* above, int s) {
  r.b = site.corner ? 0.8f : 0.5f;
  r.l = PressingL(b, site, above, s);
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
void SetDirectionN(ColumnResult& r, const StoreyFactors& factors, const ColumnResult* above, Dir d) {
  r.a[d] = WallRatingA(r, d);
  float upper = 0;
  if (above != nullptr) upper = ScaledAB(above->a[d] * above->b, factors.upper);
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

// Empties a text, leaving an empty one untouched.
void Empty(std::string& text) {
  if (!text.empty()) text.clear();
}

// The marks of every storey level and, in a two-storey building, the two storeys as the
// pull-out paths see them, read once per calculation.
class PlanMarks {
 public:
  PlanMarks(const Building& b, const QuasiWalls& quasi) {
    levels_.reserve(static_cast<size_t>(b.Storeys()));
    for (int level = 1; level <= b.Storeys(); ++level) levels_.emplace_back(b, level, &quasi);
    if (b.Storeys() == 2) storeys_.emplace(b, levels_[0], levels_[1], 2);
  }
  PlanMarks(const PlanMarks&) = delete;
  PlanMarks& operator=(const PlanMarks&) = delete;

  const LevelMarks& Level(int level) const { return levels_[static_cast<size_t>(level - 1)]; }
  // Storey 1 under storey 2, when there are two.
  const MarkedLevels* Storeys() const { return storeys_ ? &*storeys_ : nullptr; }

 private:
  std::vector<LevelMarks> levels_;
  std::optional<MarkedLevels> storeys_;
};

// One storey of the calculation.
class StoreyCalc {
 public:
  StoreyCalc(Building& b, CalcResults& results, const PlanMarks& marks, int s)
      : b_(b), results_(results), s_(s), own_(marks.Level(s)), factors_(b, s) {
    if (s < b.Storeys()) {
      upper_ = &marks.Level(s + 1);
      if (b.Settings.NoTransmitMissingColumn != 1) fromAbove_ = marks.Storeys();
    }
    if (s > 1 && b.Settings.IgnoreCrossBeam == 0) toBelow_ = marks.Storeys();
  }

  // Every column of the storey in memory order; points without a column lose their grade
  // and hardware texts.
  void Run(bool autoPlace) {
    const auto points = LevelPoints(b_, s_);
    const auto columns = LevelResults(results_, s_);
    for (int j = 1; j <= b_.PointsY(); ++j) {
      for (int i = 1; i <= b_.PointsX(); ++i) {
        const GridPos p{i, j};
        ColumnRec& column = points(p).Column;
        if (own_.Column(p)) {
          OwnN(column, columns(p), p);
          GradeColumn(column, columns(p), p, autoPlace);
        } else {
          Empty(column.NeedGrade);
          Empty(column.TopHardware);
          Empty(column.BottomHardware);
        }
      }
    }
  }

 private:
  // Side walls, corner flag, B, L, A and N of the column at p, and the orthogonal-beam
  // shares it sends down.
  void OwnN(ColumnRec& column, ColumnResult& r, GridPos p) {
    ++results_.Storey(s_).columns;
    ColumnSite site;
    site.corner = own_.Corner(p);
    site.underUpperFloor = upper_ != nullptr && upper_->FloorAround(p);
    column.Corner = site.corner ? 1 : 0;
    SetSideWalls(own_, r, p);
    const ColumnResult* above = UpperColumnResult(results_, upper_ != nullptr && upper_->Column(p), p, s_);
    SetPressing(b_, r, site, above, s_);
    for (const Dir d : kDirs) {
      SetDirectionN(r, factors_, above, d);
      if (toBelow_) CrossGTransmit(*toBelow_, results_, d, p);
    }
  }

  // What the column at p receives from above, its grade and, when asked, its hardware.
  void GradeColumn(ColumnRec& column, ColumnResult& r, GridPos p, bool autoPlace) {
    for (const Dir d : kDirs) {
      float received = 0;
      if (fromAbove_) {
        const auto sides = ColNukeNCollect(*fromAbove_, results_, d, p);
        received = sides[0] + sides[1];
      }
      r.deltaN[d] = received;
    }
    const Grade grade = NToKigou(GoverningN(r));
    if (autoPlace) AutoSetKanamono(b_, results_, p, s_, grade.symbol);
    column.NeedGrade = grade.symbol;
    r.overLimit = grade.overLimit;
    if (grade.overLimit == 1) results_.Storey(s_).overLimit = true;
  }

  Building& b_;
  CalcResults& results_;
  int s_;
  const LevelMarks& own_;
  const LevelMarks* upper_ = nullptr;
  StoreyFactors factors_;
  const MarkedLevels* fromAbove_ = nullptr;  // this storey and the one above: pull-out received
  const MarkedLevels* toBelow_ = nullptr;    // the storey below and this one: orthogonal beams
};

}  // namespace

void CalcColumnN(const Building& building, CalcResults& results, Dir d, GridPos p, int s) {
  ColumnSite site;
  site.corner = building.Point(p, s).Column.Corner == 1;
  site.underUpperFloor = s == 1 && building.Storeys() >= 2 && FloorMap(building, 2).CellsAround(p) > 0;
  const bool upperColumn = s < building.Storeys() && HasColumnAt(building.Point(p, s + 1));
  const ColumnResult* above = UpperColumnResult(results, upperColumn, p, s);
  ColumnResult& r = results.Column(p, s);
  SetPressing(building, r, site, above, s);
  SetDirectionN(r, StoreyFactors(building, s), above, d);
}

void CalcAllN(Building& building, CalcResults& results, bool noAutoPlacement) {
  if (!results.Fits(building)) results.Reset(building);
  ClearReceivedShares(building, results);
  const PlanMarks marks(building, results.quasi);
  const bool autoPlace = building.Settings.AutoHardwareOnReport == 1 && !noAutoPlacement;
  for (int s = building.Storeys(); s >= 1; --s) StoreyCalc(building, results, marks, s).Run(autoPlace);
}

}  // namespace tvk
