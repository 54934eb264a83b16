#pragma once
// The JSON form of the calc sub-command's results.

#include <iosfwd>
#include <string>
#include <string_view>

namespace tvk {

class Building;
class CalcResults;

// Shortest text that reads back to the same float; JSON has no NaN or infinity, so those
// are written as null.
std::string JsonNumber(float value);
// A JSON string literal of UTF-8 text.
std::string JsonString(std::string_view text);

// One object: outline, the not-transmitted flag, every storey with its eccentricity,
// every column (storey 1 first, then by the second and the first grid index) and the 2025
// checks of the building's profile.
void WriteCalcJson(const Building& building, const CalcResults& results, std::ostream& out);

}  // namespace tvk
