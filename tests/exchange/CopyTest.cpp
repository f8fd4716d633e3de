#include <gtest/gtest.h>

#include "Exchange.h"
#include "TableFixture.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

const TTextList kDaRaSpaceGa{0xB2E4, 0xB77C, 32, 0xAC00};

TEST(CopyEuc, WritesEucKrBytesAndPassesUnknownCodesThroughByTheirBytes) {
  struct Case {
    const char* what;
    TTextList text;
    const TUni2Euc* table;
    std::string bytes;
  } const cases[] = {
      {"syllables and a space", kDaRaSpaceGa, &StandardTable(), Bytes({0xB4, 0xD9, 0xB6, 0xF3, 0x20, 0xB0, 0xA1})},
      {"lone jamo as compatibility jamo", {0x1100, 0x1175}, &StandardTable(), Bytes({0xA4, 0xA1, 0xA4, 0xD3})},
      {"ASCII is its own byte", {'A', 'b', '1', 13, 10, 32, 127}, &StandardTable(), "Ab1\r\n \x7f"},
      {"zero, 0x80-0xFF give nothing", {0, 0x80, 0xFF, 0x10000}, &StandardTable(), ""},
      {"unknown code: both bytes", {0x1AB1}, &StandardTable(), Bytes({0x1A, 0xB1})},
      {"unknown code with zero low byte", {0x4100}, &StandardTable(), Bytes({0x41})},
      {"no table: own bytes", {0xAC00, 0xB098, 32}, &NoTable(), Bytes({0xAC, 0xB0, 0x98, 0x20})},
      {"no table: jamo", {0x1100, 0x1161}, &NoTable(), Bytes({0x11, 0x11, 0x61})},
      {"empty text", {}, &StandardTable(), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(EucText(c.text, *c.table), c.bytes) << c.what;
}

TEST(CopyUnicode, TakesTheLow16BitsOfEveryEntry) {
  EXPECT_EQ(Utf16Text(kDaRaSpaceGa), (std::u16string{0xB2E4, 0xB77C, 0x20, 0xAC00}));
  EXPECT_EQ(Utf16Text({70000, -5, 0, 0xD800}), (std::u16string{0x1170, 0xFFFB, 0, 0xD800}));
  EXPECT_EQ(Utf16Text({}), u"");
}

TEST(CopyRefs, FormatsEveryEntryInFull32Bits) {
  struct Case {
    TTextList text;
    const char* dec;
    const char* hex;
  } const cases[] = {
      {kDaRaSpaceGa, "&#45796;&#46972; &#44032;", "&#xb2e4;&#xb77c; &#xac00;"},
      {{32, 0xAC00, 32, 32}, " &#44032;  ", " &#xac00;  "},
      {{70000, -5, 0}, "&#70000;&#-5;&#0;", "&#x11170;&#xfffffffb;&#x0;"},
      {{INT32_MIN, INT32_MAX}, "&#-2147483648;&#2147483647;", "&#x80000000;&#x7fffffff;"},
      {{}, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RefText(c.text, TRefForm::Dec), c.dec);
    EXPECT_EQ(RefText(c.text, TRefForm::Hex), c.hex);
  }
}

TEST(RefFile, IsTheReferenceLineEndedByCrLfOrNothingForAnEmptyText) {
  EXPECT_EQ(RefFileContent(kDaRaSpaceGa, TRefForm::Dec), "&#45796;&#46972; &#44032;\r\n");
  EXPECT_EQ(RefFileContent(kDaRaSpaceGa, TRefForm::Hex), "&#xb2e4;&#xb77c; &#xac00;\r\n");
  EXPECT_EQ(RefFileContent({32}, TRefForm::Dec), " \r\n");
  EXPECT_EQ(RefFileContent({}, TRefForm::Hex), "");
}

TEST(RefFile, ContentPastesBackToTheSameText) {
  const TTextList text{32, 0xB2E4, 32, 32, 70000, -5, 0, INT32_MIN, 13, 10, 0xAC00, 32};
  for (auto form : {TRefForm::Dec, TRefForm::Hex}) {
    TTextList back;
    ParseRefs(RefFileContent(text, form), back);
    EXPECT_EQ(back, text);
  }
}

}  // namespace
