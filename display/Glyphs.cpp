#include "Glyphs.h"

#include "Bmp.h"

#include <fstream>
#include <iterator>

using namespace GlyphGeometry;

namespace {

constexpr const char* AtlasNames[TGlyphs::AtlasCount] = {
    "imG", "imGG", "imN", "imD",  "imDD", "imR", "imM",  "imB",  "imBB", "imS",
    "imSS", "imA", "imJ", "imJJ", "imC",  "imKH", "imTH", "imPH", "imH"};

// Glyph-number order, which is the Unicode conjoining-jamo order.
constexpr const char* JamoNames[TGlyphs::JamoCount] = {
    "bbG",  "bbGG",  "bbN",  "bbD",    "bbDD", "bbL",  "bbM",  "bbB",   "bbBB", "bbS",
    "bbSS", "bbNG",  "bbJ",  "bbJJ",   "bbCH", "bbKH", "bbTH", "bbPH",  "bbH",  "bbA",
    "bbAE1", "bbYA", "bbYAE1", "bbO1", "bbOE1", "bbYO1", "bbYOE1", "bbO2", "bbOA", "bbOAE",
    "bbOI", "bbYO2", "bbU1", "bbUO",   "bbUOI", "bbUI", "bbYU", "bbU2",  "bbUI2", "bbI"};

// No picture of ours comes near this; it keeps a stray large file out of memory.
constexpr std::streamoff MaxPictureFileSize = 4 << 20;

TGlyphRow MaskOfRow(const TInkBitmap& bitmap, int left, int y, int width) {
  TGlyphRow mask = 0;
  for (int x = 0; x < width; ++x)
    if (bitmap.At(left + x, y)) mask |= TGlyphRow{1} << x;
  return mask;
}

bool DecodeSized(const std::vector<uint8_t>& file, int width, int height, TInkBitmap& out) {
  return DecodeBmp(file, out) && out.Width == width && out.Height == height;
}

void PackAtlas(const TInkBitmap& atlas, int a, std::vector<TGlyphRow>& syllableRows) {
  for (int r = 0; r < AtlasRows; ++r)
    for (int c = 0; c < AtlasColumns; ++c) {
      const size_t s = static_cast<size_t>(a) * SyllablesPerAtlas + r * AtlasColumns + c;
      for (int y = 0; y < SyllableSize; ++y)
        syllableRows[s * SyllableSize + y] =
            MaskOfRow(atlas, AtlasColumnPitch * c, AtlasRowPitch * r + y, SyllableSize);
    }
}

std::vector<uint8_t> ReadSmallFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > MaxPictureFileSize) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return {};
  return bytes;
}

}  // namespace

bool TGlyphs::Load(const TFetch& fetch) {
  std::vector<TGlyphRow> syllableRows(static_cast<size_t>(AtlasCount) * SyllablesPerAtlas *
                                      SyllableSize);
  for (int a = 0; a < AtlasCount; ++a) {
    TInkBitmap atlas;
    if (!DecodeSized(fetch(AtlasNames[a]), AtlasWidth, AtlasHeight, atlas)) return false;
    PackAtlas(atlas, a, syllableRows);
  }
  std::array<TInkBitmap, JamoCount> jamo;
  std::array<std::array<TGlyphRow, JamoSize>, JamoCount> jamoRows{};
  for (int n = 0; n < JamoCount; ++n) {
    const int size = n < ConsonantCount ? ConsonantPictureSize : VowelPictureSize;
    if (!DecodeSized(fetch(JamoNames[n]), size, size, jamo[n])) return false;
    for (int y = 0; y < JamoSize; ++y) jamoRows[n][y] = MaskOfRow(jamo[n], 0, y, JamoSize);
  }
  FSyllableRows = std::move(syllableRows);
  FJamo = std::move(jamo);
  FJamoRows = jamoRows;
  FLoaded = true;
  return true;
}

bool TGlyphs::LoadFromDirectory(const std::filesystem::path& dir) {
  return Load([&dir](std::string_view name) {
    return ReadSmallFile(dir / (std::string(name) + ".bmp"));
  });
}

TInkBitmap TGlyphs::Atlas(int a) const {
  TInkBitmap atlas;
  if (!FLoaded || a < 0 || a >= AtlasCount) return atlas;
  atlas.Width = AtlasWidth;
  atlas.Height = AtlasHeight;
  atlas.Ink.assign(static_cast<size_t>(AtlasWidth) * AtlasHeight, 0);
  for (int cell = 0; cell < SyllablesPerAtlas; ++cell) {
    const TGlyphRow* rows = SyllableRows(a * SyllablesPerAtlas + cell);
    const int left = AtlasColumnPitch * (cell % AtlasColumns);
    const int top = AtlasRowPitch * (cell / AtlasColumns);
    for (int y = 0; y < SyllableSize; ++y)
      for (int x = 0; x < SyllableSize; ++x)
        atlas.Ink[static_cast<size_t>(top + y) * AtlasWidth + left + x] = (rows[y] >> x) & 1;
  }
  return atlas;
}

const TInkBitmap& TGlyphs::Jamo(int n) const {
  static const TInkBitmap none;
  return n >= 0 && n < JamoCount ? FJamo[n] : none;
}

const char* TGlyphs::AtlasName(int a) {
  return a >= 0 && a < AtlasCount ? AtlasNames[a] : nullptr;
}

const char* TGlyphs::JamoName(int n) {
  return n >= 0 && n < JamoCount ? JamoNames[n] : nullptr;
}
