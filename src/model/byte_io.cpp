#include "model/byte_io.h"

#include <bit>
#include <cmath>

#include "model/text_codec.h"

namespace tvk {

std::string_view ByteReader::Take(size_t count) {
  if (count > Left()) {
    throw FormatError("ファイルが途中で終わっています（" + std::to_string(bytes_.size()) + " バイト、" +
                      std::to_string(pos_ + count) + " バイト目まで必要）。");
  }
  const std::string_view part = bytes_.substr(pos_, count);
  pos_ += count;
  return part;
}

uint16_t ByteReader::Word() {
  const std::string_view b = Take(2);
  return static_cast<uint16_t>(static_cast<unsigned char>(b[0]) | (static_cast<unsigned char>(b[1]) << 8));
}

int32_t ByteReader::Long() {
  const std::string_view b = Take(4);
  uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(b[static_cast<size_t>(k)]);
  return static_cast<int32_t>(value);
}

float ByteReader::Single() {
  const size_t at = pos_;
  const float value = std::bit_cast<float>(Long());
  if (!std::isfinite(value)) {
    throw FormatError("数値が正しくありません（" + std::to_string(at) + " バイト目）。");
  }
  return value;
}

std::string ByteReader::String() {
  const size_t at = pos_;
  const uint16_t length = Word();
  const auto text = Cp932ToUtf8(Take(length));
  if (!text) throw FormatError("文字列の文字コードが正しくありません（" + std::to_string(at) + " バイト目）。");
  return *text;
}

void ByteWriter::Raw(uint32_t value, int count) {
  for (int k = 0; k < count; ++k) {
    out_ += static_cast<char>(value & 0xFFu);
    value >>= 8;
  }
}

void ByteWriter::Long(int32_t value) { Raw(static_cast<uint32_t>(value), 4); }

void ByteWriter::Word(uint16_t value) { Raw(value, 2); }

void ByteWriter::Single(float value) { Raw(std::bit_cast<uint32_t>(value), 4); }

void ByteWriter::Cp932String(std::string_view cp932) {
  if (cp932.size() > kMaxStringBytes) throw std::length_error("string longer than 65535 bytes");
  Word(static_cast<uint16_t>(cp932.size()));
  out_.append(cp932);
}

}  // namespace tvk
