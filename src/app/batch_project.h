#pragma once
// Reading a project file for a batch sub-command the way the open dialog does.

#include <iosfwd>
#include <string>
#include <string_view>

namespace tvk {

class Document;

// The identification check (product code), then the whole file into the document. A refused
// or unreadable file prints its message on err, prefixed with the sub-command, and gives false.
bool LoadBatchProject(const std::string& path, Document& document, std::ostream& err, std::string_view command);

}  // namespace tvk
