#pragma once
// The 2025 checks as the plan shows them while it is edited, for the storey being edited:
// its wall quantity and quarter strips (the read-out beside the eccentricity panel, the
// strips on the plan) and, for the plan's tributary overlay, its column size with where
// each column's area lies. They are the checks the report and "calc" run on the building's
// profile; the document keeps them (Document::liveChecks, Document::liveColumns).

#include <vector>

#include "engine/column_size.h"
#include "engine/profile_checks.h"
#include "engine/tributary_regions.h"

namespace tvk {

// One storey's part of the checks of the walls, and the partly sheathed walls of the whole
// building (judged together: one's side walls may be another's); refers into them.
struct LiveChecks {
  const StoreyPlan& plan;
  const WallQuantityStorey& wallQuantity;
  const QuarterStorey& quarters;
  const QuasiWalls& quasi;
};

// Storey s of checks made by RunWallChecks; nullopt when they have no such storey.
std::optional<LiveChecks> LiveChecksOf(const ProfileChecks& checks, int storey);

struct LiveColumns {
  int storey = 0;
  std::optional<ColumnStorey> figures;    // the storey's outer and inner allowances
  std::vector<ColumnSizeColumn> columns;  // in the order of regions.columns
  TributaryRegions regions;
  MissingFields missing;  // what the judgement of the columns lacks
};

// The column size of one storey on the profile and loads of the wall checks (RunWallChecks
// of the same building), and where each of its columns' areas lies.
LiveColumns RunLiveColumns(const Building& building, const ProfileChecks& wallChecks, int storey);

}  // namespace tvk
