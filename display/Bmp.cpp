#include "Bmp.h"

#include "Glyphs.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderMinSize = 40;  // BITMAPINFOHEADER; V4 and V5 extend it
constexpr int64_t MaxSide = 1 << 15;

uint16_t U16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
         static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
int32_t I32(std::span<const uint8_t> b, size_t at) { return static_cast<int32_t>(U32(b, at)); }

bool IsDark(uint8_t blue, uint8_t green, uint8_t red) { return blue + green + red < 3 * 128; }

struct TLayout {
  int Width = 0, Height = 0;  // Height positive here
  bool TopDown = false;
  int BitsPerPixel = 0;
  uint64_t PixelOffset = 0, Stride = 0;
  bool PaletteInk[2] = {false, false};
};

// Reads and checks both headers; every later read stays inside what is checked here.
bool ReadLayout(std::span<const uint8_t> file, TLayout& layout) {
  if (file.size() < FileHeaderSize + InfoHeaderMinSize) return false;
  if (file[0] != 'B' || file[1] != 'M') return false;
  const uint32_t infoSize = U32(file, 14);
  if (infoSize < InfoHeaderMinSize || infoSize > file.size() - FileHeaderSize) return false;
  const int64_t width = I32(file, 18), height = I32(file, 22);
  const int bpp = U16(file, 28);
  const uint32_t compression = U32(file, 30), colorsUsed = U32(file, 46);
  if (U16(file, 26) != 1 || compression != 0 || (bpp != 1 && bpp != 24)) return false;
  if (width <= 0 || width > MaxSide || height == 0 || std::llabs(height) > MaxSide) return false;

  layout.Width = static_cast<int>(width);
  layout.Height = static_cast<int>(std::llabs(height));
  layout.TopDown = height < 0;
  layout.BitsPerPixel = bpp;
  layout.PixelOffset = U32(file, 10);
  layout.Stride = (static_cast<uint64_t>(width) * bpp + 31) / 32 * 4;
  if (layout.PixelOffset > file.size() ||
      layout.Stride * layout.Height > file.size() - layout.PixelOffset)
    return false;

  if (bpp == 1) {
    const uint64_t paletteAt = FileHeaderSize + infoSize;
    if (colorsUsed == 1 || paletteAt + 8 > layout.PixelOffset) return false;
    for (int i = 0; i < 2; ++i) {
      const size_t at = paletteAt + 4 * i;
      layout.PaletteInk[i] = IsDark(file[at], file[at + 1], file[at + 2]);
    }
  }
  return true;
}

}  // namespace

bool DecodeBmp(std::span<const uint8_t> file, TInkBitmap& out) {
  TLayout layout;
  if (!ReadLayout(file, layout)) return false;

  TInkBitmap bitmap;
  bitmap.Width = layout.Width;
  bitmap.Height = layout.Height;
  bitmap.Ink.assign(static_cast<size_t>(layout.Width) * layout.Height, 0);
  for (int y = 0; y < layout.Height; ++y) {
    const int storedRow = layout.TopDown ? y : layout.Height - 1 - y;
    const uint8_t* row = file.data() + layout.PixelOffset + layout.Stride * storedRow;
    uint8_t* ink = bitmap.Ink.data() + static_cast<size_t>(y) * layout.Width;
    if (layout.BitsPerPixel == 1) {
      for (int x = 0; x < layout.Width; ++x)
        ink[x] = layout.PaletteInk[(row[x >> 3] >> (7 - (x & 7))) & 1];
    } else {
      for (int x = 0; x < layout.Width; ++x)
        ink[x] = IsDark(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
  }
  out = std::move(bitmap);
  return true;
}
