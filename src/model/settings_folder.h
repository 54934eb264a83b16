#pragma once
// Where the settings file, the default file and the hardware name file live.

#include <string>

namespace tvk {

inline constexpr const char* kSettingsFileName = "VOLNTVK.INI";
inline constexpr const char* kDefaultFileName = "VolnTVK.Def";
inline constexpr const char* kHardwareFileName = "_Kanamono.Def";

// $VOLNTVK_HOME when set; else the executable's folder when it is writable and not an
// installed program's bin folder (a portable install); else $XDG_CONFIG_HOME/voln-tvk
// (default ~/.config/voln-tvk). The folder is created when it does not exist yet.
std::string SettingsFolder(const std::string& executableFolder);

// PREFIX/share/voln-tvk (help document, sample) when the executable is installed as
// PREFIX/bin/voln-tvk and that folder exists; empty in a build tree or a portable folder.
std::string InstalledDataFolder(const std::string& executableFolder);

}  // namespace tvk
