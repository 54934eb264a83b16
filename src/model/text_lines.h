#pragma once
// Line-oriented CP932 text files (the settings file and the hardware name file):
// lines end with CR LF when written; reading also accepts a bare LF.

#include <string>
#include <string_view>
#include <vector>

namespace tvk {

// The file's lines as UTF-8, without their line ends. A line that is not valid
// CP932 reads as an empty line.
std::vector<std::string> ReadTextLines(std::string_view bytes);

// CP932 lines each followed by CR LF.
std::string JoinCrlfLines(const std::vector<std::string>& cp932Lines);

}  // namespace tvk
