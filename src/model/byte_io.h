#pragma once
// Little-endian packed fields of the binary files: 32-bit Longs and Singles, and
// Strings as a 2-byte byte count followed by CP932 text. The reader checks every
// read against the bytes left and throws FormatError instead of reading past the end.
// Reads and writes of the fixed-size fields are inline: a project file holds millions.

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
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

  int32_t Long() { return static_cast<int32_t>(Little(Take(4), 4)); }
  uint16_t Word() { return static_cast<uint16_t>(Little(Take(2), 2)); }
  // A Single that is not a finite number is refused.
  float Single() {
    const size_t at = pos_;
    const float value = std::bit_cast<float>(Little(Take(4), 4));
    if (!std::isfinite(value)) ThrowNotANumber(at);
    return value;
  }
  // The text converted to UTF-8; text that is not valid CP932 is refused.
  std::string String() {
    std::string text;
    String(text);
    return text;
  }
  // The same into a string that is there already, without a copy in between.
  void String(std::string& text);

  size_t Offset() const { return pos_; }
  size_t Left() const { return bytes_.size() - pos_; }

 private:
  const char* Take(size_t count) {
    if (count > Left()) ThrowShort(count);
    const char* at = bytes_.data() + pos_;
    pos_ += count;
    return at;
  }
  [[noreturn]] void ThrowShort(size_t count) const;
  [[noreturn]] static void ThrowNotANumber(size_t at);
  static uint32_t Little(const char* bytes, int count) {
    if (count == 4 && std::endian::native == std::endian::little) {
      uint32_t value;
      std::memcpy(&value, bytes, 4);
      return value;
    }
    uint32_t value = 0;
    for (int k = count - 1; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(bytes[k]);
    return value;
  }

  std::string_view bytes_;
  size_t pos_ = 0;
};

// Fields are stored straight into a buffer that grows by doubling (or as reserved), and
// the bytes written are handed over at the end.
class ByteWriter {
 public:
  // Room for this many bytes in all, so that a large file is not copied as it grows.
  void Reserve(size_t bytes) {
    if (bytes > out_.size()) out_.resize(bytes);
  }
  void Long(int32_t value) { Put(static_cast<uint32_t>(value), 4); }
  template <size_t N>
  void Longs(const std::array<int32_t, N>& values) {
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(Room(4 * N), values.data(), 4 * N);
    } else {
      for (const int32_t v : values) Long(v);
    }
  }
  void Word(uint16_t value) { Put(value, 2); }
  void Single(float value) { Put(std::bit_cast<uint32_t>(value), 4); }
  // Writes an already converted CP932 text with its length (at most 65535 bytes).
  void Cp932String(std::string_view cp932);
  // Bytes as they are, with no length in front.
  void Raw(std::string_view bytes) {
    if (!bytes.empty()) std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
  }

  size_t Size() const { return size_; }
  std::string Take() {
    out_.resize(size_);
    size_ = 0;
    return std::move(out_);
  }

 private:
  char* Room(size_t count) {
    if (out_.size() - size_ < count) Grow(count);
    char* at = out_.data() + size_;
    size_ += count;
    return at;
  }
  void Grow(size_t count);
  void Put(uint32_t value, int count) {
    char* at = Room(static_cast<size_t>(count));
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(at, &value, static_cast<size_t>(count));
    } else {
      for (int k = 0; k < count; ++k) at[k] = static_cast<char>((value >> (8 * k)) & 0xFFu);
    }
  }

  std::string out_;  // bytes 0 .. size_ are written
  size_t size_ = 0;
};

constexpr size_t kMaxStringBytes = 65535;

}  // namespace tvk
