#include "editor/plan_update.h"

#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "model/building.h"

namespace tvk {

namespace {

int OtherStoreyLevel(int storey) { return storey == 1 ? 2 : 1; }

// Point of a line at `along` index: line runs along d through the rectangle's corner.
GridPoint& OnLine(Building& b, Dir d, const GridRect& r, int along, int level) {
  return b.Point(r.Low().At(d, along), level);
}

// Unit segments x1 .. x2-1 (or y1 .. y2-1) of the run along d.
struct Run {
  int first;
  int last;
};
Run RunOf(const EditRequest& edit, Dir d) { return Run{edit.rect.First(d), edit.rect.Last(d) - 1}; }

template <typename F>
void ForEachPoint(const GridRect& r, F&& f) {
  for (int j = r.y1; j <= r.y2; ++j) {
    for (int i = r.x1; i <= r.x2; ++i) f(GridPos{i, j});
  }
}

// ---- floors -----------------------------------------------------------------

void ApplyFloor(Building& b, const EditRequest& edit) {
  const FloorCell kind = edit.editMode == EditMode::Place ? static_cast<FloorCell>(edit.subKind) : FloorCell::None;
  for (int j = edit.rect.y1; j < edit.rect.y2; ++j) {
    for (int i = edit.rect.x1; i < edit.rect.x2; ++i) b.Point(i, j, edit.storey).FloorKind = kind;
  }
}

// ---- columns ----------------------------------------------------------------

void PlaceColumn(Building& b, GridPos at, int storey, ColumnKind kind) {
  ColumnRec& own = b.Point(at, storey).Column;
  ColumnRec& other = b.Point(at, OtherStoreyLevel(storey)).Column;
  if (kind != ColumnKind::Through && own.ColKind == ColumnKind::Through) {
    // The through-column is replaced: the other storey keeps a column of its own.
    other.ColKind = ColumnKind::Storey;
    other.Through = 0;
  }
  own.ColKind = kind;
  own.Through = 0;
  b.SplitSheathingAtColumn(at, storey);
  if (kind == ColumnKind::Through) {
    own.Through = 1;
    other.ColKind = ColumnKind::Through;
    other.Through = 1;
    // The column stands on the other storey as well and divides its panels there too.
    b.SplitSheathingAtColumn(at, OtherStoreyLevel(storey));
  }
}

void DeleteColumn(Building& b, GridPos at, int storey) {
  ColumnRec& own = b.Point(at, storey).Column;
  if (own.ColKind == ColumnKind::Through) {
    ColumnRec& other = b.Point(at, OtherStoreyLevel(storey)).Column;
    other.ColKind = ColumnKind::None;
    other.Through = 0;
  }
  own.ColKind = ColumnKind::None;
  own.Through = 0;
  own.Corner = 0;
}

void ApplyColumn(Building& b, const EditRequest& edit) {
  const GridRect& r = edit.rect;
  switch (edit.editMode) {
    case EditMode::Place:
      PlaceColumn(b, r.Low(), edit.storey, static_cast<ColumnKind>(edit.subKind));
      break;
    case EditMode::Delete:
      DeleteColumn(b, r.Low(), edit.storey);
      break;
    default:
      ForEachPoint(r, [&](GridPos at) { DeleteColumn(b, at, edit.storey); });
  }
}

// ---- beams ------------------------------------------------------------------

// The beams of the four unit segments that meet at `at`.
void ClearBeamsAt(Building& b, GridPos at, int level) {
  for (const Dir d : kDirs) {
    b.Point(at, level).beam(d) = BeamSeg{};
    if (at.Along(d) > 1) b.Point(at.Step(d, -1), level).beam(d) = BeamSeg{};
  }
}

void ApplyBeam(Building& b, const EditRequest& edit) {
  const int level = edit.storey + 1;
  if (edit.editMode == EditMode::GroupDelete) {
    ForEachPoint(edit.rect, [&](GridPos at) { ClearBeamsAt(b, at, level); });
    return;
  }
  const Dir d = edit.direction();
  const Run run = RunOf(edit, d);
  const BeamSeg beam = edit.editMode == EditMode::Place ? BeamSeg{edit.subKind, 0} : BeamSeg{};
  for (int k = run.first; k <= run.last; ++k) OnLine(b, d, edit.rect, k, level).beam(d) = beam;
}

// ---- bearing walls ----------------------------------------------------------

template <typename F>
void ForEachLayer(LayerSet layers, F&& f) {
  if (Includes(layers, LayerSet::Brace)) f(MemberLayer::Brace);
  if (Includes(layers, LayerSet::Sheathing)) f(MemberLayer::Sheathing);
  if (Includes(layers, LayerSet::Quasi)) f(MemberLayer::Quasi);
}

// Writes the new member's segment k into the layer's slot; a partly sheathed wall also
// takes its heights.
void PlaceSegment(GridPoint& p, MemberLayer layer, Dir d, const WallSeg& seg, const EditRequest& edit) {
  WallSlot(p, layer, d) = seg;
  if (layer != MemberLayer::Quasi) return;
  p.quasi(d).TopMm = edit.topMm;
  p.quasi(d).BottomMm = edit.bottomMm;
}

WallSeg PlacedSegment(const Building& b, const EditRequest& edit, const Run& run, int k) {
  WallSeg seg;
  seg.Kind = edit.subKind;
  seg.RunStart = run.first;
  seg.RunEnd = run.last;
  seg.KindKey = edit.groupKey;
  seg.Slope = edit.slope;
  if (run.first != run.last) seg.RunPos = k == run.first ? 1 : (k == run.last ? 3 : 2);
  seg.Multiplier = edit.multiplier;
  if (edit.groupKey == kKeyMenzai) seg.Multiplier += b.Settings.SheathingAdjust;
  return seg;
}

// Columns at both ends of a new wall, beams below and above each of its segments.
void AutoLinkWall(Building& b, const EditRequest& edit, Dir d, const Run& run) {
  const int s = edit.storey;
  for (const int end : {run.first, run.last + 1}) {
    ColumnRec& column = OnLine(b, d, edit.rect, end, s).Column;
    if (column.ColKind == ColumnKind::None) column.ColKind = ColumnKind::Storey;
  }
  for (int k = run.first; k <= run.last; ++k) {
    for (const int level : {s, s + 1}) OnLine(b, d, edit.rect, k, level).beam(d) = BeamSeg{1, 1};
  }
}

void PlaceWall(Building& b, const EditRequest& edit) {
  const Dir d = edit.direction();
  const Run run = RunOf(edit, d);
  if (run.last < run.first) return;  // zero-length run
  ForEachLayer(edit.layers, [&](MemberLayer layer) {
    for (int k = run.first; k <= run.last; ++k) {
      PlaceSegment(OnLine(b, d, edit.rect, k, edit.storey), layer, d, PlacedSegment(b, edit, run, k), edit);
    }
  });
  if (edit.autoLink) AutoLinkWall(b, edit, d, run);
}

void DeleteWallRun(Building& b, const EditRequest& edit) {
  const Dir d = edit.direction();
  const Run run = RunOf(edit, d);
  ForEachLayer(edit.layers, [&](MemberLayer layer) {
    for (int k = run.first; k <= run.last; ++k) ClearWallSlot(OnLine(b, d, edit.rect, k, edit.storey), layer, d);
  });
}

// Empties every member that lies wholly within the rectangle; members reaching out stay.
void GroupDeleteWalls(Building& b, const EditRequest& edit) {
  const GridRect& r = edit.rect;
  ForEachLayer(edit.layers, [&](MemberLayer layer) {
    for (const Dir d : kDirs) {
      const Run run = RunOf(edit, d);
      const Dir across = Other(d);
      for (int line = r.First(across); line <= r.Last(across); ++line) {
        const GridPos onLine = r.Low().At(across, line);
        auto at = [&](int k) -> GridPoint& { return b.Point(onLine.At(d, k), edit.storey); };
        for (int k = run.first; k <= run.last; ++k) {
          const WallSeg& seg = WallSlot(at(k), layer, d);
          const bool starts = seg.Kind != 0 && (seg.RunPos == 0 || seg.RunPos == 1);
          if (!starts || seg.RunStart < run.first || seg.RunStart > run.last || seg.RunEnd > run.last) continue;
          const int first = seg.RunStart;
          const int last = seg.RunEnd;
          for (int m = first; m <= last; ++m) ClearWallSlot(at(m), layer, d);
        }
      }
    }
  });
}

void SplitSheathingIn(Building& b, const GridRect& r, int level) {
  ForEachPoint(r, [&](GridPos at) {
    if (b.Point(at, level).hasColumn()) b.SplitSheathingAtColumn(at, level);
  });
}

void ApplyWall(Building& b, const EditRequest& edit) {
  switch (edit.editMode) {
    case EditMode::Place:
      PlaceWall(b, edit);
      break;
    case EditMode::Delete:
      DeleteWallRun(b, edit);
      break;
    default:
      GroupDeleteWalls(b, edit);
  }
  SplitSheathingIn(b, edit.rect, edit.storey);
}

}  // namespace

void ApplyEdit(Building& building, const EditRequest& edit) {
  switch (edit.category) {
    case Category::Floor:
      ApplyFloor(building, edit);
      break;
    case Category::Wall:
      ApplyWall(building, edit);
      break;
    case Category::Column:
      ApplyColumn(building, edit);
      break;
    case Category::Beam:
      ApplyBeam(building, edit);
      break;
  }
}

}  // namespace tvk
