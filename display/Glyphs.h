#pragma once
// The program's own glyphs: 19 syllable atlases (774 x 498, 1 bit) and the
// 40 jamo pictures (16 x 16 consonants, 18 x 18 vowels), decoded once.
// Resource / file base names: atlases "imG" ... "imH" (atlas order), jamo
// pictures "bbG" ... "bbI" (glyph-number order); files are <name>.bmp.
#include "TextList.h"

#include <array>
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

// Atlas geometry: cell (row r, column c) of atlas a is the 18 x 18 square at
// (28c, 24r) and holds U+AC00 + 588a + 28r + c.
namespace GlyphGeometry {
constexpr int SyllableSize = 18, JamoSize = 16;  // JamoSize: the part the strip shows
constexpr int AtlasColumnPitch = 28, AtlasRowPitch = 24;
constexpr int AtlasColumns = 28, AtlasRows = 21;
constexpr int AtlasWidth = 774, AtlasHeight = 498;
constexpr int SyllablesPerAtlas = AtlasColumns * AtlasRows;  // 588
constexpr int32_t FirstSyllable = 0xAC00;
constexpr int ConsonantPictureSize = 16, VowelPictureSize = 18;
constexpr int ConsonantCount = 19;
}  // namespace GlyphGeometry

// One glyph row as a bit mask, bit x = pixel x from the glyph's left edge.
using TGlyphRow = uint32_t;

class TGlyphs {
public:
  using TFetch = std::function<std::vector<uint8_t>(std::string_view name)>;
  // Decodes all 59 pictures, fetched by base name (empty = missing). False
  // when any is missing, malformed or of the wrong size; the glyphs loaded
  // before, if any, are kept then.
  bool Load(const TFetch& fetch);
  bool LoadFromDirectory(const std::filesystem::path& dir);
  bool Loaded() const { return FLoaded; }

  static constexpr int AtlasCount = 19, JamoCount = 40;
  TInkBitmap Atlas(int a) const;          // 0..18, rebuilt from the cells; empty otherwise
  const TInkBitmap& Jamo(int n) const;    // 0..39, full picture; empty otherwise
  static const char* AtlasName(int a);    // nullptr outside 0..18
  static const char* JamoName(int n);     // nullptr outside 0..39

  // What the strip copies: 18 rows of syllable s (0..11171) and the 16 rows
  // of the top-left 16 x 16 of jamo picture n (0..39). Callers check ranges.
  const TGlyphRow* SyllableRows(int s) const {
    return FSyllableRows.data() + static_cast<size_t>(s) * GlyphGeometry::SyllableSize;
  }
  const TGlyphRow* JamoRows(int n) const { return FJamoRows[n].data(); }

private:
  bool FLoaded = false;
  std::vector<TGlyphRow> FSyllableRows;  // 11172 x 18
  std::array<TInkBitmap, JamoCount> FJamo;
  std::array<std::array<TGlyphRow, GlyphGeometry::JamoSize>, JamoCount> FJamoRows{};
};

// <windows.h> maps DrawText to DrawTextW: code that sees both must
// #undef DrawText after including <windows.h>.
class TStrip {
public:
  static constexpr int Width = 545, Height = 24;
  static constexpr int CellPitch = 24;
  // Rebuilds the whole strip from the list; nullptr draws it empty. Entries
  // whose cells lie wholly past the right edge are never visited.
  void DrawText(const TTextList* list, const TGlyphs& glyphs);
  bool Ink(int x, int y) const;     // false outside the strip
  const uint8_t* Row(int y) const;  // Width bytes, 1 = ink; y in 0..Height-1

private:
  static constexpr int WordsPerRow = (Width + 63) / 64;
  void Place(const TGlyphRow* rows, int rowCount, int left, int top);
  void ExpandRows();

  std::array<std::array<uint64_t, WordsPerRow>, Height> FBits{};  // bit x%64 of word x/64
  std::array<std::array<uint8_t, Width>, Height> FBytes{};
};
