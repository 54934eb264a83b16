#pragma once
// Pull-out of storey-2 columns that have no storey-1 column below, passed down through beams.

#include <array>
#include <optional>

#include "model/grid_types.h"

namespace tvk {

class Building;
class CalcResults;
class MarkedLevels;

// Writes every beam segment's run position (0 single, 1 first, 2 middle, 3 last) into
// AutoFlag. Runs are cut at the columns of the storey below the beams and at gaps.
void RefreshBeamRuns(Building& building);

// The two sides of a column along a direction.
enum class Side : uint8_t { Low, High };  // towards lower indices, towards higher
inline constexpr std::array<Side, 2> kSides = {Side::Low, Side::High};

// Pull-out reaching the storey-s column at p along d from each side: {low, high}. The
// first form reads the building; CalcAllN marks the levels once per run and uses the second
// (the column at p stands on the lower of the levels).
std::array<float, 2> ColNukeNCollect(const Building& building, const CalcResults& results, Dir d, GridPos p, int s);
std::array<float, 2> ColNukeNCollect(const MarkedLevels& levels, const CalcResults& results, Dir d, GridPos p);

// Orthogonal-beam transmission of the storey-s column at p in direction d. The first form
// reads the building and indexes the beams of level s for this one call; CalcAllN marks the
// levels once per run and uses the second (the column at p stands on the upper of the
// levels), which indexes the beams once, when a column first needs them.
void CrossGTransmit(const Building& building, CalcResults& results, Dir d, GridPos p, int s);
void CrossGTransmit(const MarkedLevels& levels, CalcResults& results, Dir d, GridPos p);

// One contributor of ColNukeNCollect: a storey-(s+1) column and its span inverse ratio.
struct NSource {
  bool found = false;
  GridPos at;
  float ratio = 0;
};

// The first storey-(s+1) column that contributes (ratio > 0) to the storey-s column at p
// from one side along d, searching beyond `after` (nothing: from the column itself). To
// list every contributor, call again with the previous answer's point until found is
// false. A point `after` that does not lie beyond the column on that side ends the list.
NSource ColNukeNSource(const Building& building, Side side, Dir d, GridPos p, int s,
                       std::optional<GridPos> after = std::nullopt);

}  // namespace tvk
