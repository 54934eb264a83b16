#include "editor/plan_update.h"

#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "model/building.h"

namespace tvk {

namespace {

int OtherStoreyLevel(int storey) { return storey == 1 ? 2 : 1; }

// Point of a line at `along` index: line runs along d through the rectangle's corner.
GridPoint& OnLine(Building& b, int d, const GridRect& r, int along, int level) {
  return d == kDirX ? b.Point(along, r.y1, level) : b.Point(r.x1, along, level);
}

// Unit segments x1 .. x2-1 (or y1 .. y2-1) of the run along d.
struct Run {
  int first;
  int last;
};
Run RunOf(const EditRequest& edit, int d) {
  return d == kDirX ? Run{edit.rect.x1, edit.rect.x2 - 1} : Run{edit.rect.y1, edit.rect.y2 - 1};
}

template <typename F>
void ForEachPoint(const GridRect& r, F&& f) {
  for (int j = r.y1; j <= r.y2; ++j) {
    for (int i = r.x1; i <= r.x2; ++i) f(i, j);
  }
}

// ---- floors -----------------------------------------------------------------

void ApplyFloor(Building& b, const EditRequest& edit) {
  const int kind = edit.editMode == kModePlace ? edit.subKind : kFloorNone;
  for (int j = edit.rect.y1; j < edit.rect.y2; ++j) {
    for (int i = edit.rect.x1; i < edit.rect.x2; ++i) b.Point(i, j, edit.storey).FloorKind = kind;
  }
}

// ---- columns ----------------------------------------------------------------

void PlaceColumn(Building& b, int i, int j, int storey, int kind) {
  ColumnRec& own = b.Point(i, j, storey).Column;
  ColumnRec& other = b.Point(i, j, OtherStoreyLevel(storey)).Column;
  if (kind != kColThrough && own.ColKind == kColThrough) {
    // The through-column is replaced: the other storey keeps a column of its own.
    other.ColKind = kColStorey;
    other.Through = 0;
  }
  own.ColKind = kind;
  own.Through = 0;
  b.SplitSheathingAtColumn(i, j, storey);
  if (kind == kColThrough) {
    own.Through = 1;
    other.ColKind = kColThrough;
    other.Through = 1;
    // The column stands on the other storey as well and divides its panels there too.
    b.SplitSheathingAtColumn(i, j, OtherStoreyLevel(storey));
  }
}

void DeleteColumn(Building& b, int i, int j, int storey) {
  ColumnRec& own = b.Point(i, j, storey).Column;
  if (own.ColKind == kColThrough) {
    ColumnRec& other = b.Point(i, j, OtherStoreyLevel(storey)).Column;
    other.ColKind = kColNone;
    other.Through = 0;
  }
  own.ColKind = kColNone;
  own.Through = 0;
  own.Corner = 0;
}

void ApplyColumn(Building& b, const EditRequest& edit) {
  const GridRect& r = edit.rect;
  switch (edit.editMode) {
    case kModePlace:
      PlaceColumn(b, r.x1, r.y1, edit.storey, edit.subKind);
      break;
    case kModeDelete:
      DeleteColumn(b, r.x1, r.y1, edit.storey);
      break;
    default:
      ForEachPoint(r, [&](int i, int j) { DeleteColumn(b, i, j, edit.storey); });
  }
}

// ---- beams ------------------------------------------------------------------

// The beams of the four unit segments that meet at (i, j).
void ClearBeamsAt(Building& b, int i, int j, int level) {
  GridPoint& p = b.Point(i, j, level);
  p.beam(kDirX) = BeamSeg{};
  p.beam(kDirY) = BeamSeg{};
  if (i > 1) b.Point(i - 1, j, level).beam(kDirX) = BeamSeg{};
  if (j > 1) b.Point(i, j - 1, level).beam(kDirY) = BeamSeg{};
}

void ApplyBeam(Building& b, const EditRequest& edit) {
  const int level = edit.storey + 1;
  if (edit.editMode == kModeGroupDelete) {
    ForEachPoint(edit.rect, [&](int i, int j) { ClearBeamsAt(b, i, j, level); });
    return;
  }
  const int d = edit.direction();
  const Run run = RunOf(edit, d);
  const BeamSeg beam = edit.editMode == kModePlace ? BeamSeg{edit.subKind, 0} : BeamSeg{};
  for (int k = run.first; k <= run.last; ++k) OnLine(b, d, edit.rect, k, level).beam(d) = beam;
}

// ---- bearing walls ----------------------------------------------------------

template <typename F>
void ForEachLayer(int layers, F&& f) {
  if (layers & kLayerBrace) f(MemberLayer::Brace);
  if (layers & kLayerSheathing) f(MemberLayer::Sheathing);
}

WallSeg& Slot(GridPoint& p, MemberLayer layer, int d) {
  return layer == MemberLayer::Brace ? p.brace(d) : p.sheathing(d);
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
void AutoLinkWall(Building& b, const EditRequest& edit, int d, const Run& run) {
  const int s = edit.storey;
  for (const int end : {run.first, run.last + 1}) {
    ColumnRec& column = OnLine(b, d, edit.rect, end, s).Column;
    if (column.ColKind == kColNone) column.ColKind = kColStorey;
  }
  for (int k = run.first; k <= run.last; ++k) {
    for (const int level : {s, s + 1}) OnLine(b, d, edit.rect, k, level).beam(d) = BeamSeg{1, 1};
  }
}

void PlaceWall(Building& b, const EditRequest& edit) {
  const int d = edit.direction();
  const Run run = RunOf(edit, d);
  if (run.last < run.first) return;  // zero-length run
  ForEachLayer(edit.layers, [&](MemberLayer layer) {
    for (int k = run.first; k <= run.last; ++k) {
      Slot(OnLine(b, d, edit.rect, k, edit.storey), layer, d) = PlacedSegment(b, edit, run, k);
    }
  });
  if (edit.autoLink) AutoLinkWall(b, edit, d, run);
}

void DeleteWallRun(Building& b, const EditRequest& edit) {
  const int d = edit.direction();
  const Run run = RunOf(edit, d);
  ForEachLayer(edit.layers, [&](MemberLayer layer) {
    for (int k = run.first; k <= run.last; ++k) Slot(OnLine(b, d, edit.rect, k, edit.storey), layer, d) = WallSeg{};
  });
}

// Empties every member that lies wholly within the rectangle; members reaching out stay.
void GroupDeleteWalls(Building& b, const EditRequest& edit) {
  const GridRect& r = edit.rect;
  ForEachLayer(edit.layers, [&](MemberLayer layer) {
    for (int d = kDirX; d <= kDirY; ++d) {
      const Run run = RunOf(edit, d);
      const int lineFirst = d == kDirX ? r.y1 : r.x1;
      const int lineLast = d == kDirX ? r.y2 : r.x2;
      for (int line = lineFirst; line <= lineLast; ++line) {
        auto at = [&](int k) -> WallSeg& {
          return Slot(d == kDirX ? b.Point(k, line, edit.storey) : b.Point(line, k, edit.storey), layer, d);
        };
        for (int k = run.first; k <= run.last; ++k) {
          const WallSeg& seg = at(k);
          const bool starts = seg.Kind != 0 && (seg.RunPos == 0 || seg.RunPos == 1);
          if (!starts || seg.RunStart < run.first || seg.RunStart > run.last || seg.RunEnd > run.last) continue;
          const int first = seg.RunStart;
          const int last = seg.RunEnd;
          for (int m = first; m <= last; ++m) at(m) = WallSeg{};
        }
      }
    }
  });
}

void SplitSheathingIn(Building& b, const GridRect& r, int level) {
  ForEachPoint(r, [&](int i, int j) {
    if (b.Point(i, j, level).hasColumn()) b.SplitSheathingAtColumn(i, j, level);
  });
}

void ApplyWall(Building& b, const EditRequest& edit) {
  switch (edit.editMode) {
    case kModePlace:
      PlaceWall(b, edit);
      break;
    case kModeDelete:
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
    case kCatFloor:
      ApplyFloor(building, edit);
      break;
    case kCatWall:
      ApplyWall(building, edit);
      break;
    case kCatColumn:
      ApplyColumn(building, edit);
      break;
    case kCatBeam:
      ApplyBeam(building, edit);
      break;
    default:
      break;
  }
}

}  // namespace tvk
