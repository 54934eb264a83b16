#pragma once
// A little-endian file image assembled by hand, independently of the program's writer.

#include <bit>
#include <cstdint>
#include <string>

namespace tvk::test {

struct ByteImage {
  std::string bytes;
  void L(int32_t v) {
    for (int k = 0; k < 4; ++k) bytes += static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF);
  }
  void F(float v) { L(std::bit_cast<int32_t>(v)); }
  void W(uint16_t v) {
    bytes += static_cast<char>(v & 0xFF);
    bytes += static_cast<char>(v >> 8);
  }
  // A String: its byte count, then the CP932 bytes.
  void S(const std::string& cp932) {
    W(static_cast<uint16_t>(cp932.size()));
    bytes += cp932;
  }
};

}  // namespace tvk::test
