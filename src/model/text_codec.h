#pragma once
// Text is UTF-8 in memory and CP932 (the Japanese ANSI code page) in every file the
// program reads or writes. These conversions are the only way across that boundary.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tvk {

// Whether every byte is ASCII, which UTF-8 and CP932 write alike.
bool IsAscii(std::string_view text);

// nullopt when the text is not valid UTF-8 or holds a character CP932 has no code for.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// nullopt when the bytes are not a valid CP932 text.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// Bytes the text takes in CP932: half-width characters count 1, full-width 2. A
// character CP932 cannot hold counts 2 (the layout treats it as full-width).
size_t Cp932ByteLength(std::string_view utf8);

// The message refusing to write a text: field names where it belongs ("建物名称"), the
// text is quoted (shortened when long). tooLong: the text exceeds its byte limit
// instead of holding a character CP932 cannot hold.
std::string RefusedTextMessage(std::string_view field, std::string_view text, bool tooLong, size_t maxBytes);

}  // namespace tvk
