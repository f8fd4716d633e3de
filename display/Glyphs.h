#pragma once
// The program's own glyphs: 19 syllable atlases (774 x 498, 1 bit) and the
// 40 jamo pictures (16 x 16 consonants, 18 x 18 vowels), decoded once.
// Resource / file base names: atlases "imG" ... "imH" (atlas order), jamo
// pictures "bbG" ... "bbI" (glyph-number order); files are <name>.bmp.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TInkBitmap {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Ink;  // Width * Height, row-major from the top, 1 = ink
  bool At(int x, int y) const { return Ink[static_cast<size_t>(y) * Width + x] != 0; }
};

class TGlyphs {
public:
  using TFetch = std::function<std::vector<uint8_t>(std::string_view name)>;
  bool Load(const TFetch& fetch);  // false when any picture is missing or malformed
  bool LoadFromDirectory(const std::filesystem::path& dir);

  static constexpr int AtlasCount = 19, JamoCount = 40;
  const TInkBitmap& Atlas(int a) const;   // 0..18
  const TInkBitmap& Jamo(int n) const;    // 0..39, full picture
  static const char* AtlasName(int a);
  static const char* JamoName(int n);
};

class TStrip {
public:
  static constexpr int Width = 545, Height = 24;
  // Rebuilds the whole strip from the list; nullptr draws it empty.
  void DrawText(const TTextList* list, const TGlyphs& glyphs);
  bool Ink(int x, int y) const;
  const uint8_t* Row(int y) const;  // Width bytes, 1 = ink
};
