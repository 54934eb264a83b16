#include "model/text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace tvk {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

namespace {

// One whole-text conversion; any invalid or unmappable sequence fails it.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
  // Both encodings agree with ASCII, which is most of what a project file holds.
  if (IsAscii(text)) return std::string(text);
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  bool ok = true;
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) continue;
    if (errno != E2BIG) {
      ok = false;
      break;
    }
    const size_t used = out.size() - outLeft;
    out.resize(out.size() * 2);
    outPtr = out.data() + used;
    outLeft = out.size() - used;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932); }

size_t Cp932ByteLength(std::string_view utf8) {
  if (auto encoded = Utf8ToCp932(utf8)) return encoded->size();
  size_t total = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t len = std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[pos])), utf8.size() - pos);
    const auto one = Utf8ToCp932(utf8.substr(pos, len));
    total += one ? one->size() : 2;
    pos += len;
  }
  return total;
}

std::string RefusedTextMessage(std::string_view field, std::string_view text, bool tooLong, size_t maxBytes) {
  constexpr size_t kQuotedChars = 40;
  size_t end = 0;
  for (size_t chars = 0; end < text.size() && chars < kQuotedChars; ++chars) {
    end += std::min(Utf8SequenceLength(static_cast<unsigned char>(text[end])), text.size() - end);
  }
  const std::string quoted = "「" + std::string(text.substr(0, end)) + (end < text.size() ? "…" : "") + "」";
  const std::string problem = tooLong ? "が長すぎます（" + std::to_string(maxBytes) + " バイトまで）。"
                                      : "に、ファイルに保存できない文字（絵文字など）が含まれています。";
  return std::string(field) + problem + "\n\n" + quoted + "\n\nデータは保存されませんでした。";
}

}  // namespace tvk
