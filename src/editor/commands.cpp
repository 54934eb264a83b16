#include "editor/commands.h"

#include "editor/plan_update.h"
#include "engine/hardware_placement.h"
#include "model/line_names.h"
#include "model/profile_store.h"

namespace tvk {

Command PlanEditCommand(const EditRequest& edit) {
  return Command{DocumentChange::Area(edit.storey, edit.rect),
                 UndoInfo{edit.category, edit.editMode, edit.storey, edit.rect}, false,
                 [edit](Building& b) { ApplyEdit(b, edit); }};
}

Command OutlineCommand(const OutlineTexts& texts) {
  return Command{DocumentChange::Values(), {}, false, [texts](Building& b) {
                   b.Info.BuildingName = texts.buildingName;
                   b.Info.OfficeName = texts.officeName;
                   b.Info.PersonName = texts.personName;
                   b.Info.HideOfficeOnCover = texts.hideOfficeOnCover ? 1 : 0;
                   b.Info.HideDateOnCover = texts.hideDateOnCover ? 1 : 0;
                 }};
}

Command SettingsCommand(const CalcSettings& settings) {
  return Command{DocumentChange::Values(), {}, false, [settings](Building& b) {
                   CalcSettings next = settings;
                   next.LineNamesX = std::move(b.Settings.LineNamesX);
                   next.LineNamesY = std::move(b.Settings.LineNamesY);
                   b.Settings = std::move(next);
                 }};
}

Command LineNamesCommand(const CalcSettings& naming) {
  return Command{DocumentChange::Everything(), {}, false, [naming](Building& b) {
                   CalcSettings& s = b.Settings;
                   s.LineStyleX = naming.LineStyleX;
                   s.LineStartX = naming.LineStartX;
                   s.LineReverseX = naming.LineReverseX;
                   s.LineStyleY = naming.LineStyleY;
                   s.LineStartY = naming.LineStartY;
                   s.LineReverseY = naming.LineReverseY;
                   GenerateLineNames(b);
                 }};
}

Command GridResizeCommand(const GridSizeChoice& choice) {
  return Command{DocumentChange::Everything(), {}, true, [choice](Building& b) {
                   ResizeGrid(b, choice);
                   AfterGridResize(b);
                   GenerateLineNames(b);
                 }};
}

Command ProfileCommand(const BuildingProfile& profile) {
  return Command{DocumentChange::Values(), {}, false, [profile](Building& b) { WriteProfile(b, profile); }};
}

Command ClearHardwareCommand() {
  return Command{DocumentChange::Values(), {}, false, [](Building& b) { ClearKanamono(b); }};
}

}  // namespace tvk
