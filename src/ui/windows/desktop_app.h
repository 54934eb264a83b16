#pragma once
// The desktop program: the application object, the session, the main window and the start
// sequence (a file from the command line, else the data selection dialog).

#include <optional>
#include <string>

namespace tvk {

// Runs the desktop program until its main window closes; returns the exit code. A file
// given is opened with the open dialog's checks; when it is refused the data selection
// dialog follows as at any start.
//
// VOLNTVK_SCREENSHOT=FILE.png (for looking at the windows without a person at the
// screen): two seconds (or VOLNTVK_SCREENSHOT_DELAY milliseconds) after the start the
// whole screen is saved to FILE.png and the program ends without writing its settings
// files.
int RunDesktopProgram(int argc, char** argv, const std::optional<std::string>& file);

}  // namespace tvk
