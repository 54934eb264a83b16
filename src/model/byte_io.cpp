#include "model/byte_io.h"

#include <algorithm>

#include "model/text_codec.h"

namespace tvk {

void ByteReader::ThrowShort(size_t count) const {
  throw FormatError("ファイルが途中で終わっています（" + std::to_string(bytes_.size()) + " バイト、" +
                    std::to_string(pos_ + count) + " バイト目まで必要）。");
}

void ByteReader::ThrowNotANumber(size_t at) {
  throw FormatError("数値が正しくありません（" + std::to_string(at) + " バイト目）。");
}

void ByteReader::String(std::string& text) {
  const size_t at = pos_;
  const uint16_t length = Word();
  const std::string_view cp932(Take(length), length);
  if (IsAscii(cp932)) {
    text.assign(cp932);
    return;
  }
  auto converted = Cp932ToUtf8(cp932);
  if (!converted) throw FormatError("文字列の文字コードが正しくありません（" + std::to_string(at) + " バイト目）。");
  text = std::move(*converted);
}

void ByteWriter::Cp932String(std::string_view cp932) {
  if (cp932.size() > kMaxStringBytes) throw std::length_error("string longer than 65535 bytes");
  Word(static_cast<uint16_t>(cp932.size()));
  if (!cp932.empty()) std::memcpy(Room(cp932.size()), cp932.data(), cp932.size());
}

void ByteWriter::Grow(size_t count) { out_.resize(std::max(2 * out_.size(), size_ + count)); }

}  // namespace tvk
