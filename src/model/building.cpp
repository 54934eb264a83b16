#include "model/building.h"

#include <climits>
#include <cmath>
#include <stdexcept>

#include "model/default_settings.h"
#include "model/profile_store.h"

namespace tvk {

Building::Building() = default;

void GridShape::ThrowOutside(int i, int j, int level) {
  throw std::out_of_range("grid index (" + std::to_string(i) + ", " + std::to_string(j) + ", " + std::to_string(level) +
                          ") outside the grid");
}

const std::string& Building::LineNameX(int i) const { return Settings.LineNamesX.at(static_cast<size_t>(i - 1)); }

const std::string& Building::LineNameY(int j) const { return Settings.LineNamesY.at(static_cast<size_t>(j - 1)); }

void Building::ResetForNewBuilding(const DefaultSettings& defaults) {
  Info.StoreyCount = 2;
  Info.GridDivisions = 2;
  Info.GridPitch = 0.91f;
  Info.GridSpansX = 2 * 10;
  Info.GridSpansY = 2 * 10;
  DeriveGridValues();
  Settings.LineStyleX = defaults.DefLineStyleX;
  Settings.LineStyleY = defaults.DefLineStyleY;
  Settings.LineStartX = defaults.DefLineStartX;
  Settings.LineStartY = defaults.DefLineStartY;
  Settings.LineReverseX = defaults.DefLineReverseX;
  Settings.LineReverseY = defaults.DefLineReverseY;
  Settings.LMethod = defaults.DefLMethod;
  Settings.IgnoreCrossBeam = defaults.DefIgnoreCrossBeam;
  Settings.NoCrossBeamWarning = defaults.DefNoCrossBeamWarning;
  Settings.NoTransmitMissingColumn = defaults.DefNoTransmitMissingColumn;
  Settings.AutoHardwareOnReport = 1;
  Settings.DoublePullHD = 1;
}

void Building::DeriveGridValues() {
  spansX_ = Info.GridSpansX;
  spansY_ = Info.GridSpansY;
  storeys_ = Info.StoreyCount;
  divisions_ = Info.GridDivisions;
  subPitch_ = divisions_ > 0 ? Info.GridPitch / static_cast<float>(divisions_) : 0.0f;
  secondStep_ = divisions_ > 0 ? subPitch_ / static_cast<float>(divisions_) : 0.0f;
}

void Building::AllocateModel() {
  DeriveGridValues();
  const size_t count = Shape().Count();
  points_.assign(count, GridPoint{});
  coords_.assign(count, PointCoord{});
  Settings.LineNamesX.assign(static_cast<size_t>(PointsX()), std::string());
  Settings.LineNamesY.assign(static_cast<size_t>(PointsY()), std::string());
}

void Building::FillCoordinates() {
  for (int k = 1; k <= Levels(); ++k) {
    const float z = LevelElevation(Info, k);
    for (int j = 1; j <= PointsY(); ++j) {
      for (int i = 1; i <= PointsX(); ++i) {
        Coord(i, j, k) = PointCoord{static_cast<float>(i - 1) * subPitch_, static_cast<float>(j - 1) * subPitch_, z};
      }
    }
  }
}

void Building::CreateModelArrays() {
  AllocateModel();
  FillCoordinates();
}

void Building::UpdateFloorEdges(int level) {
  for (GridPoint& p : Points().subspan(Shape().Slot(1, 1, level), static_cast<size_t>(PointsX() * PointsY()))) {
    p.FloorEdge = {};
  }
  // Any code but none marks a cell; the outline starts only at positive ones.
  auto code = [&](int ci, int cj) { return static_cast<int32_t>(Point(ci, cj, level).FloorKind); };
  auto isFloor = [&](int ci, int cj) {
    return ci >= 1 && cj >= 1 && ci <= spansX_ && cj <= spansY_ && code(ci, cj) != 0;
  };
  for (int j = 1; j <= spansY_; ++j) {
    for (int i = 1; i <= spansX_; ++i) {
      if (code(i, j) <= 0) continue;
      if (!isFloor(i + 1, j)) Point(i + 1, j, level).FloorEdge[Dir::Y] = 1;
      if (!isFloor(i, j + 1)) Point(i, j + 1, level).FloorEdge[Dir::X] = 1;
      if (!isFloor(i - 1, j)) Point(i, j, level).FloorEdge[Dir::Y] = 1;
      if (!isFloor(i, j - 1)) Point(i, j, level).FloorEdge[Dir::X] = 1;
    }
  }
}

namespace {

// Kind and run-position code of the segment along d that starts at a point.
struct SegCode {
  int32_t kind;
  int32_t pos;
};

// Run-position codes are read as absolute values; a file may hold any 32-bit number.
int32_t PositionCode(int32_t code) { return code == INT32_MIN ? INT32_MAX : (code < 0 ? -code : code); }

SegCode ReadSeg(const GridPoint& p, MemberLayer layer, Dir d) {
  switch (layer) {
    case MemberLayer::Brace:
      return {p.brace(d).Kind, p.brace(d).RunPos};
    case MemberLayer::Sheathing:
      return {p.sheathing(d).Kind, p.sheathing(d).RunPos};
    case MemberLayer::Beam:
      return {p.beam(d).BeamKind, p.beam(d).AutoFlag};
    case MemberLayer::Quasi:
      return {p.quasi(d).Kind, p.quasi(d).RunPos};
  }
  return {0, 0};
}

template <class Point>
auto& WallSlotOf(Point& p, MemberLayer layer, Dir d) {
  switch (layer) {
    case MemberLayer::Sheathing:
      return p.Sheathing[d];
    case MemberLayer::Quasi:
      return static_cast<decltype(p.Brace[d])>(p.Quasi[d]);
    default:
      return p.Brace[d];
  }
}

}  // namespace

WallSeg& WallSlot(GridPoint& p, MemberLayer layer, Dir d) { return WallSlotOf(p, layer, d); }

const WallSeg& WallSlot(const GridPoint& p, MemberLayer layer, Dir d) { return WallSlotOf(p, layer, d); }

void ClearWallSlot(GridPoint& p, MemberLayer layer, Dir d) {
  if (layer == MemberLayer::Quasi) {
    p.quasi(d) = QuasiSeg{};
  } else {
    WallSlot(p, layer, d) = WallSeg{};
  }
}

MemberSpan Building::MemberExtent(MemberLayer layer, int level, Dir d, GridPos at) const {
  MemberSpan span;
  const SegCode own = ReadSeg(Point(at, level), layer, d);
  if (own.kind == 0) return span;
  const int pos = PositionCode(own.pos);
  const int self = at.Along(d);
  span.first = span.last = self;
  if (pos == 0) {
    span.length = subPitch_;
    return span;
  }
  auto codeAt = [&](int k) { return PositionCode(ReadSeg(Point(at.At(d, k), level), layer, d).pos); };
  if (pos == 1 || pos == 2) {
    for (int k = self + 1; k <= Spans(d); ++k) {
      if (codeAt(k) == 3) {
        span.last = k;
        break;
      }
    }
  }
  if (pos == 2 || pos == 3) {
    for (int k = self - 1; k >= 1; --k) {
      if (codeAt(k) == 1) {
        span.first = k;
        break;
      }
    }
  }
  span.length = Distance(at.At(d, span.first), at.At(d, span.last + 1), level);
  return span;
}

float Building::Distance(GridPos from, GridPos to, int level) const {
  const PointCoord& a = Coord(from, level);
  const PointCoord& b = Coord(to, level);
  const double dx = static_cast<double>(b.x) - a.x;
  const double dy = static_cast<double>(b.y) - a.y;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

void Building::SplitSheathingAtColumn(GridPos at, int level) {
  for (const Dir d : kDirs) {
    const int self = at.Along(d);
    // Segment arriving at the point: the panel now ends here.
    if (self > 1) {
      const GridPos before = at.Step(d, -1);
      WallSeg& seg = Point(before, level).sheathing(d);
      if (seg.Kind != 0) {
        if (seg.RunPos == 1) seg.RunPos = 0;
        if (seg.RunPos == 2) seg.RunPos = 3;
        seg.RunEnd = self - 1;
        RefreshRunExtent(MemberLayer::Sheathing, level, d, before);
      }
    }
    // Segment leaving the point: the panel now starts here.
    if (self <= Spans(d)) {
      WallSeg& seg = Point(at, level).sheathing(d);
      if (seg.Kind != 0) {
        if (seg.RunPos == 2) seg.RunPos = 1;
        if (seg.RunPos == 3) seg.RunPos = 0;
        seg.RunStart = self;
        RefreshRunExtent(MemberLayer::Sheathing, level, d, at);
      }
    }
  }
}

void Building::RefreshRunExtent(MemberLayer layer, int level, Dir d, GridPos at) {
  const MemberSpan span = MemberExtent(layer, level, d, at);
  if (span.length <= 0 && span.first == 0) return;
  for (int k = span.first; k <= span.last; ++k) {
    WallSeg& seg = WallSlot(Point(at.At(d, k), level), layer, d);
    seg.RunStart = span.first;
    seg.RunEnd = span.last;
  }
}

}  // namespace tvk
