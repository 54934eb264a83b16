#pragma once
// How the engine reads member codes. A code outside its table (a brace size 9, a
// sheathing kind 99, a column kind 7, a floor kind 5) never indexes a table: it counts
// as an empty slot, so a damaged file cannot steer the calculation.

#include "model/grid_point.h"

namespace tvk {

constexpr int kBraceSizes = 4;       // 15x90, 30x90, 45x90, 90x90
constexpr int kSheathingKinds = 10;  // 0.5 .. 5.0

inline bool HasBrace(const WallSeg& seg) { return seg.Kind >= 1 && seg.Kind <= kBraceSizes; }
inline bool HasSheathing(const WallSeg& seg) { return seg.Kind >= 1 && seg.Kind <= kSheathingKinds; }
inline bool HasColumnAt(const GridPoint& p) {
  return p.Column.ColKind == ColumnKind::Storey || p.Column.ColKind == ColumnKind::Through;
}
inline bool HasBeam(const BeamSeg& seg) { return seg.BeamKind >= 1; }
inline bool HasFloorCell(const GridPoint& p) {
  return p.FloorKind == FloorCell::Slab || p.FloorKind == FloorCell::Void;
}
// A brace or a sheathed wall on the segment along d that starts at p.
inline bool HasWall(const GridPoint& p, Dir d) { return HasBrace(p.brace(d)) || HasSheathing(p.sheathing(d)); }

inline float BraceMultiplier(const WallSeg& seg) { return HasBrace(seg) ? seg.Multiplier : 0.0f; }
inline float SheathingMultiplier(const WallSeg& seg) { return HasSheathing(seg) ? seg.Multiplier : 0.0f; }

}  // namespace tvk
