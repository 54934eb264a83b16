#pragma once
// The program's commands on the document: each says what it does to the building and what
// it touches. A new command goes here (or beside the rules it applies) and is applied with
// Document::apply.

#include <string>

#include "editor/command.h"
#include "editor/edit_request.h"
#include "model/building.h"
#include "model/building_profile.h"
#include "model/grid_resize.h"

namespace tvk {

// A checked edit of the plan (placements and deletions): recorded for undo.
Command PlanEditCommand(const EditRequest& edit);

// "建物名称の変更": the three names and the two cover options.
struct OutlineTexts {
  std::string buildingName;
  std::string officeName;
  std::string personName;
  bool hideOfficeOnCover = false;
  bool hideDateOnCover = false;
};
Command OutlineCommand(const OutlineTexts& texts);

// The project's settings as a whole (the options dialogs and the options beside the plan).
// Line names are not among what it may change: LineNamesCommand regenerates them.
Command SettingsCommand(const CalcSettings& settings);

// New naming settings of the grid lines, and the names generated from them.
Command LineNamesCommand(const CalcSettings& naming);

// A new grid size: the point table rebuilt (ResizeGrid), the line names generated afresh;
// the recorded plan edit no longer fits and is forgotten.
Command GridResizeCommand(const GridSizeChoice& choice);

// The building profile, checked beforehand (CheckProfile).
Command ProfileCommand(const BuildingProfile& profile);

// "配置金物の初期化": every placed-hardware text emptied.
Command ClearHardwareCommand();

}  // namespace tvk
