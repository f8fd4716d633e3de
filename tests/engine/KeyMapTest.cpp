#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Jamo.h"
#include "KeyMap.h"
#include "KeyStrokes.h"

namespace {

struct TKeyCase {
  uint16_t Key;
  bool Shift, Ctrl;
  TKeyKind Kind;
  int Tag;
  const char* Button;
};

TEST(KeyMap, Table) {
  const TKeyCase cases[] = {
      {'R', false, false, TKeyKind::Jamo, 1, "bbG"},
      {'R', true, false, TKeyKind::Jamo, 2, "bbGG"},
      {'E', false, false, TKeyKind::Jamo, 4, "bbD"},
      {'E', true, false, TKeyKind::Jamo, 5, "bbDD"},
      {'Q', true, false, TKeyKind::Jamo, 9, "bbBB"},
      {'T', true, false, TKeyKind::Jamo, 11, "bbSS"},
      {'W', true, false, TKeyKind::Jamo, 14, "bbJJ"},
      {'O', false, false, TKeyKind::Jamo, 51, "bbAE1"},
      {'O', true, false, TKeyKind::Jamo, 53, "bbYAE1"},
      {'P', false, false, TKeyKind::Jamo, 55, "bbOE1"},
      {'P', true, false, TKeyKind::Jamo, 57, "bbYOE1"},
      {'A', true, false, TKeyKind::Jamo, 7, "bbM"},      // no second column: same jamo
      {'K', true, false, TKeyKind::Jamo, 50, "bbA"},
      {'B', false, false, TKeyKind::Jamo, 67, "bbYU"},
      {'H', false, false, TKeyKind::Jamo, 58, "bbO2"},
      {'Y', false, false, TKeyKind::Jamo, 62, "bbYO2"},
      {'Z', false, false, TKeyKind::Jamo, 16, "bbKH"},
      {'C', false, false, TKeyKind::Jamo, 15, "bbCH"},
      {'V', true, false, TKeyKind::Jamo, 18, "bbPH"},
      {'C', false, true, TKeyKind::Copy, 0, "btCopy"},
      {'C', true, true, TKeyKind::Copy, 0, "btCopy"},
      {'V', false, true, TKeyKind::Paste, 0, "btPaste"},
      {'V', true, true, TKeyKind::Paste, 0, "btPaste"},
      {'E', false, true, TKeyKind::Jamo, 4, "bbD"},      // Ctrl matters for C and V only
      {'E', true, true, TKeyKind::Jamo, 5, "bbDD"},
      {8, false, false, TKeyKind::BackSpace, 0, "btBack"},
      {8, true, true, TKeyKind::BackSpace, 0, "btBack"},
      {32, false, false, TKeyKind::Space, 0, "btSpace"},
      {32, true, false, TKeyKind::Space, 0, "btSpace"},
  };
  for (const TKeyCase& c : cases) {
    const TKeyAction action = MapKey(c.Key, c.Shift, c.Ctrl);
    const std::string what = std::string(1, static_cast<char>(c.Key)) + (c.Shift ? " shift" : "") + (c.Ctrl ? " ctrl" : "");
    EXPECT_EQ(action.Kind, c.Kind) << what;
    EXPECT_EQ(action.Tag, c.Tag) << what;
    ASSERT_NE(action.Button, nullptr) << what;
    EXPECT_STREQ(action.Button, c.Button) << what;
  }
}

TEST(KeyMap, EveryLetterReachesAButtonAndShiftOnlyChangesSeven) {
  std::string shifted;
  for (uint16_t key = 'A'; key <= 'Z'; ++key) {
    const TKeyAction plain = MapKey(key, false, false), shift = MapKey(key, true, false);
    ASSERT_EQ(plain.Kind, TKeyKind::Jamo);
    ASSERT_EQ(shift.Kind, TKeyKind::Jamo);
    ASSERT_NE(JamoByTag(plain.Tag), nullptr);
    EXPECT_STREQ(plain.Button, JamoByTag(plain.Tag)->Button);
    EXPECT_STREQ(shift.Button, JamoByTag(shift.Tag)->Button);
    if (plain.Tag != shift.Tag) shifted += static_cast<char>(key);
  }
  EXPECT_EQ(shifted, "EOPQRTW");
}

// Caps Lock never changes the virtual-key code of a letter, so the codes
// just above the letters are other keys (numeric pad, function keys) and
// must not be read as lower-case letters.
TEST(KeyMap, KeysOutsideTheTableDoNothing) {
  const uint16_t keys[] = {0, 9, 13, 27, 37, 40, '0', '9', 'A' - 1, 'Z' + 1, 0x61, 0x72, 0x7A,
                           0xBA, 0xBC, 0xDE, 0xE5, 0xFFFF};
  for (uint16_t key : keys)
    for (int mods = 0; mods < 4; ++mods) {
      const TKeyAction action = MapKey(key, mods & 1, mods & 2);
      EXPECT_EQ(action.Kind, TKeyKind::None) << key;
      EXPECT_EQ(action.Button, nullptr) << key;
    }
}

TEST(KeyMap, HeldKeyRepeats) {
  EXPECT_EQ(Typed("rkkkk"), u"가\u1161\u1161\u1161");
}

}  // namespace
