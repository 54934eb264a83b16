#pragma once
// The program's one session: the document being worked on and the files kept beside it
// (recent-file list, defaults for new buildings, hardware names), with the folders they
// live in. The application owns it and passes it by reference; it fills in the folders
// before the start.

#include <string>

#include "editor/document.h"
#include "model/default_settings.h"
#include "model/hardware_names.h"
#include "model/program_settings.h"

namespace tvk {

struct Session {
  Document document;
  ProgramSettings settings;     // VOLNTVK.INI: data folder and recent files
  DefaultSettings defaults;     // VolnTVK.Def
  HardwareNames hardwareNames;  // _Kanamono.Def
  std::string settingsFolder;   // where those three files live
  std::string programFolder;    // the executable's folder (first data folder)
  std::string homeFolder;       // the user's home (first data folder of an installed program)
};

// Start of the program: the settings file, the default file and the hardware name file
// (missing files give the built-in state), then a document of the default outline with
// empty arrays so that an empty grid can be drawn.
void StartSession(Session& session);

// Re-reads VOLNTVK.INI (the data selection dialog does on opening).
void ReloadSettingsFile(Session& session);

// Rewrites VOLNTVK.INI from the session (its data-name line is the document's path).
void WriteSettings(Session& session);

// End of the program: VOLNTVK.INI (its data-name line "新規データ") and VolnTVK.Def are
// written.
void EndSession(Session& session);

// Folder the open and save dialogs start in: the data folder, or while no data folder is
// known (the first one then becomes it) the program's folder, or the home folder for an
// installed program.
std::string DialogFolder(Session& session);
// Initial file of both dialogs: that folder + the file-name part of the document's path.
std::string DialogInitialPath(Session& session);

}  // namespace tvk
