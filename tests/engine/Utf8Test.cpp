#include <gtest/gtest.h>

#include "Utf8.h"

namespace {

TEST(Utf8, DecodingReplacesEachBrokenPiece) {
  struct { std::string Bytes; std::u16string Units; } cases[] = {
      {"", u""},
      {"abc", u"abc"},
      {"\xed\x95\x9c", u"한"},
      {"\xf0\x9f\x98\x80", u"\xd83d\xde00"},          // above U+FFFF: a surrogate pair
      {"\xff", u"\xfffd"},
      {"\x80\x80", u"\xfffd\xfffd"},                   // stray continuation bytes
      {"\xea\xb0", u"\xfffd"},                         // cut short at the end
      {"\xea\xb0k", u"\xfffdk"},                       // cut short before ASCII
      {"\xc0\xaf", u"\xfffd\xfffd"},                   // overlong
      {"\xe0\x80\xaf", u"\xfffd\xfffd\xfffd"},
      {"\xed\xa0\x80", u"\xfffd\xfffd\xfffd"},         // an encoded surrogate
      {"\xf4\x90\x80\x80", u"\xfffd\xfffd\xfffd\xfffd"},  // above U+10FFFF
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.Bytes), c.Units) << c.Bytes;
}

TEST(Utf8, EncodingPrintsOnlyValidUnicode) {
  struct { TTextList Text; std::string Bytes; } cases[] = {
      {{0xD55C, 0x1100, 32}, "\xed\x95\x9c\xe1\x84\x80 "},
      {{0xD83D, 0xDE00}, "\xf0\x9f\x98\x80"},
      {{0xD83D}, "\xef\xbf\xbd"},                      // lone high surrogate
      {{0xDE00, 0xD83D}, "\xef\xbf\xbd\xef\xbf\xbd"},  // pair in the wrong order
      {{0xD83D, 'a'}, "\xef\xbf\xbd" "a"},
      {{0x1F600}, "\xf0\x9f\x98\x80"},                 // a whole code point from a reference
      {{-1, 0x110000, 0x7FFFFFFF}, "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToUtf8(c.Text), c.Bytes);
}

}  // namespace
