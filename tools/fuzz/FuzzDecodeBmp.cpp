// Any bytes through the glyph-picture reader: it refuses or decodes, never
// reads past the buffer, and a decoded picture is whole.
#include <cstdlib>

#include "Bmp.h"
#include "Glyphs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TInkBitmap bitmap;
  if (!DecodeBmp({data, size}, bitmap)) {
    if (bitmap.Width != 0 || !bitmap.Ink.empty()) std::abort();
    return 0;
  }
  if (bitmap.Width <= 0 || bitmap.Height <= 0) std::abort();
  if (bitmap.Ink.size() != static_cast<size_t>(bitmap.Width) * bitmap.Height) std::abort();
  // One bit of file per pixel at least: the picture cannot outgrow its file.
  if (bitmap.Ink.size() > 8 * size) std::abort();
  for (uint8_t ink : bitmap.Ink)
    if (ink > 1) std::abort();
  return 0;
}
