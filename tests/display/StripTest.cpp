// The text strip: which codes draw what, where, and what the right edge cuts.
#include "GlyphFixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>

namespace {

struct TRect {
  int Left, Top, Right, Bottom;  // right and bottom exclusive
  bool Holds(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

TRect SyllableCell(int i) { return {24 * i, 0, 24 * i + 18, 18}; }
TRect JamoCell(int i) { return {24 * i + 4, 2, 24 * i + 20, 18}; }

// Every strip pixel is ink exactly when one of the rectangles holds it.
void ExpectInkExactly(const TStrip& strip, const std::vector<TRect>& rects) {
  int wrong = 0;
  for (int y = 0; y < TStrip::Height; ++y)
    for (int x = 0; x < TStrip::Width; ++x) {
      bool expected = false;
      for (const TRect& r : rects) expected = expected || r.Holds(x, y);
      if (strip.Ink(x, y) != expected && ++wrong <= 5)
        ADD_FAILURE() << "pixel " << x << "," << y << " should be " << (expected ? "ink" : "blank");
    }
  EXPECT_EQ(wrong, 0);
}

std::unique_ptr<TStrip> Draw(const TTextList* list, const TGlyphs& glyphs) {
  auto strip = std::make_unique<TStrip>();
  strip->DrawText(list, glyphs);
  return strip;
}

enum class TShows { Blank, Jamo, Syllable };

TEST(Strip, EachCodeRangeDrawsItsKindOfGlyphAndTakesOneCell) {
  const struct {
    int32_t Code;
    TShows Shows;
  } cases[] = {
      {0, TShows::Blank},          {32, TShows::Blank},         {0x41, TShows::Blank},
      {-1, TShows::Blank},         {INT32_MIN, TShows::Blank},  {0x10FF, TShows::Blank},
      {0x1100, TShows::Jamo},      {0x1112, TShows::Jamo},      {0x1113, TShows::Jamo},
      {0x1127, TShows::Jamo},      {0x1128, TShows::Blank},     {0x1160, TShows::Blank},
      {0x1161, TShows::Jamo},      {0x1175, TShows::Jamo},      {0x1176, TShows::Blank},
      {0x11A8, TShows::Blank},     {0x3131, TShows::Blank},     {9999, TShows::Blank},
      {10000, TShows::Blank},      {0xABFF, TShows::Blank},     {0xAC00, TShows::Syllable},
      {0xD7A3, TShows::Syllable},  {0xD7A4, TShows::Blank},     {0xFFFF, TShows::Blank},
      {0x1AC00, TShows::Blank},    {INT32_MAX, TShows::Blank},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.Code);
    const TTextList text{c.Code, 0xAC00};  // the syllable must land in cell 1 whatever came first
    std::vector<TRect> expected{SyllableCell(1)};
    if (c.Shows == TShows::Jamo) expected.push_back(JamoCell(0));
    if (c.Shows == TShows::Syllable) expected.push_back(SyllableCell(0));
    ExpectInkExactly(*Draw(&text, SolidGlyphs()), expected);
  }
}

// The shipped pictures arrive pixel for pixel: cell i of the strip equals the
// named picture's block, and nothing else is drawn.
TEST(Strip, CopiesTheRightBlockOfTheRightPicture) {
  const struct {
    int32_t Code;
    const char* Picture;
    int SourceX, SourceY, Size;
  } cases[] = {
      {0xAC00, "imG", 0, 0, 18},     // 가
      {0xAC01, "imG", 28, 0, 18},    // 각
      {0xAC1C, "imG", 0, 24, 18},    // 개
      {0xAE4C, "imGG", 0, 0, 18},    // 까
      {0xC9DC, "imJJ", 0, 0, 18},    // 짜
      {0xD55C, "imH", 112, 0, 18},   // 한
      {0xD7A3, "imH", 756, 480, 18}, // 힣
      {0x1100, "bbG", 0, 0, 16},     // ㄱ
      {0x110D, "bbJJ", 0, 0, 16},    // ㅉ
      {0x1162, "bbAE1", 0, 0, 16},   // ㅐ
      {0x1175, "bbI", 0, 0, 16},     // ㅣ
      {0x1113, "bbA", 0, 0, 16},     // past the initials: vowel pictures from glyph 19 on
      {0x1127, "bbI", 0, 0, 16},
  };
  TTextList text;
  for (const auto& c : cases) text.push_back(c.Code);
  const auto strip = Draw(&text, ShippedGlyphs());

  std::vector<std::vector<uint8_t>> expected(TStrip::Height, std::vector<uint8_t>(TStrip::Width, 0));
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    const TInkBitmap picture = DecodeShipped(c.Picture);
    const TRect to = c.Size == 18 ? SyllableCell(static_cast<int>(i)) : JamoCell(static_cast<int>(i));
    for (int y = 0; y < c.Size; ++y)
      for (int x = 0; x < c.Size; ++x)
        expected[to.Top + y][to.Left + x] = picture.At(c.SourceX + x, c.SourceY + y);
  }
  for (int y = 0; y < TStrip::Height; ++y)
    for (int x = 0; x < TStrip::Width; ++x)
      ASSERT_EQ(strip->Ink(x, y), expected[y][x] != 0) << "pixel " << x << "," << y << " (cell " << x / 24 << ")";
}

TEST(Strip, RightEdgeCutsCell22AndHidesEverythingAfter) {
  std::vector<TRect> fullCells;
  for (int i = 0; i < 22; ++i) fullCells.push_back(SyllableCell(i));

  TTextList syllables(23, 0xAC00);
  auto expected = fullCells;
  expected.push_back({528, 0, 545, 18});  // 17 of 18 columns
  ExpectInkExactly(*Draw(&syllables, SolidGlyphs()), expected);

  TTextList endsInJamo(22, 0xAC00);
  endsInJamo.push_back(0x1100);
  expected = fullCells;
  expected.push_back({532, 2, 545, 18});  // 13 of 16 columns
  ExpectInkExactly(*Draw(&endsInJamo, SolidGlyphs()), expected);

  // The composing syllable at the end of a long text is out of sight, and a
  // huge text draws exactly what its first 23 entries do.
  TTextList huge(1'000'000, 0xAC00);
  huge.back() = 0x1100;
  for (int i = 0; i < 22; ++i) huge[i * 2] = 32;
  TTextList head(huge.begin(), huge.begin() + 23);
  const auto hugeStrip = Draw(&huge, ShippedGlyphs());
  const auto headStrip = Draw(&head, ShippedGlyphs());
  for (int y = 0; y < TStrip::Height; ++y)
    ASSERT_EQ(0, std::memcmp(hugeStrip->Row(y), headStrip->Row(y), TStrip::Width)) << "row " << y;
}

TEST(Strip, EveryDrawStartsFromABlankStrip) {
  const TTextList text(30, 0xD7A3), empty, blanks{32, 0, 0x41};
  const TGlyphs unloaded;
  const struct {
    const char* Name;
    const TTextList* List;
    const TGlyphs* Glyphs;
  } cases[] = {
      {"no list", nullptr, &SolidGlyphs()},
      {"empty list", &empty, &SolidGlyphs()},
      {"only blanks", &blanks, &SolidGlyphs()},
      {"glyphs not loaded", &text, &unloaded},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TStrip strip;
    strip.DrawText(&text, SolidGlyphs());
    strip.DrawText(c.List, *c.Glyphs);
    ExpectInkExactly(strip, {});
  }
}

}  // namespace
