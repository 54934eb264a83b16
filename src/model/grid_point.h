#pragma once
// The records stored at every grid point of every level.

#include <array>
#include <cstdint>
#include <string>

#include "model/grid_types.h"

namespace tvk {

// Wall member kind keys stored in WallSeg::KindKey.
inline constexpr const char* kKeyKesa = "Kesa";
inline constexpr const char* kKeyTasuki = "Tasuki";
inline constexpr const char* kKeyMenzai = "Menzai";
// Kind keys of the partly sheathed walls (準耐力壁等), kept in QuasiSeg::KindKey.
inline constexpr const char* kKeyJuntai = "Juntai";        // 準耐力壁
inline constexpr const char* kKeyTarekoshi = "Tarekoshi";  // 垂れ壁・腰壁

// One unit segment of a bearing-wall member (brace or sheathing layer).
struct WallSeg {
  int32_t Kind = 0;      // 0 empty; brace size 1..4 or sheathing entry 1..10
  int32_t RunStart = 0;  // index of the member's first unit segment
  int32_t RunEnd = 0;    // index of the member's last unit segment
  std::string KindKey;   // "Kesa", "Tasuki", "Menzai"
  int32_t Slope = 0;     // Kesa 1/2, Tasuki 3, Menzai 4
  int32_t RunPos = 0;    // 0 single, 1 first, 2 middle, 3 last
  float Multiplier = 0;  // wall multiplier of the member

  bool operator==(const WallSeg&) const = default;
};

// One unit segment of a partly sheathed wall (準耐力壁等): a sheathed wall that is not a
// bearing wall. Its run fields follow the bearing walls; Kind is the board (quasi_boards.h),
// KindKey says 準耐力壁 or 垂れ壁・腰壁, Multiplier is the board's bearing-wall multiplier m0
// and Slope is 0. The project file keeps this layer in a block of its own after the last
// record (quasi_block.h).
struct QuasiSeg : WallSeg {
  int32_t TopMm = 0;     // 準耐力壁: the sheathed height; 垂れ壁・腰壁: the 垂れ壁 height (mm)
  int32_t BottomMm = 0;  // 垂れ壁・腰壁: the 腰壁 height (mm); 0 for a 準耐力壁

  bool operator==(const QuasiSeg&) const = default;
};

// Column kinds; the file keeps the number. A number outside the list (a damaged file) is
// kept as it is and counts as no column.
enum class ColumnKind : int32_t {
  None = 0,
  Storey = 1,   // 管柱
  Through = 2,  // 通し柱
};

struct ColumnRec {
  ColumnKind ColKind = ColumnKind::None;
  int32_t Through = 0;
  int32_t Corner = 0;  // exterior corner, written by the engine
  std::string NeedGrade;
  std::string TopHardware;
  std::string BottomHardware;

  bool operator==(const ColumnRec&) const = default;
};

struct BeamSeg {
  int32_t BeamKind = 0;
  int32_t AutoFlag = 0;  // wall auto-link mark; the engine rewrites it with run positions

  bool operator==(const BeamSeg&) const = default;
};

// Floor cell kinds (the cell whose lowest corner is the point); the file keeps the number,
// kept as it is when it is outside the list.
enum class FloorCell : int32_t {
  None = 0,
  Slab = 1,  // 床
  Void = 2,  // 吹き抜け
};

struct GridPoint {
  // The members on the unit segment along each direction that starts at the point.
  PerDir<WallSeg> Brace;
  PerDir<WallSeg> Sheathing;
  ColumnRec Column;
  PerDir<BeamSeg> Beam;
  FloorCell FloorKind = FloorCell::None;
  PerDir<int32_t> FloorEdge;  // the floor outline runs along the segment
  PerDir<QuasiSeg> Quasi;     // partly sheathed wall beside (or instead of) a bearing wall

  WallSeg& brace(Dir d) { return Brace[d]; }
  const WallSeg& brace(Dir d) const { return Brace[d]; }
  WallSeg& sheathing(Dir d) { return Sheathing[d]; }
  const WallSeg& sheathing(Dir d) const { return Sheathing[d]; }
  BeamSeg& beam(Dir d) { return Beam[d]; }
  const BeamSeg& beam(Dir d) const { return Beam[d]; }
  QuasiSeg& quasi(Dir d) { return Quasi[d]; }
  const QuasiSeg& quasi(Dir d) const { return Quasi[d]; }
  bool hasColumn() const { return Column.ColKind != ColumnKind::None; }

  bool operator==(const GridPoint&) const = default;
};

// Plan coordinates of a grid point in metres.
struct PointCoord {
  float x = 0;
  float y = 0;
  float z = 0;

  bool operator==(const PointCoord&) const = default;
};

}  // namespace tvk
