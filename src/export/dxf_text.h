#pragma once
// Texts as the exported DXF holds them. The file is DXF R2000 (what dxflib writes), whose
// strings are in the drawing's code page: ANSI_932, the Japanese code page that CAD
// programs in Japan write and read. A character CP932 has no code for is written as the
// \U+XXXX escape that CAD programs decode; control characters (a line break inside a name)
// become spaces, since a DXF string ends at the line.

#include <string>
#include <string_view>

namespace tvk {

inline constexpr const char* kDxfCodePage = "ANSI_932";

std::string DxfString(std::string_view utf8);

}  // namespace tvk
