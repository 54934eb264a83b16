#pragma once
// Little-endian packed fields of the binary files: 32-bit Longs and Singles, and
// Strings as a 2-byte byte count followed by CP932 text. The reader checks every
// read against the bytes left and throws FormatError instead of reading past the end.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tvk {

// A file that does not follow its layout; what() is the detail shown to the user.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  int32_t Long();
  uint16_t Word();
  // A Single that is not a finite number is refused.
  float Single();
  // The text converted to UTF-8; text that is not valid CP932 is refused.
  std::string String();

  size_t Offset() const { return pos_; }
  size_t Left() const { return bytes_.size() - pos_; }

 private:
  std::string_view Take(size_t count);

  std::string_view bytes_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  void Long(int32_t value);
  void Word(uint16_t value);
  void Single(float value);
  // Writes an already converted CP932 text with its length (at most 65535 bytes).
  void Cp932String(std::string_view cp932);

  const std::string& Bytes() const { return out_; }
  std::string Take() { return std::move(out_); }

 private:
  void Raw(uint32_t value, int count);

  std::string out_;
};

constexpr size_t kMaxStringBytes = 65535;

}  // namespace tvk
