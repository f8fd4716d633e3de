// Clipboard blocks as another program may leave them, read under Wine: the
// reader stops at the first terminator or at the block's end, whichever comes
// first. Wine terminates CF_TEXT blocks itself, so the raw blocks go under a
// private format that it leaves alone.
#include <gtest/gtest.h>
#include <string>
#include "ClipboardIO.h"
#include "WinHandles.h"

namespace {

class ClipboardIO : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(clipboard.IsOpen());
    EmptyClipboard();
  }
  void PutRaw(const std::string& block) {
    EmptyClipboard();
    SetClipboardBytes(raw, block.data(), block.size());
  }
  TClipboard clipboard{nullptr};
  UINT raw = RegisterClipboardFormatW(L"Tolvex raw test block");
};

TEST_F(ClipboardIO, TextStopsAtTheTerminatorOrTheBlockEnd) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("ABC", 3), "ABC"},  // no terminator
      {std::string("AB\0CD", 5), "AB"},
      {std::string("\xB4\xD9\x20", 3), "\xB4\xD9\x20"},
      {std::string("\0X", 2), ""},
  };
  for (const auto& [block, text] : cases) {
    PutRaw(block);
    EXPECT_EQ(ClipboardText(raw), text);
  }
}

TEST_F(ClipboardIO, UnicodeReadsWholeUnitsOnly) {
  const std::pair<std::string, std::u16string> cases[] = {
      {std::string("\xE4\xB2\x7C\xB7", 4), u"\xB2E4\xB77C"},  // no terminator
      {std::string("A\0B", 3), u"A"},                          // odd size: the half unit is dropped
      {std::string("A\0\0\0B\0", 6), u"A"},
  };
  for (const auto& [block, units] : cases) {
    PutRaw(block);
    EXPECT_EQ(ClipboardUnicode(raw), units);
  }
}

TEST_F(ClipboardIO, MissingFormatReadsAsEmpty) {
  EXPECT_EQ(ClipboardText(), "");
  EXPECT_EQ(ClipboardUnicode(), u"");
  EXPECT_TRUE(ClipboardBlock(raw).empty());
}

TEST_F(ClipboardIO, TextGoesOnWithItsTerminator) {
  SetClipboardText("&#45796;");
  std::vector<uint8_t> block = ClipboardBlock(CF_TEXT);
  ASSERT_GE(block.size(), 9u);
  EXPECT_EQ(block[8], 0);
  EXPECT_EQ(ClipboardText(), "&#45796;");
}

}  // namespace
