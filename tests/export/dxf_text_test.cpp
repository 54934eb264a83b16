#include <gtest/gtest.h>

#include "export/dxf_text.h"

namespace tvk {
namespace {

TEST(DxfText, StringsAreInTheJapaneseCodePageWithEscapesForTheRest) {
  struct Case {
    std::string utf8;
    std::string written;
  };
  const Case cases[] = {
      {"X1", "X1"},
      {"2.5", "2.5"},
      // CP932 bytes: 通 = 92 CA, し = 82 B5, 柱 = 92 8C; 表 has the backslash byte 5C second.
      {"通し柱", "\x92\xCA\x82\xB5\x92\x8C"},
      {"表", "\x95\x5C"},
      {"(ろ)", "(\x82\xEB)"},
      // Characters CP932 cannot hold: their code as \U+XXXX, beyond the BMP as a surrogate pair.
      {"HD\u2135", "HD\\U+2135"},
      {"\U00020BB7", "\\U+D842\\U+DFB7"},
      {"柱\u2135", "\x92\x8C\\U+2135"},
      // A DXF string ends at its line: control characters become spaces.
      {"a\nb\tc", "a b c"},
      // Bytes that are not UTF-8 are not passed on.
      {"a\xFF"
       "b",
       "a?b"},
      {"\xE3\x81", "??"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DxfString(c.utf8), c.written) << c.utf8;
}

}  // namespace
}  // namespace tvk
