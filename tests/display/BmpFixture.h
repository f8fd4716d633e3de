#pragma once
// Builds small BMP files in memory, so tests can feed the decoder and the
// glyph loader exact pictures, including broken ones.
#include <cstdint>
#include <functional>
#include <vector>

struct TBmpSpec {
  int Width = 8, Height = 8;
  int BitsPerPixel = 1;      // 1 or 24
  bool TopDown = false;      // negative height in the header
  bool InkIsColourZero = true;  // 1-bit palette: colour 0 black, 1 white
};

inline void PutU16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = (v >> 8) & 0xFF;
}
inline void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// ink(x, y), y from the top, says which pixels are black.
inline std::vector<uint8_t> MakeBmp(const TBmpSpec& spec, const std::function<bool(int, int)>& ink) {
  const size_t stride = (static_cast<size_t>(spec.Width) * spec.BitsPerPixel + 31) / 32 * 4;
  const size_t palette = spec.BitsPerPixel == 1 ? 8 : 0;
  const size_t offset = 14 + 40 + palette;
  std::vector<uint8_t> b(offset + stride * spec.Height, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, static_cast<uint32_t>(b.size()));
  PutU32(b, 10, static_cast<uint32_t>(offset));
  PutU32(b, 14, 40);
  PutU32(b, 18, static_cast<uint32_t>(spec.Width));
  PutU32(b, 22, static_cast<uint32_t>(spec.TopDown ? -spec.Height : spec.Height));
  PutU16(b, 26, 1);
  PutU16(b, 28, static_cast<uint32_t>(spec.BitsPerPixel));
  if (palette) {
    const uint8_t first = spec.InkIsColourZero ? 0 : 255;
    for (int i = 0; i < 3; ++i) {
      b[54 + i] = first;
      b[58 + i] = static_cast<uint8_t>(255 - first);
    }
  }
  const uint32_t inkIndex = spec.InkIsColourZero ? 0 : 1;
  for (int y = 0; y < spec.Height; ++y) {
    const int stored = spec.TopDown ? y : spec.Height - 1 - y;
    uint8_t* row = b.data() + offset + stride * stored;
    for (int x = 0; x < spec.Width; ++x) {
      const bool black = ink(x, y);
      if (spec.BitsPerPixel == 24) {
        row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = black ? 0 : 255;
      } else if ((black ? inkIndex : 1 - inkIndex) == 1) {
        row[x >> 3] |= 0x80 >> (x & 7);
      }
    }
  }
  return b;
}
