#pragma once
// The one building being worked on, as the project file keeps it: outline, per-project
// settings, the point table with its coordinates. One object, passed by reference. Nothing
// else lives here: the document beside it holds the file state, the undo and the
// calculation's results (editor/document.h).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/grid_point.h"
#include "model/grid_shape.h"

namespace tvk {

struct DefaultSettings;

inline constexpr const char* kProgramTitle = "VOLN-TVK /軸組Ｎ値算定";
inline constexpr const char* kProductCode = "VOLN-TVK";

constexpr int kMaxStoreys = 2;
constexpr int kMaxLevels = kMaxStoreys + 1;
constexpr int kMaxDivisions = 4;
constexpr int kMaxGrids = 30;
constexpr int kMaxSpans = kMaxGrids * kMaxDivisions;  // 120
// Grid lengths in millimetres the new-data and grid size dialogs take and a project file
// may hold: what the grid size dialog's "#0" box can show, so a building never gets a
// length it cannot edit.
constexpr int kMinGridLengthMm = 1;
constexpr int kMaxGridLengthMm = 9999;

struct FileHeader {
  std::string VersionText;
  std::string ProductCode;
  int32_t HeaderSpare = 0;

  bool operator==(const FileHeader&) const = default;
};

struct BuildingInfo {
  std::string BuildingName;
  std::string OfficeName;
  std::string PersonName;
  int32_t HideOfficeOnCover = 0;
  int32_t HideDateOnCover = 0;
  int32_t StoreyCount = 0;
  std::array<int32_t, 4> LevelHeight{};
  int32_t GridSpansX = 0;
  int32_t GridSpansY = 0;
  int32_t GridDivisions = 0;
  float GridPitch = 0;
  std::array<int32_t, 40> ReservedLongs{};
  std::array<std::string, 20> ReservedTexts;

  bool operator==(const BuildingInfo&) const = default;
};

struct CalcSettings {
  std::vector<std::string> LineNamesX;  // element k-1 names X line k
  std::vector<std::string> LineNamesY;
  int32_t LineStyleX = 1;
  int32_t LineStyleY = 1;
  int32_t LineStartX = 1;
  int32_t LineStartY = 1;
  int32_t LineReverseX = 0;
  int32_t LineReverseY = 0;
  int32_t AutoHardwareOnReport = 1;
  int32_t DoublePullHD = 1;
  std::array<int32_t, 18> Reserved1{};
  int32_t LMethod = 0;
  int32_t IgnoreCrossBeam = 0;
  int32_t NoCrossBeamWarning = 0;
  int32_t NoTransmitMissingColumn = 0;
  int32_t Match1FTo2F = 0;
  float MaxWallMultiplier = 5.0f;
  float SheathingAdjust = 0;
  std::array<int32_t, 54> Reserved2{};
  std::array<std::string, 30> ReservedTexts;

  bool operator==(const CalcSettings&) const = default;
};

struct SpareEntry {
  std::string Text;
  int32_t Value = 0;

  bool operator==(const SpareEntry&) const = default;
};

// Layers that MemberExtent can walk.
enum class MemberLayer { Brace, Sheathing, Beam, Quasi };

// The wall slot of a wall layer (Brace, Sheathing or Quasi; Beam is not a wall layer).
WallSeg& WallSlot(GridPoint& p, MemberLayer layer, Dir d);
const WallSeg& WallSlot(const GridPoint& p, MemberLayer layer, Dir d);
// Empties a wall slot, the partly sheathed wall's heights included.
void ClearWallSlot(GridPoint& p, MemberLayer layer, Dir d);

struct MemberSpan {
  int first = 0;
  int last = 0;
  float length = 0;  // metres; 0 when the segment holds no member
};

class Building {
 public:
  Building();

  // ---- persistent model -------------------------------------------------
  FileHeader Header;
  BuildingInfo Info;
  CalcSettings Settings;
  std::array<SpareEntry, 10> SpareBlock;

  // ---- derived grid values (working copies, refreshed by DeriveGridValues) --
  int SpansX() const { return spansX_; }
  int SpansY() const { return spansY_; }
  int Storeys() const { return storeys_; }
  int Divisions() const { return divisions_; }
  int Levels() const { return storeys_ + 1; }
  int PointsX() const { return spansX_ + 1; }
  int PointsY() const { return spansY_ + 1; }
  float SubPitch() const { return subPitch_; }
  float SecondStep() const { return secondStep_; }
  // Spans along direction d.
  int Spans(Dir d) const { return d == Dir::X ? spansX_ : spansY_; }
  // Grid lines across direction d: the points along the other direction.
  int LinesAcross(Dir d) const { return d == Dir::X ? PointsY() : PointsX(); }
  // The extent of the point table.
  GridShape Shape() const { return GridShape{spansX_ + 1, spansY_ + 1, storeys_ + 1}; }

  // ---- point data, 1-based (i, j, level); out-of-range indices throw --------
  bool Contains(GridPos p, int level) const { return Shape().Contains(p.i, p.j, level); }
  GridPoint& Point(GridPos p, int level) { return points_[Shape().Slot(p.i, p.j, level)]; }
  const GridPoint& Point(GridPos p, int level) const { return points_[Shape().Slot(p.i, p.j, level)]; }
  GridPoint& Point(int i, int j, int level) { return Point(GridPos{i, j}, level); }
  const GridPoint& Point(int i, int j, int level) const { return Point(GridPos{i, j}, level); }
  const PointCoord& Coord(GridPos p, int level) const { return coords_[Shape().Slot(p.i, p.j, level)]; }
  PointCoord& Coord(int i, int j, int level) { return coords_[Shape().Slot(i, j, level)]; }
  const PointCoord& Coord(int i, int j, int level) const { return Coord(GridPos{i, j}, level); }

  // Whole arrays in file order (i fastest, then j, then level); their sizes follow the
  // outline (AllocateModel).
  std::span<GridPoint> Points() { return points_; }
  std::span<const GridPoint> Points() const { return points_; }
  std::span<PointCoord> Coords() { return coords_; }
  std::span<const PointCoord> Coords() const { return coords_; }

  // Grid line names, 1-based.
  const std::string& LineNameX(int i) const;
  const std::string& LineNameY(int j) const;

  // ---- operations ---------------------------------------------------------
  // Outline and settings of a new building before the new-data dialog fills them.
  void ResetForNewBuilding(const DefaultSettings& defaults);
  void DeriveGridValues();
  // Re-creates every grid array, empty, with the bounds of the current outline.
  void AllocateModel();
  void FillCoordinates();
  void CreateModelArrays();
  void UpdateFloorEdges(int level);
  // The member of a layer on the segment along d that starts at p: its first and last
  // segment (indices along d) and its length.
  MemberSpan MemberExtent(MemberLayer layer, int level, Dir d, GridPos p) const;
  // A column at p divides the sheathed panels that run through it.
  void SplitSheathingAtColumn(GridPos p, int level);
  // Rewrites RunStart and RunEnd of every segment of the wall member through the
  // segment at p along d from the member's run positions.
  void RefreshRunExtent(MemberLayer layer, int level, Dir d, GridPos p);

  // Plan distance in metres between two points of one level.
  float Distance(GridPos a, GridPos b, int level) const;

 private:
  int spansX_ = 0;
  int spansY_ = 0;
  int storeys_ = 0;
  int divisions_ = 0;
  float subPitch_ = 0;
  float secondStep_ = 0;
  std::vector<GridPoint> points_;
  std::vector<PointCoord> coords_;
};

}  // namespace tvk
