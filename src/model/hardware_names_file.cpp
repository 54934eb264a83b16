#include "model/hardware_names_file.h"

#include <array>
#include <vector>

#include "model/path_parts.h"
#include "model/safe_file.h"
#include "model/settings_folder.h"
#include "model/text_codec.h"
#include "model/text_lines.h"

namespace tvk {

namespace {

constexpr size_t kMaxHardwareFileBytes = 1024 * 1024;
inline constexpr const char* kEmptyCell = "---";
// Blanks, commas and quotes split a line; so does any control character, which a
// text of the table cannot hold.
bool IsSeparator(char c) {
  return c == ' ' || c == ',' || c == '\'' || c == '"' || static_cast<unsigned char>(c) < 0x20;
}

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::string token;
  for (char c : line + ' ') {
    if (!IsSeparator(c)) {
      token += c;
    } else if (!token.empty()) {
      tokens.push_back(std::move(token));
      token.clear();
    }
  }
  return tokens;
}

// The texts of one row in file order: Name1, Value1, Name2, Value2.
std::array<std::string*, 4> Cells(HardwareRow& row) { return {&row.Name1, &row.Value1, &row.Name2, &row.Value2}; }

std::string CellText(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return kEmptyCell;
  std::string cell;
  for (char c : trimmed) {
    switch (c) {
      case ' ':
        cell += "　";
        break;
      case ',':
        cell += "，";
        break;
      case '\'':
        cell += "＇";
        break;
      case '"':
        cell += "＂";
        break;
      default:
        cell += static_cast<unsigned char>(c) < 0x20 ? std::string("　") : std::string(1, c);
    }
  }
  return cell;
}

}  // namespace

HardwareNames ParseHardwareNames(std::string_view bytes) {
  HardwareNames names{};
  const std::vector<std::string> lines = ReadTextLines(bytes);
  for (size_t k = 0; k < lines.size() && k < 2 * names.size(); ++k) {
    const std::array<std::string*, 4> cells = Cells(names[k / 2]);
    const std::vector<std::string> tokens = Tokens(lines[k]);
    for (size_t t = 0; t < 2 && t < tokens.size(); ++t) {
      *cells[(k % 2) * 2 + t] = tokens[t] == kEmptyCell ? std::string() : tokens[t];
    }
  }
  return names;
}

HardwareNamesBytes SerializeHardwareNames(const HardwareNames& names) {
  HardwareNamesBytes out;
  std::vector<std::string> lines;
  for (size_t r = 0; r < names.size(); ++r) {
    HardwareRow row = names[r];
    const std::array<std::string*, 4> cells = Cells(row);
    std::array<std::string, 4> encoded;
    for (size_t c = 0; c < cells.size(); ++c) {
      const std::string& text = *cells[c];
      const auto bytes = Utf8ToCp932(CellText(text));
      if (!bytes) {
        const std::string field =
            std::string(c % 2 == 0 ? "金物の名称" : "金物の耐力値") + "（" + std::to_string(r + 1) + " 行目）";
        out.result = FileResult::Failure(RefusedTextMessage(field, text, false, 0));
        return out;
      }
      encoded[c] = *bytes;
    }
    lines.push_back(encoded[0] + " " + encoded[1]);
    lines.push_back(encoded[2] + " " + encoded[3]);
  }
  out.bytes = JoinCrlfLines(lines);
  return out;
}

HardwareNames ReadHardwareNames(const std::string& folder) {
  const std::string path = JoinPath(folder, kHardwareFileName);
  std::string bytes;
  // A file that cannot be read counts as missing: the table never comes up empty.
  if (!FileExists(path) || !ReadFileBytes(path, bytes, kMaxHardwareFileBytes, true).ok) {
    return LoadBuiltInHardwareNames();
  }
  return ParseHardwareNames(bytes);
}

FileResult WriteHardwareNames(const std::string& folder, const HardwareNames& names) {
  const HardwareNamesBytes image = SerializeHardwareNames(names);
  if (!image.result.ok) return image.result;
  return WriteFileAtomically(JoinPath(folder, kHardwareFileName), image.bytes);
}

}  // namespace tvk
