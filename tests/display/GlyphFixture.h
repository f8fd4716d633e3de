#pragma once
// Glyph sets for tests: the shipped pictures from resources/glyphs, and a
// "solid" set whose every picture is wholly black, so the ink in the strip
// shows the exact rectangle each entry drew.
#include "Bmp.h"
#include "BmpFixture.h"
#include "Glyphs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::filesystem::path ShippedGlyphDir() {
  return std::filesystem::path(TOLVEX_SOURCE_DIR) / "resources" / "glyphs";
}

inline std::vector<uint8_t> ReadShippedFile(std::string_view name) {
  std::ifstream in(ShippedGlyphDir() / (std::string(name) + ".bmp"), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decoded straight from the file, independent of how TGlyphs stores it.
inline TInkBitmap DecodeShipped(std::string_view name) {
  TInkBitmap bitmap;
  EXPECT_TRUE(DecodeBmp(ReadShippedFile(name), bitmap)) << name;
  return bitmap;
}

inline const TGlyphs& ShippedGlyphs() {
  static const TGlyphs glyphs = [] {
    TGlyphs g;
    EXPECT_TRUE(g.LoadFromDirectory(ShippedGlyphDir()));
    return g;
  }();
  return glyphs;
}

inline int PictureSize(int jamo) {
  return jamo < GlyphGeometry::ConsonantCount ? GlyphGeometry::ConsonantPictureSize
                                              : GlyphGeometry::VowelPictureSize;
}

inline std::vector<uint8_t> SolidPicture(std::string_view name) {
  const auto all = [](int, int) { return true; };
  for (int n = 0; n < TGlyphs::JamoCount; ++n)
    if (name == TGlyphs::JamoName(n))
      return MakeBmp({PictureSize(n), PictureSize(n), 24, false, true}, all);
  return MakeBmp({GlyphGeometry::AtlasWidth, GlyphGeometry::AtlasHeight, 1, false, true}, all);
}

inline const TGlyphs& SolidGlyphs() {
  static const TGlyphs glyphs = [] {
    TGlyphs g;
    EXPECT_TRUE(g.Load(SolidPicture));
    return g;
  }();
  return glyphs;
}
