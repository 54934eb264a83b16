#include "model/default_file.h"

#include <algorithm>
#include <array>

#include "model/byte_io.h"
#include "model/path_parts.h"
#include "model/safe_file.h"
#include "model/settings_folder.h"

namespace tvk {

namespace {

constexpr size_t kFieldCount = kDefaultBlockBytes / 4;

// The block's fields in file order.
std::array<int32_t*, kFieldCount> Fields(DefaultSettings& d) {
  return {&d.DefLineStyleX,
          &d.DefLineStyleY,
          &d.DefLineStartX,
          &d.DefLineStartY,
          &d.DefLineReverseX,
          &d.DefLineReverseY,
          &d.DefLMethod,
          &d.DefIgnoreCrossBeam,
          &d.DefNoCrossBeamWarning,
          &d.DefNoTransmitMissingColumn,
          &d.FigureFontSize[0],
          &d.FigureFontSize[1],
          &d.FigureFontSize[2],
          &d.FigureFontSize[3],
          &d.Reserved[0],
          &d.Reserved[1],
          &d.Reserved[2],
          &d.Reserved[3],
          &d.Reserved[4]};
}

}  // namespace

DefaultSettings ParseDefaultBlock(std::string_view bytes) {
  DefaultSettings d;
  ByteReader r(bytes.substr(0, std::min(bytes.size(), kDefaultBlockBytes)));
  for (int32_t* field : Fields(d)) {
    if (r.Left() < 4) break;
    *field = r.Long();
  }
  if (d.DefLineStyleX == 0) d.DefLineStyleX = d.DefLineStartX = 1;
  if (d.DefLineStyleY == 0) d.DefLineStyleY = d.DefLineStartY = 1;
  // The program takes the label sizes as soon as the block is read: 0 becomes 7 here too.
  for (int k = 0; k < static_cast<int>(d.FigureFontSize.size()); ++k) {
    d.FigureFontSize[static_cast<size_t>(k)] = d.figureFontSize(k);
  }
  return d;
}

std::string SerializeDefaultBlock(const DefaultSettings& defaults) {
  DefaultSettings copy = defaults;
  ByteWriter w;
  for (const int32_t* field : Fields(copy)) w.Long(*field);
  return w.Take();
}

DefaultSettings ReadDefaultFile(const std::string& folder) {
  std::string bytes;
  if (!ReadFileBytes(JoinPath(folder, kDefaultFileName), bytes, kDefaultBlockBytes, false).ok) {
    return ParseDefaultBlock({});
  }
  return ParseDefaultBlock(bytes);
}

FileResult WriteDefaultFile(const std::string& folder, const DefaultSettings& defaults) {
  return WriteFileAtomically(JoinPath(folder, kDefaultFileName), SerializeDefaultBlock(defaults));
}

}  // namespace tvk
