#pragma once
// Pull-out of storey-2 columns that have no storey-1 column below, passed down through beams.

#include <array>

namespace tvk {

class Building;
class BeamIndex;
class CalcResults;

// Writes every beam segment's run position (0 single, 1 first, 2 middle, 3 last) into
// AutoFlag. Runs are cut at the columns of the storey below the beams and at gaps.
void RefreshBeamRuns(Building& building);

// Pull-out reaching the storey-s column at (i, j) along d from each side: {side 1, side 2}.
std::array<float, 2> ColNukeNCollect(const Building& building, const CalcResults& results, int d, int i, int j, int s);

// Orthogonal-beam transmission of the storey-s column at (i, j) in direction d. The first
// form indexes the beams of level s for this one call; CalcAllN builds the index once per
// run and uses the second.
void CrossGTransmit(const Building& building, CalcResults& results, int d, int i, int j, int s);
void CrossGTransmit(const Building& building, CalcResults& results, const BeamIndex& beams, int d, int i, int j, int s);

// One contributor of ColNukeNCollect: the storey-(s+1) column (i, j) and its span inverse ratio.
struct NSource {
  bool found = false;
  int i = 0;
  int j = 0;
  float ratio = 0;
};

// The first storey-(s+1) column that contributes (ratio > 0) to the storey-s column at
// (i, j) from side (1 = lower indices, 2 = higher) along d, searching beyond (fromI, fromJ);
// (0, 0) starts at the column itself. To list every contributor, call again with the
// previous answer as (fromI, fromJ) until found is false. A from point that does not lie
// beyond the column on that side ends the list.
NSource ColNukeNSource(const Building& building, int side, int d, int i, int j, int s, int fromI, int fromJ);

}  // namespace tvk
