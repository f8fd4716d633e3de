#include "Glyphs.h"

#include <algorithm>
#include <cstring>

using namespace GlyphGeometry;

namespace {

// Where an entry's picture comes from; entries without one leave their cell blank.
struct TGlyphChoice {
  enum { None, Jamo, Syllable } Kind = None;
  int Index = 0;  // jamo glyph number 0..39 or syllable number 0..11171
};

constexpr int32_t FirstConjoiningJamo = 0x1100;  // glyph number 0
constexpr int32_t LastInitialRange = 0x1160;
constexpr int32_t FirstMedialJamo = 0x1161;      // glyph number 19
constexpr int32_t LastJamoRange = 9999;
constexpr int FirstVowelGlyph = 19;

// Codes U+1100..U+1127 all reach a picture: the pictures are numbered in one
// run, so the codes past the initials (U+1113..) show the vowel pictures.
TGlyphChoice ChooseGlyph(int32_t code) {
  if (code < FirstConjoiningJamo) return {};  // also 0, space and negative values
  if (code <= LastJamoRange) {
    const int n = code <= LastInitialRange ? code - FirstConjoiningJamo
                                           : code - FirstMedialJamo + FirstVowelGlyph;
    if (n >= TGlyphs::JamoCount) return {};
    return {TGlyphChoice::Jamo, n};
  }
  const int32_t s = code - FirstSyllable;
  if (s < 0 || s / SyllablesPerAtlas >= TGlyphs::AtlasCount) return {};
  return {TGlyphChoice::Syllable, static_cast<int>(s)};
}

// Byte b of a row of bits as 8 pixels of 0/1.
constexpr std::array<std::array<uint8_t, 8>, 256> MakeByteSpread() {
  std::array<std::array<uint8_t, 8>, 256> table{};
  for (int b = 0; b < 256; ++b)
    for (int i = 0; i < 8; ++i) table[b][i] = static_cast<uint8_t>((b >> i) & 1);
  return table;
}
constexpr auto ByteSpread = MakeByteSpread();

constexpr int JamoLeftInset = (TStrip::CellPitch - JamoSize) / 2;   // 4
constexpr int JamoTop = (TStrip::Height - JamoSize) / 2 - 2;        // 2: bottom level with a syllable's
// Glyphs only ever reach rows 0..17; the rows below stay blank for good.
constexpr int InkRows = SyllableSize;
static_assert(JamoTop + JamoSize <= InkRows);
constexpr int VisibleCells = (TStrip::Width + TStrip::CellPitch - 1) / TStrip::CellPitch;  // 23

}  // namespace

void TStrip::DrawText(const TTextList* list, const TGlyphs& glyphs) {
  FBits = {};
  if (list && glyphs.Loaded()) {
    // Cells past the right edge are never drawn, so a long text costs no more
    // than a full strip.
    const size_t visible = std::min(list->size(), static_cast<size_t>(VisibleCells));
    for (size_t i = 0; i < visible; ++i) {
      const TGlyphChoice glyph = ChooseGlyph((*list)[i]);
      const int left = CellPitch * static_cast<int>(i);
      if (glyph.Kind == TGlyphChoice::Syllable)
        Place(glyphs.SyllableRows(glyph.Index), SyllableSize, left, 0);
      else if (glyph.Kind == TGlyphChoice::Jamo)
        Place(glyphs.JamoRows(glyph.Index), JamoSize, left + JamoLeftInset, JamoTop);
    }
  }
  ExpandRows();  // pixels past x = 545 in the last word are never expanded
}

// Cells never overlap and the strip starts blank, so OR-ing a glyph in gives
// the same pixels as copying its block over.
void TStrip::Place(const TGlyphRow* rows, int rowCount, int left, int top) {
  const int word = left / 64, shift = left % 64;
  for (int y = 0; y < rowCount; ++y) {
    const uint64_t mask = rows[y];
    auto& row = FBits[top + y];
    row[word] |= mask << shift;
    if (shift != 0 && word + 1 < WordsPerRow) row[word + 1] |= mask >> (64 - shift);
  }
}

void TStrip::ExpandRows() {
  for (int y = 0; y < InkRows; ++y) {
    uint8_t* out = FBytes[y].data();
    for (int b = 0; b < Width / 8; ++b) {
      const auto byte = static_cast<uint8_t>(FBits[y][b / 8] >> (8 * (b % 8)));
      std::memcpy(out + 8 * b, ByteSpread[byte].data(), 8);
    }
    for (int x = Width / 8 * 8; x < Width; ++x) out[x] = (FBits[y][x / 64] >> (x % 64)) & 1;
  }
}

bool TStrip::Ink(int x, int y) const {
  return x >= 0 && x < Width && y >= 0 && y < Height && FBytes[y][x] != 0;
}

const uint8_t* TStrip::Row(int y) const {
  return y >= 0 && y < Height ? FBytes[y].data() : nullptr;
}
