// The shipped artwork keeps its geometry, and loading keeps every pixel and
// refuses incomplete or broken sets.
#include "GlyphFixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace GlyphGeometry;

bool InSomeCell(int x, int y) {
  return x % AtlasColumnPitch < SyllableSize && y % AtlasRowPitch < SyllableSize;
}

TEST(ShippedGlyphs, EveryAtlasCellHasInkAndNoInkLiesOutsideTheCells) {
  for (int a = 0; a < TGlyphs::AtlasCount; ++a) {
    SCOPED_TRACE(TGlyphs::AtlasName(a));
    const TInkBitmap atlas = DecodeShipped(TGlyphs::AtlasName(a));
    ASSERT_EQ(atlas.Width, AtlasWidth);
    ASSERT_EQ(atlas.Height, AtlasHeight);
    std::vector<int> inkPerCell(SyllablesPerAtlas, 0);
    int strayInk = 0;
    for (int y = 0; y < AtlasHeight; ++y)
      for (int x = 0; x < AtlasWidth; ++x) {
        if (!atlas.At(x, y)) continue;
        if (!InSomeCell(x, y)) ++strayInk;
        else ++inkPerCell[(y / AtlasRowPitch) * AtlasColumns + x / AtlasColumnPitch];
      }
    EXPECT_EQ(strayInk, 0);
    for (int cell = 0; cell < SyllablesPerAtlas; ++cell)
      EXPECT_GT(inkPerCell[cell], 0) << "row " << cell / AtlasColumns << " column " << cell % AtlasColumns;
  }
}

// The strip shows only the top-left 16 x 16 of a picture, so the letter must
// sit there whole.
TEST(ShippedGlyphs, JamoPicturesHaveTheirSizeAndAllInkInTheShownSquare) {
  for (int n = 0; n < TGlyphs::JamoCount; ++n) {
    SCOPED_TRACE(TGlyphs::JamoName(n));
    const TInkBitmap picture = DecodeShipped(TGlyphs::JamoName(n));
    ASSERT_EQ(picture.Width, PictureSize(n));
    ASSERT_EQ(picture.Height, PictureSize(n));
    int shown = 0, hidden = 0;
    for (int y = 0; y < picture.Height; ++y)
      for (int x = 0; x < picture.Width; ++x)
        if (picture.At(x, y)) ++(x < JamoSize && y < JamoSize ? shown : hidden);
    EXPECT_GT(shown, 0);
    EXPECT_EQ(hidden, 0);
  }
}

TEST(GlyphLoading, KeepsEveryPixelOfTheFiles) {
  const TGlyphs& glyphs = ShippedGlyphs();
  ASSERT_TRUE(glyphs.Loaded());
  for (int a = 0; a < TGlyphs::AtlasCount; ++a)
    EXPECT_EQ(glyphs.Atlas(a).Ink, DecodeShipped(TGlyphs::AtlasName(a)).Ink) << TGlyphs::AtlasName(a);
  for (int n = 0; n < TGlyphs::JamoCount; ++n)
    EXPECT_EQ(glyphs.Jamo(n).Ink, DecodeShipped(TGlyphs::JamoName(n)).Ink) << TGlyphs::JamoName(n);
  EXPECT_TRUE(glyphs.Atlas(19).Ink.empty());
  EXPECT_TRUE(glyphs.Jamo(-1).Ink.empty());
}

TEST(GlyphLoading, RefusesAnIncompleteOrBrokenSetAndKeepsWhatItHad) {
  const auto withoutLastByte = [](std::vector<uint8_t> file) {
    file.pop_back();
    return file;
  };
  const auto blankSquare = [](int size) {
    return MakeBmp({size, size, 24, false, true}, [](int, int) { return false; });
  };
  const struct {
    const char* Name;
    const char* Picture;
    std::vector<uint8_t> Replacement;
  } cases[] = {
      {"missing atlas", "imH", {}},
      {"missing jamo picture", "bbI", {}},
      {"truncated atlas", "imG", withoutLastByte(SolidPicture("imG"))},
      {"vowel picture of consonant size", "bbA", blankSquare(16)},
      {"consonant picture of vowel size", "bbH", blankSquare(18)},
      {"atlas one row short", "imJJ",
       MakeBmp({AtlasWidth, AtlasHeight - 1, 1, false, true}, [](int, int) { return false; })},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TGlyphs glyphs;
    ASSERT_TRUE(glyphs.Load(SolidPicture));
    const auto broken = [&c](std::string_view name) {
      return name == c.Picture ? c.Replacement : SolidPicture(name);
    };
    EXPECT_FALSE(glyphs.Load(broken));
    EXPECT_TRUE(glyphs.Loaded());
    EXPECT_TRUE(glyphs.Jamo(39).At(15, 15)) << "the solid set is still there";

    TGlyphs fresh;
    EXPECT_FALSE(fresh.Load(broken));
    EXPECT_FALSE(fresh.Loaded());
  }
  TGlyphs glyphs;
  EXPECT_FALSE(glyphs.LoadFromDirectory(ShippedGlyphDir() / "no-such-folder"));
}

TEST(GlyphLoading, NamesFollowAtlasAndGlyphNumberOrder) {
  const struct {
    int Number;
    const char* Atlas;
    const char* Jamo;
  } cases[] = {
      {0, "imG", "bbG"},   {1, "imGG", "bbGG"}, {11, "imA", "bbNG"}, {13, "imJJ", "bbJJ"},
      {18, "imH", "bbH"},  {19, nullptr, "bbA"}, {20, nullptr, "bbAE1"}, {39, nullptr, "bbI"},
      {40, nullptr, nullptr}, {-1, nullptr, nullptr},
  };
  const auto same = [](const char* a, const char* b) {
    return a == b || (a && b && std::strcmp(a, b) == 0);
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(same(TGlyphs::AtlasName(c.Number), c.Atlas)) << c.Number;
    EXPECT_TRUE(same(TGlyphs::JamoName(c.Number), c.Jamo)) << c.Number;
  }
}

}  // namespace
