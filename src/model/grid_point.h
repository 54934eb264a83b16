#pragma once
// The records stored at every grid point of every level.

#include <array>
#include <cstdint>
#include <string>

namespace tvk {

// Directions: 1 = X (first grid index), 2 = Y (second grid index).
constexpr int kDirX = 1;
constexpr int kDirY = 2;

// Wall member kind keys stored in WallSeg::KindKey.
inline constexpr const char* kKeyKesa = "Kesa";
inline constexpr const char* kKeyTasuki = "Tasuki";
inline constexpr const char* kKeyMenzai = "Menzai";

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

// Column kinds.
constexpr int32_t kColNone = 0;
constexpr int32_t kColStorey = 1;   // 管柱
constexpr int32_t kColThrough = 2;  // 通し柱

struct ColumnRec {
  int32_t ColKind = 0;
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

// Floor cell kinds.
constexpr int32_t kFloorNone = 0;
constexpr int32_t kFloorSlab = 1;  // 床
constexpr int32_t kFloorVoid = 2;  // 吹き抜け

struct GridPoint {
  std::array<WallSeg, 2> Brace;      // [d-1]
  std::array<WallSeg, 2> Sheathing;  // [d-1]
  ColumnRec Column;
  std::array<BeamSeg, 2> Beam;  // [d-1]
  int32_t FloorKind = 0;
  std::array<int32_t, 2> FloorEdge{};  // [d-1]

  WallSeg& brace(int d) { return Brace[static_cast<size_t>(d - 1)]; }
  const WallSeg& brace(int d) const { return Brace[static_cast<size_t>(d - 1)]; }
  WallSeg& sheathing(int d) { return Sheathing[static_cast<size_t>(d - 1)]; }
  const WallSeg& sheathing(int d) const { return Sheathing[static_cast<size_t>(d - 1)]; }
  BeamSeg& beam(int d) { return Beam[static_cast<size_t>(d - 1)]; }
  const BeamSeg& beam(int d) const { return Beam[static_cast<size_t>(d - 1)]; }
  bool hasColumn() const { return Column.ColKind != 0; }

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
