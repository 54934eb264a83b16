#pragma once
// Grid line names (通り名) generated from a naming scheme.

#include <string>
#include <vector>

namespace tvk {

class Building;

// Line naming schemes (LineStyleX / LineStyleY).
constexpr int kLineStyleNumbered = 1;  // "X1 X2･･･" / "Y1 Y2･･･"
constexpr int kLineStyleIroha = 2;     // "いろは･･･"
constexpr int kLineStyleLetters = 3;   // "ＡＢＣ･･･"
constexpr int kLineStyleDigits = 4;    // "１２３･･･"

// True for a main grid line: index i with i mod d = 1, or every line when d = 1.
bool IsMainGridLine(int index, int divisions);

// Names of the spans + 1 lines of one axis, element k-1 naming line k. Main lines take
// the scheme's base name, sub-grid lines the name of the main line before them (in
// naming order) followed by "a", "b", "c". letter is "X" or "Y" for scheme 1. An
// unset or unknown scheme is scheme 1 from 1. Beyond the 26th letter (scheme 3) and
// the 36th kana (scheme 2) names continue with two characters: "AA", "AB", …, "いい", ….
std::vector<std::string> AxisLineNames(int spans, int divisions, int style, int start, bool reversed,
                                       const std::string& letter);

// Rebuilds LineNamesX and LineNamesY of the building from its naming settings.
void GenerateLineNames(Building& b);

}  // namespace tvk
