#pragma once
// Changing the grid size of an open building: the grid-size dialog's comparison and the
// rebuild of the point table that keeps what lies inside the new bounds.

#include <array>

namespace tvk {

class Building;

// What the grid-size dialog holds: grid counts along X and Y (1 .. 30) and the grid
// length in millimetres.
struct GridSizeChoice {
  int gridsX = 0;
  int gridsY = 0;
  int pitchMm = 0;

  bool operator==(const GridSizeChoice&) const = default;
};

inline constexpr std::array<int, 5> kGridLengthsMm = {900, 909, 910, 980, 1000};
inline constexpr const char* kGridSizeQuestion = "データ入力グリッドサイズを変更します。";

// The dialog's preset: the current grid counts and length.
GridSizeChoice CurrentGridSize(const Building& building);
// OK without a change closes the dialog as cancelled.
bool SameGridSize(const Building& building, const GridSizeChoice& choice);

// Stores the new size and rebuilds every grid array, keeping the points inside the new
// bounds. Members that would leave the grid across the new last lines are cut there, and a
// cut wall keeps correct extents.
// Throws std::invalid_argument for counts outside 1 .. 30, a length that is not positive
// or a building without divisions.
void ResizeGrid(Building& building, const GridSizeChoice& choice);

// What follows a confirmed change: point coordinates and floor outlines recomputed (the
// grid line names are generated afresh by the caller).
void AfterGridResize(Building& building);

}  // namespace tvk
