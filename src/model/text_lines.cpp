#include "model/text_lines.h"

#include "model/text_codec.h"

namespace tvk {

std::vector<std::string> ReadTextLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(Cp932ToUtf8(line).value_or(std::string()));
  }
  return lines;
}

std::string JoinCrlfLines(const std::vector<std::string>& cp932Lines) {
  std::string text;
  for (const std::string& line : cp932Lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace tvk
