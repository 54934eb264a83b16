#include "editor/session.h"

#include "model/default_file.h"
#include "model/hardware_names_file.h"
#include "model/line_names.h"
#include "model/path_parts.h"
#include "model/settings_file.h"
#include "model/settings_folder.h"

namespace tvk {

namespace {

// The outline an empty plan is drawn with until a building is opened or created.
void ApplyDefaultOutline(Building& b) {
  if (b.Info.GridSpansX != 0 || b.Info.StoreyCount != 0) return;
  b.Info.StoreyCount = 2;
  b.Info.GridDivisions = 2;
  b.Info.GridPitch = 0.91f;
  b.Info.GridSpansX = 2 * 10;
  b.Info.GridSpansY = 2 * 10;
}

// The first data folder: the program's own (a portable install keeps its projects beside
// it), or the user's home for an installed program, whose folders belong to the system.
std::string FirstDataFolder(const Session& session) {
  if (InstalledDataFolder(session.programFolder).empty()) return session.programFolder;
  return session.homeFolder;
}

}  // namespace

void StartSession(Session& session) {
  ReadSettingsFile(session.settingsFolder, session.settings);
  session.defaults = ReadDefaultFile(session.settingsFolder);
  session.hardwareNames = ReadHardwareNames(session.settingsFolder);
  Building building = session.document.building();
  ApplyDefaultOutline(building);
  building.CreateModelArrays();
  GenerateLineNames(building);
  session.document.replace(std::move(building));
}

void ReloadSettingsFile(Session& session) { ReadSettingsFile(session.settingsFolder, session.settings); }

namespace {

void WriteSettingsNaming(Session& session, const std::string& dataName) {
  session.settings.DataName = dataName;
  // A settings file that cannot be written costs only the recent list; nothing to tell.
  WriteSettingsFile(session.settingsFolder, session.settings);
}

}  // namespace

void WriteSettings(Session& session) { WriteSettingsNaming(session, session.document.path()); }

void EndSession(Session& session) {
  WriteSettingsNaming(session, kNewDataPath);
  WriteDefaultFile(session.settingsFolder, session.defaults);
}

std::string DialogFolder(Session& session) {
  if (session.settings.DataFolder.empty()) session.settings.DataFolder = FirstDataFolder(session);
  return session.settings.DataFolder;
}

std::string DialogInitialPath(Session& session) {
  return JoinPath(DialogFolder(session), FileNamePart(session.document.path()));
}

}  // namespace tvk
