#pragma once
// The program's help document.

#include <string>

namespace tvk {

struct Session;

inline constexpr const char* kHelpFileName = "VOLNTVK.HLP";
// The document's name in an installed program's data folder and of the copy written from
// the built-in one: a browser opens it by its type.
inline constexpr const char* kHtmlHelpFileName = "VOLNTVK.html";

// VOLNTVK.HLP beside the program when one is placed there; else VOLNTVK.html in the data
// folder of an installed program; else the document built into the program, written to
// the settings folder as VOLNTVK.html. Empty when none can be had.
std::string HelpDocument(const Session& session);

}  // namespace tvk
