#pragma once
// Pull-out of storey-2 columns that have no storey-1 column below, passed down through beams.

#include <array>

namespace tvk {

class Building;

// Writes every beam segment's run position (0 single, 1 first, 2 middle, 3 last) into AutoFlag.
void RefreshBeamRuns(Building& building);

// Pull-out reaching the storey-s column at (i, j) along d from each side: {side 1, side 2}.
std::array<float, 2> ColNukeNCollect(const Building& building, int d, int i, int j, int s);

// Orthogonal-beam transmission of the storey-s column at (i, j) in direction d.
void CrossGTransmit(Building& building, int d, int i, int j, int s);

// One contributor of ColNukeNCollect: the storey-2 column (i, j) and its span inverse ratio.
struct NSource {
  bool found = false;
  int i = 0;
  int j = 0;
  float ratio = 0;
};

// The first storey-2 column contributing to the storey-s column at (i, j) from side
// (1 or 2) along d, searching beyond (fromI, fromJ); (0, 0) starts at the column itself.
NSource ColNukeNSource(const Building& building, int side, int d, int i, int j, int s, int fromI, int fromJ);

}  // namespace tvk
