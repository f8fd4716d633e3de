#include <gtest/gtest.h>

#include "Jamo.h"
#include "Keybord.h"

namespace {

TEST(Codes, FinalIndex) {
  struct { int First, Following, Expected; } cases[] = {
      {1, 0, 1}, {2, 0, 2}, {3, 0, 4}, {19, 0, 27}, {12, 0, 21},
      {5, 0, 0}, {9, 0, 0}, {14, 0, 0},          // ㄸ ㅃ ㅉ cannot close a syllable
      {0, 0, 0}, {20, 0, 0}, {-1, 0, 0}, {50, 0, 0}, {127, 0, 0},
      {1, 10, 3}, {10, 1, 0}, {1, 1, 0},          // order matters; ㄱ ㄱ is not ㄲ
      {3, 13, 5}, {3, 19, 6}, {6, 1, 9}, {6, 7, 10}, {6, 8, 11}, {6, 10, 12},
      {6, 17, 13}, {6, 18, 14}, {6, 19, 15}, {8, 10, 18},
      {6, 4, 0}, {8, 8, 0}, {3, 3, 0}, {6, 50, 0},
  };
  for (auto c : cases)
    EXPECT_EQ(TKeyboard::FinalIndex(c.First, c.Following), c.Expected) << c.First << "," << c.Following;
}

TEST(Codes, ExactlyElevenCompoundFinalsAndSevenCompoundVowels) {
  int finals = 0, vowels = 0;
  for (int a = -128; a < 128; ++a)
    for (int b = -128; b < 128; ++b) {
      if (b != 0 && TKeyboard::FinalIndex(a, b) != 0) ++finals;
      if (TKeyboard::CombineVowel(a, b) != 0) ++vowels;
    }
  EXPECT_EQ(finals, 11);
  EXPECT_EQ(vowels, 7);
}

TEST(Codes, CombineVowel) {
  struct { int First, Following, Expected; } cases[] = {
      {58, 50, 59}, {58, 51, 60}, {58, 70, 61}, {63, 54, 64}, {63, 55, 65}, {63, 70, 66}, {68, 70, 69},
      {50, 58, 0}, {59, 70, 0}, {60, 70, 0}, {58, 58, 0}, {1, 50, 0}, {58, 1, 0}, {0, 0, 0},
  };
  for (auto c : cases)
    EXPECT_EQ(TKeyboard::CombineVowel(c.First, c.Following), c.Expected) << c.First << "," << c.Following;
}

TEST(Codes, SyllableAndLoneCodes) {
  EXPECT_EQ(SyllableCode(1, 50, 0), 0xAC00);
  EXPECT_EQ(SyllableCode(19, 70, 27), 0xD7A3);
  EXPECT_EQ(SyllableCode(19, 50, 4), 0xD55C);
  EXPECT_EQ(SyllableCode(4, 50, 9), 0xB2ED);
  // The same as the Unicode composition rule for every tag combination.
  for (int c = 1; c <= 19; ++c)
    for (int v = 50; v <= 70; ++v)
      for (int t = 0; t <= 27; ++t)
        ASSERT_EQ(SyllableCode(c, v, t), 0xAC00 + ((c - 1) * 21 + (v - 50)) * 28 + t);
  EXPECT_EQ(LoneCode(1), 0x1100);
  EXPECT_EQ(LoneCode(19), 0x1112);
  EXPECT_EQ(LoneCode(50), 0x1161);
  EXPECT_EQ(LoneCode(70), 0x1175);
}

TEST(Codes, JamoTableIsInGlyphOrder) {
  for (int i = 0; i < JamoCount; ++i) {
    const TJamo& jamo = Jamos[i];
    EXPECT_EQ(jamo.Glyph, i);
    EXPECT_EQ(JamoByTag(jamo.Tag), &jamo);
    EXPECT_EQ(JamoByButton(jamo.Button), &jamo);
    // The glyph number is the jamo's place in the Unicode conjoining order.
    const int32_t first = IsConsonantTag(jamo.Tag) ? 0x1100 : 0x1161 - 19;
    EXPECT_EQ(LoneCode(jamo.Tag) - first, jamo.Glyph) << jamo.Button;
  }
  EXPECT_EQ(JamoByTag(0), nullptr);
  EXPECT_EQ(JamoByTag(20), nullptr);
  EXPECT_EQ(JamoByTag(71), nullptr);
  EXPECT_EQ(JamoByButton("bbX"), nullptr);
  EXPECT_STREQ(JamoByTag(69)->Button, "bbUI2");
}

}  // namespace
