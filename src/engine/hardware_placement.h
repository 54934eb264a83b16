#pragma once
// Placed joint hardware: automatic filling of open fields, the double-pull and
// storey-1-follows-storey-2 equalisations, and clearing.

#include <string_view>

#include "model/grid_types.h"

namespace tvk {

class Building;
class CalcResults;
struct ColumnResult;

// Fills the empty placed-hardware fields of the storey-s column at p with its grade (a
// through column only at its storey-1 bottom and storey-2 top), then applies the
// equalisations the project asks for.
void AutoSetKanamono(Building& building, const CalcResults& results, GridPos p, int s);
// The same with the column's grade symbol already worked out.
void AutoSetKanamono(Building& building, const CalcResults& results, GridPos p, int s, std::string_view symbol);
// Storey 1 of a two-storey building: when the storey-1 top and the storey-2 bottom are both
// hold-down class, the weaker takes the stronger's text.
void SetRyobiki(Building& building, GridPos p, int s);
// Storey 1 of a two-storey building: when the storey-2 N is larger, storey-1 hardware that is
// weaker than it is raised to the storey-2 grade.
void MatchLowerHardware(Building& building, const CalcResults& results, GridPos p, int s);
// Empties every placed-hardware text of every level (the caller asks the user first).
void ClearKanamono(Building& building);

// Governing N of the column at p on a level: the larger direction total.
float GoverningN(const CalcResults& results, GridPos p, int level);
// The same from the column's result record.
float GoverningN(const ColumnResult& result);

}  // namespace tvk
