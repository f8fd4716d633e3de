#include <gtest/gtest.h>
#include "DialogLogic.h"

namespace {

TEST(PatternChoice, LoadKeepsAGroupWhoseStoredPatternIsOutOfRange) {
  struct Case {
    TPatternFields Stored;
    TPatternChoice Before;
    int CopyChecked, PasteChecked;
    bool CopyClear, PasteClear;
  } cases[] = {
      {{2, 1, 0, 0}, {}, 2, 0, true, false},
      {{7, 0, -1, 5}, {}, -1, -1, false, true},       // first opening: nothing checked
      {{7, 0, 9, 0}, {3, true, 1, true}, 3, 1, false, false},
      {{1, 0, 3, 0}, {0, false, 0, false}, 1, 3, false, false},
  };
  for (const Case& c : cases) {
    TPatternChoice choice = c.Before;
    LoadPatternChoice(c.Stored, choice);
    EXPECT_EQ(choice.CopyChecked, c.CopyChecked);
    EXPECT_EQ(choice.PasteChecked, c.PasteChecked);
    EXPECT_EQ(choice.CopyClear, c.CopyClear);
    EXPECT_EQ(choice.PasteClear, c.PasteClear);
  }
}

TEST(PatternChoice, StoreKeepsAPatternWhenNothingIsChecked) {
  TPatternFields fields{7, 5, 9, 0};
  StorePatternChoice({-1, true, -1, false}, fields);
  EXPECT_EQ(fields.CopyPattern, 7);
  EXPECT_EQ(fields.PastePattern, 9);
  EXPECT_EQ(fields.CopyClear, 1);
  EXPECT_EQ(fields.PasteClear, 0);

  StorePatternChoice({2, false, 0, true}, fields);
  EXPECT_EQ(fields.CopyPattern, 2);
  EXPECT_EQ(fields.PastePattern, 0);
  EXPECT_EQ(fields.CopyClear, 0);
  EXPECT_EQ(fields.PasteClear, 1);
}

TEST(PatternChoice, OnlyTheFourPatternFieldsChange) {
  TSettingData s{2, 0, 0, 0, 0, 1, 180, 1};
  TPatternFields f = PatternFieldsOf(s);
  StorePatternChoice({2, true, 0, false}, f);
  StorePatternFields(f, s);
  EXPECT_EQ(s.CopyPattern, 2);
  EXPECT_EQ(s.CopyClear, 1);
  EXPECT_EQ(s.Version, 2u);
  EXPECT_EQ(s.KeyLayout, 1);
  EXPECT_EQ(s.Alpha, 180);
  EXPECT_EQ(s.CopyMinimize, 1);
}

TEST(OptionDialog, PercentTrackAndLayoutIndex) {
  const std::pair<int64_t, int64_t> percents[] = {
      {100, 39}, {128, 50}, {150, 58}, {200, 78}, {255, 100}, {300, 117}, {0, 0}, {2147483647, 842150449}};
  for (auto [value, percent] : percents) EXPECT_EQ(AlphaPercent(value), percent) << value;

  const std::pair<int32_t, int> tracks[] = {{99, 100}, {100, 100}, {200, 200}, {255, 255}, {300, 255}, {-5, 100}};
  for (auto [alpha, pos] : tracks) EXPECT_EQ(TrackPosition(alpha), pos) << alpha;

  const std::pair<int32_t, int> layouts[] = {{-7, -1}, {-1, -1}, {0, 0}, {1, 1}, {5, 1}};
  for (auto [stored, index] : layouts) EXPECT_EQ(LayoutIndex(stored), index) << stored;
}

TEST(OptionDialog, OkStoresAlphaMinimizeAndLayout) {
  TSettingData s{2, 3, 1, 2, 1, 0, 300, 1};
  StoreOptionResult({255, false, 0}, s);
  EXPECT_EQ(s.Alpha, 255);
  EXPECT_EQ(s.CopyMinimize, 0);
  EXPECT_EQ(s.KeyLayout, 0);
  EXPECT_EQ(s.CopyPattern, 3);
  EXPECT_EQ(s.PasteClear, 1);
}

}  // namespace
