// libFuzzer target: the project file reader, and the writer on whatever it accepts.
// A file that reads is written; that image must read again and write back identically.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tvk::Building b;
  if (!tvk::ParseProject(std::string_view(reinterpret_cast<const char*>(data), size), b).ok) return 0;
  const tvk::ProjectBytes first = tvk::SerializeProject(b);
  if (!first.result.ok) return 0;
  tvk::Building again;
  if (!tvk::ParseProject(first.bytes, again).ok) __builtin_trap();
  if (tvk::SerializeProject(again).bytes != first.bytes) __builtin_trap();
  return 0;
}
