#include <gtest/gtest.h>

#include "model/path_parts.h"
#include "model/text_codec.h"

namespace tvk {
namespace {

struct CodecCase {
  const char* utf8;
  const char* cp932;
};

class CodecRoundTrip : public testing::TestWithParam<CodecCase> {};

TEST_P(CodecRoundTrip, ConvertsBothWays) {
  const CodecCase& c = GetParam();
  EXPECT_EQ(Utf8ToCp932(c.utf8), std::string(c.cp932));
  EXPECT_EQ(Cp932ToUtf8(c.cp932), std::string(c.utf8));
  EXPECT_EQ(Cp932ByteLength(c.utf8), std::string(c.cp932).size());
}

INSTANTIATE_TEST_SUITE_P(Texts, CodecRoundTrip,
                         testing::Values(CodecCase{"", ""}, CodecCase{"VOLN-TVK", "VOLN-TVK"},
                                         CodecCase{"建物", "\x8C\x9A\x95\xA8"}, CodecCase{"ｱｲ", "\xB1\xB2"},
                                         CodecCase{"(ほ)", "(\x82\xD9)"}, CodecCase{"①×２", "\x87\x40\x81\x7E\x82\x51"},
                                         CodecCase{"C:\\data\\家.TVK", "C:\\data\\\x89\xC6.TVK"},
                                         CodecCase{"かど金物(CP･L)", "\x82\xA9\x82\xC7\x8B\xE0\x95\xA8(CP\xA5L)"}));

TEST(TextCodec, RefusesWhatCp932CannotHold) {
  for (const char* text : {"家😀", "\xFF\xFE", "caf\xC3", "한국"}) {
    EXPECT_FALSE(Utf8ToCp932(text).has_value()) << text;
  }
  for (const char* bytes : {"\x81", "ab\x82", "\x81\x20", "\xA0"}) {
    EXPECT_FALSE(Cp932ToUtf8(bytes).has_value());
  }
}

TEST(TextCodec, ByteLengthCountsUnencodableCharactersAsFullWidth) {
  EXPECT_EQ(Cp932ByteLength("a😀b"), 4u);
  EXPECT_EQ(Cp932ByteLength("建物名称ABC"), 11u);
}

TEST(PathParts, AcceptBothSeparators) {
  struct Case {
    const char* path;
    const char* name;
    const char* folder;
  };
  for (const Case& c : {Case{"C:\\data\\a.TVK", "a.TVK", "C:\\data"}, Case{"/home/u/b.TVK", "b.TVK", "/home/u"},
                        Case{"/home/u\\x/c.TVK", "c.TVK", "/home/u\\x"}, Case{"plain.TVK", "plain.TVK", ""},
                        Case{"新規データ", "新規データ", ""}}) {
    EXPECT_EQ(FileNamePart(c.path), c.name);
    EXPECT_EQ(FolderPart(c.path), c.folder);
  }
  EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
  EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
  EXPECT_EQ(TrimBlanks("  x y  "), "x y");
  EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace tvk
