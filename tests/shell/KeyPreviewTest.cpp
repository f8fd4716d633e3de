#include <gtest/gtest.h>
#include "Commands.h"
#include "KeyPreview.h"
#include "Layout.h"

namespace {

int IdOf(const char* name) {
  const TControlRow* row = FindControl(MainLayout, name);
  return row ? row->Id : -1;
}

TEST(KeyPreview, FocusAndConsumption) {
  struct Case {
    uint16_t Key;
    bool Shift, Ctrl;
    const char* Focus;  // nullptr: the key is not ours
    bool Consume;
    TKeyKind Kind;
  } cases[] = {
      {'R', false, false, "bbG", false, TKeyKind::Jamo},
      {'R', true, false, "bbGG", false, TKeyKind::Jamo},
      {'W', true, false, "bbJJ", false, TKeyKind::Jamo},
      {'A', true, false, "bbM", false, TKeyKind::Jamo},
      {'E', false, true, "bbD", false, TKeyKind::Jamo},
      {'C', false, true, "btCopy", false, TKeyKind::Copy},
      {'V', true, true, "btPaste", false, TKeyKind::Paste},
      {' ', false, false, "btSpace", true, TKeyKind::Space},
      {' ', true, true, "btSpace", true, TKeyKind::Space},
      {8, false, false, "btBack", false, TKeyKind::BackSpace},
      {13, false, false, nullptr, false, TKeyKind::None},
      {'1', false, false, nullptr, false, TKeyKind::None},
      {0x25 /* left arrow */, false, false, nullptr, false, TKeyKind::None},
      {0x70 /* F1 */, false, false, nullptr, false, TKeyKind::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << " shift " << c.Shift << " ctrl " << c.Ctrl);
    TKeyPreview p = PreviewKey(c.Key, c.Shift, c.Ctrl);
    EXPECT_EQ(p.Action.Kind, c.Kind);
    EXPECT_EQ(p.FocusId, c.Focus ? IdOf(c.Focus) : 0);
    EXPECT_EQ(p.Consume, c.Consume);
  }
}

// Every button the key table names must exist in the window, or the key
// would do nothing.
TEST(KeyPreview, EveryMappedKeyReachesAControl) {
  for (int key = 0; key < 256; ++key)
    for (int mods = 0; mods < 4; ++mods) {
      bool shift = mods & 1, ctrl = mods & 2;
      TKeyPreview p = PreviewKey(static_cast<uint16_t>(key), shift, ctrl);
      if (p.Action.Kind == TKeyKind::None) continue;
      EXPECT_NE(p.FocusId, 0) << key << " " << mods;
      if (p.Action.Kind == TKeyKind::Jamo) {
        EXPECT_EQ(p.FocusId, JamoButtonId(p.Action.Tag)) << key;
      }
    }
}

}  // namespace
