#include <gtest/gtest.h>

#include "Exchange.h"
#include "TableFixture.h"

namespace {

TTextList PasteEucBytes(std::initializer_list<uint8_t> bytes, const TUni2Euc& table = StandardTable()) {
  const std::vector<uint8_t> buffer(bytes);
  TTextList out;
  DecodeEuc(buffer.data(), buffer.size(), table, out);
  return out;
}

TEST(PasteUtf16, TakesEveryUnitUpToTheFirstZero) {
  const char16_t units[] = {0xB2E4, 13, 10, 0xB77C, 0xD800, 'A', 0, 0xAC00};
  TTextList out{1};
  DecodeUtf16(units, std::size(units), out);
  EXPECT_EQ(out, (TTextList{1, 0xB2E4, 13, 10, 0xB77C, 0xD800, 'A'})) << "appends, stops at 0";
  TTextList cut;
  DecodeUtf16(units, 2, cut);
  EXPECT_EQ(cut, (TTextList{0xB2E4, 13})) << "no terminator: stops at the count";
  TTextList none;
  DecodeUtf16(nullptr, 5, none);
  EXPECT_TRUE(none.empty());
}

TEST(PasteEuc, AsciiBytesAreCharactersAndHighBytesLeadPairs) {
  struct Case {
    const char* what;
    std::initializer_list<uint8_t> bytes;
    TTextList text;
  } const cases[] = {
      {"pairs and spaces", {0xB4, 0xD9, 0x20, 0x20, 0xB6, 0xF3}, {0xB2E4, 32, 32, 0xB77C}},
      {"space at the end", {0xB4, 0xD9, 0x20}, {0xB2E4, 32}},
      {"line break", {0xB4, 0xD9, 0x0D, 0x0A}, {0xB2E4, 13, 10}},
      {"ASCII after a pair", {0xB4, 0xD9, 0x41}, {0xB2E4, 65}},
      {"ABCD", {0x41, 0x42, 0x43, 0x44}, {65, 66, 67, 68}},
      {"CP949 trail below 0x80", {0x81, 0x41, 0xC6, 0x52}, {0xAC02, 0xD7A3}},
      {"pair without record", {0xFF, 0xFF, 0xB0, 0xA1}, {32, 0xAC00}},
      {"lone lead at the end", {0xB0, 0xA1, 0xB0}, {0xAC00, 32}},
      {"stops at the first zero", {0xB0, 0xA1, 0x00, 0xB0, 0xA1}, {0xAC00}},
      {"lead before zero ends the scan", {0xB0, 0x00, 0x41}, {32}},
      {"empty", {}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(PasteEucBytes(c.bytes), c.text) << c.what;
}

TEST(PasteEuc, WithoutTableEveryPairIsASpace) {
  EXPECT_EQ(PasteEucBytes({0xB4, 0xD9, 0x20, 0x41, 0xB0, 0xA1}, NoTable()), (TTextList{32, 32, 65, 32}));
}

TEST(PasteEuc, CopyThenPasteGivesTheTextBack) {
  const TTextList text{0xB2E4, 32, 'A', 0xAC02, 0xD7A3, 13, 10, 0x3131};
  const std::string bytes = EucText(text, StandardTable());
  TTextList back;
  DecodeEuc(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), StandardTable(), back);
  EXPECT_EQ(back, text);
}

}  // namespace
