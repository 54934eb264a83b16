#pragma once
// Builds small plans through the model API for engine tests and benchmarks: members are
// written the way the plan editor writes them (run positions, kind keys, multipliers).

#include <array>
#include <vector>

#include "model/building.h"
#include "model/quasi_walls.h"

namespace tvk::test {

// Brace slopes.
constexpr int kRisesToHigher = 1;  // single brace, upper end at the higher index
constexpr int kRisesToLower = 2;   // single brace, upper end at the lower index
constexpr int kCrossed = 3;

// Writes members into a building the way the plan editor writes them.
class PlanWriter {
 public:
  explicit PlanWriter(Building& b) : b_(b) {}

  PlanWriter& Column(int i, int j, int level, ColumnKind kind = ColumnKind::Storey) {
    b_.Point(i, j, level).Column.ColKind = kind;
    return *this;
  }
  // A through column carries records on both storeys.
  PlanWriter& ThroughColumn(int i, int j) {
    for (int level = 1; level <= 2; ++level) {
      ColumnRec& c = b_.Point(i, j, level).Column;
      c.ColKind = ColumnKind::Through;
      c.Through = 1;
    }
    return *this;
  }
  // A brace member of `segments` unit segments starting at (i, j) along d.
  PlanWriter& Brace(int level, Dir d, int i, int j, int segments, int size, int slope) {
    static constexpr std::array<float, 4> kSingle = {1.0f, 1.5f, 2.0f, 3.0f};
    static constexpr std::array<float, 4> kDouble = {2.0f, 3.0f, 4.0f, 5.0f};
    const float m = (slope == kCrossed ? kDouble : kSingle)[static_cast<size_t>(size - 1)];
    WriteWall(level, d, i, j, segments, true, size, slope == kCrossed ? kKeyTasuki : kKeyKesa, slope, m);
    return *this;
  }
  // A sheathed wall of entry `kind` (multiplier 0.5 x kind plus the project's adjustment).
  PlanWriter& Sheathing(int level, Dir d, int i, int j, int segments, int kind) {
    const float m = 0.5f * static_cast<float>(kind) + b_.Settings.SheathingAdjust;
    WriteWall(level, d, i, j, segments, false, kind, kKeyMenzai, 4, m);
    return *this;
  }
  // A partly sheathed wall: a 準耐力壁 sheathed top mm high, or a 垂れ壁 of top mm over a
  // 腰壁 of bottom mm; m0 from the board, or entered for the last board.
  PlanWriter& Quasi(int level, Dir d, int i, int j, int segments, QuasiKind kind, int board, int top, int bottom = 0,
                    float enteredM0 = 0) {
    const float m0 = board == kEnteredBoard ? enteredM0 : FindQuasiBoard(board)->m0;
    WriteWall(level, d, i, j, segments, QuasiSlot{top, bottom}, board, QuasiKindKey(kind), 0, m0);
    return *this;
  }
  PlanWriter& Beam(int level, Dir d, int i, int j, int segments) {
    for (int k = 0; k < segments; ++k) {
      At(d, i, j, k, level).beam(d).BeamKind = 1;
    }
    return *this;
  }
  // Floor cells (or voids) with lowest corners i1..i2, j1..j2.
  PlanWriter& Floor(int level, int i1, int j1, int i2, int j2, FloorCell kind = FloorCell::Slab) {
    for (int j = j1; j <= j2; ++j) {
      for (int i = i1; i <= i2; ++i) b_.Point(i, j, level).FloorKind = kind;
    }
    return *this;
  }

 private:
  // The heights of a partly sheathed wall, which goes into the quasi layer.
  struct QuasiSlot {
    int top;
    int bottom;
  };
  GridPoint& At(Dir d, int i, int j, int k, int level) { return b_.Point(GridPos{i, j}.Step(d, k), level); }
  static WallSeg& Slot(GridPoint& p, Dir d, bool brace) { return brace ? p.brace(d) : p.sheathing(d); }
  static WallSeg& Slot(GridPoint& p, Dir d, const QuasiSlot& heights) {
    p.quasi(d).TopMm = heights.top;
    p.quasi(d).BottomMm = heights.bottom;
    return p.quasi(d);
  }
  template <class Layer>
  void WriteWall(int level, Dir d, int i, int j, int segments, const Layer& layer, int kind, const char* key, int slope,
                 float multiplier) {
    const int first = GridPos{i, j}.Along(d);
    for (int k = 0; k < segments; ++k) {
      WallSeg& seg = Slot(At(d, i, j, k, level), d, layer);
      seg.Kind = kind;
      seg.KindKey = key;
      seg.Slope = slope;
      seg.Multiplier = multiplier;
      seg.RunStart = first;
      seg.RunEnd = first + segments - 1;
      seg.RunPos = segments == 1 ? 0 : (k == 0 ? 1 : (k == segments - 1 ? 3 : 2));
    }
  }

