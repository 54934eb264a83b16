#pragma once
// The program's help document.

#include <string>

namespace tvk {

struct Session;

inline constexpr const char* kHelpFileName = "VOLNTVK.HLP";

// VOLNTVK.HLP beside the program when one is installed there; else the document built
// into the program, written to the settings folder as VOLNTVK.html. Empty when neither
// can be had.
std::string HelpDocument(const Session& session);

}  // namespace tvk
