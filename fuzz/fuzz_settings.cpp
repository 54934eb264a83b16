// libFuzzer target: the three settings-file readers, each followed by its writer.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/default_file.h"
#include "model/hardware_names_file.h"
#include "model/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  tvk::ProgramSettings settings;
  tvk::ParseSettingsText(bytes, settings);
  if (settings.Recent.size() > tvk::kMaxRecentFiles) __builtin_trap();
  tvk::ProgramSettings again;
  tvk::ParseSettingsText(tvk::SerializeSettings(settings), again);
  if (again.Recent.size() > settings.Recent.size()) __builtin_trap();

  const tvk::DefaultSettings defaults = tvk::ParseDefaultBlock(bytes);
  if (tvk::SerializeDefaultBlock(defaults).size() != tvk::kDefaultBlockBytes) __builtin_trap();

  const tvk::HardwareNames names = tvk::ParseHardwareNames(bytes);
  const tvk::HardwareNamesBytes written = tvk::SerializeHardwareNames(names);
  // Texts that were read can always be written, and read back unchanged.
  if (!written.result.ok || tvk::ParseHardwareNames(written.bytes) != names) __builtin_trap();
  return 0;
}