  Building& b_;
};

// A building of its own with a PlanWriter's methods.
class PlanBuilder {
 public:
  PlanBuilder(int storeys, int spansX, int spansY, int divisions = 2, float pitch = 0.91f) {
    b.Info.StoreyCount = storeys;
    b.Info.GridSpansX = spansX;
    b.Info.GridSpansY = spansY;
    b.Info.GridDivisions = divisions;
    b.Info.GridPitch = pitch;
    b.CreateModelArrays();
  }

  template <class... A>
  PlanBuilder& Column(A... a) {
    PlanWriter(b).Column(a...);
    return *this;
  }
  PlanBuilder& ThroughColumn(int i, int j) {
    PlanWriter(b).ThroughColumn(i, j);
    return *this;
  }
  PlanBuilder& Brace(int level, Dir d, int i, int j, int segments, int size, int slope) {
    PlanWriter(b).Brace(level, d, i, j, segments, size, slope);
    return *this;
  }
  PlanBuilder& Sheathing(int level, Dir d, int i, int j, int segments, int kind) {
    PlanWriter(b).Sheathing(level, d, i, j, segments, kind);
    return *this;
  }
  PlanBuilder& Beam(int level, Dir d, int i, int j, int segments) {
    PlanWriter(b).Beam(level, d, i, j, segments);
    return *this;
  }
  template <class... A>
  PlanBuilder& Quasi(A... a) {
    PlanWriter(b).Quasi(a...);
    return *this;
  }
  template <class... A>
  PlanBuilder& Floor(A... a) {
    PlanWriter(b).Floor(a...);
    return *this;
  }

  Building b;
};

// The point table and the coordinates as values, for comparisons.
inline std::vector<GridPoint> PointsOf(const Building& b) { return {b.Points().begin(), b.Points().end()}; }
inline std::vector<PointCoord> CoordsOf(const Building& b) { return {b.Coords().begin(), b.Coords().end()}; }

// A dense plan of `spans` x `spans` spans (a multiple of 4) on two storeys: floors
// everywhere, a column at every point of both storeys, a crossed brace and a sheathed wall
// of one grid on every segment, beams on every segment of both beam levels.
inline Building DensePlan(int spans) {
  const int points = spans + 1;
  PlanBuilder p(2, spans, spans, 4, 0.91f);
  for (int level = 1; level <= 2; ++level) {
    p.Floor(level, 1, 1, spans, spans);
    for (int line = 1; line <= points; ++line) {
      for (int start = 1; start <= spans; start += 4) {
        p.Brace(level, Dir::X, start, line, 4, 3, kCrossed).Brace(level, Dir::Y, line, start, 4, 3, kCrossed);
        p.Sheathing(level, Dir::X, start, line, 4, 2).Sheathing(level, Dir::Y, line, start, 4, 2);
      }
    }
  }
  for (int level = 2; level <= 3; ++level) {
    for (int line = 1; line <= points; ++line) {
      p.Beam(level, Dir::X, 1, line, spans).Beam(level, Dir::Y, line, 1, spans);
    }
  }
  for (int j = 1; j <= points; ++j) {
    for (int i = 1; i <= points; ++i) p.Column(i, j, 1).Column(i, j, 2);
  }
  return p.b;
}

// The largest plan: the dense plan of 120 x 120 spans.
inline Building LargestPlan() { return DensePlan(120); }

// The hardest plan for the pull-out walks: like LargestPlan (or a dense plan of `spans`),
// but storey-1 columns stand only on the outer lines, so every storey-2 column inside
// passes its pull through beams.
inline Building TransmissionPlan(int spans = 120) {
  Building b = DensePlan(spans);
  for (int j = 2; j <= spans; ++j) {
    for (int i = 2; i <= spans; ++i) b.Point(i, j, 1).Column.ColKind = ColumnKind::None;
  }
  return b;
}

}  // namespace tvk::test
