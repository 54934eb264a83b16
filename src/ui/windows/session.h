#pragma once
// The program's one session: the document being worked on and the files kept beside it
// (recent-file list, defaults for new buildings, hardware names), with the folders they
// live in. The application owns it and passes it by reference.

#include <string>

#include "editor/document.h"
#include "model/default_settings.h"
#include "model/hardware_names.h"
#include "model/program_settings.h"
#include "report/figures/figure_fonts.h"

namespace tvk {

struct Session {
  Document document;
  ProgramSettings settings;     // VOLNTVK.INI: data folder and recent files
  DefaultSettings defaults;     // VolnTVK.Def
  HardwareNames hardwareNames;  // _Kanamono.Def
  FigureFonts figureFonts;      // label sizes the report figures use now
  std::string settingsFolder;   // where those three files live
  std::string programFolder;    // the executable's folder (first data folder)
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

// Folder the open and save dialogs start in: the data folder, or the program's folder
// while no data folder is known (which then becomes the data folder).
std::string DialogFolder(Session& session);
// Initial file of both dialogs: that folder + the file-name part of the document's path.
std::string DialogInitialPath(Session& session);

}  // namespace tvk
