#pragma once
// The page header that names the program and the building, on report pages and on the
// frame elevation window's page.

#include <QString>
#include <string>

namespace tvk {

// The program title, three blanks and "[ " + building name + " ]". The surface splits a
// header at "|" into its left, centre and right parts, so a "|" in the name is shown
// full-width and the whole text stays one left part.
QString ProgramHeaderText(const std::string& buildingName);

}  // namespace tvk
