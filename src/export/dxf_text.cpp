#include "export/dxf_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "model/text_codec.h"

namespace tvk {

namespace {

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that starts none.
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// The UTF-8 sequence of one character at k; empty where the bytes are not one.
std::string_view Sequence(std::string_view text, size_t k) {
  const size_t length = SequenceLength(static_cast<unsigned char>(text[k]));
  if (length == 0 || k + length > text.size()) return {};
  for (size_t n = 1; n < length; ++n) {
    if ((static_cast<unsigned char>(text[k + n]) & 0xC0) != 0x80) return {};
  }
  return text.substr(k, length);
}

uint32_t CodePoint(std::string_view sequence) {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  uint32_t value = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
  for (size_t k = 1; k < sequence.size(); ++k) value = (value << 6) | (static_cast<unsigned char>(sequence[k]) & 0x3F);
  return value;
}

void AppendEscape(std::string& out, uint32_t unit) {
  char escape[16];
  std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(unit));
  out += escape;
}

// One character CP932 cannot hold: its UTF-16 code units as escapes.
void AppendEscaped(std::string& out, uint32_t code) {
  if (code < 0x10000) {
    AppendEscape(out, code);
    return;
  }
  code -= 0x10000;
  AppendEscape(out, 0xD800 + (code >> 10));
  AppendEscape(out, 0xDC00 + (code & 0x3FF));
}

std::string WithoutControls(std::string_view utf8) {
  std::string text(utf8);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return text;
}

bool PlainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

std::string DxfString(std::string_view utf8) {
  // Most strings of the file (group values, numbers' neighbours, ASCII names) pass unchanged.
  if (PlainAscii(utf8)) return std::string(utf8);
  const std::string text = WithoutControls(utf8);
  if (std::optional<std::string> whole = Utf8ToCp932(text)) return *whole;
  std::string out;
  for (size_t k = 0; k < text.size();) {
    const std::string_view sequence = Sequence(text, k);
    if (sequence.empty()) {
      out += '?';  // not UTF-8
      ++k;
      continue;
    }
    if (const std::optional<std::string> bytes = Utf8ToCp932(sequence)) {
      out += *bytes;
    } else {
      AppendEscaped(out, CodePoint(sequence));
    }
    k += sequence.size();
  }
  return out;
}

}  // namespace tvk
