#pragma once
// The partly sheathed walls in the project file: a block after the last record, which a
// reader of the original layout never looks at. A building without such walls has no block,
// so its file stays byte for byte what the original layout makes of it. The block starts
// with a marker and a version; docs/file-format.md gives the layout.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tvk {

class Building;
class ByteReader;
class ByteWriter;

inline constexpr const char* kQuasiBlockMarker = "TVK-QUASI";
inline constexpr int32_t kQuasiBlockVersion = 1;

// Why the building's partly sheathed walls cannot be saved (a wall whose own values the
// reader would refuse, with its place), or nullopt.
std::optional<std::string> CheckQuasiLayer(const Building& building);

// The block of the building's partly sheathed walls; empty when it has none.
std::string QuasiBlockBytes(const Building& building);

// Whether the bytes after the last record hold the block: they start with its marker, or
// are a piece of it (a block cut short). Anything else there is ignored, as ever.
bool QuasiBlockFollows(std::string_view rest);

// Reads the block at the reader into the building's quasi layer (the building's outline and
// arrays in place). Throws FormatError, naming what is wrong, for a block that is cut short,
// of another version, out of order, overlapping or with values outside their ranges.
void ReadQuasiBlock(ByteReader& reader, Building& building);

}  // namespace tvk
