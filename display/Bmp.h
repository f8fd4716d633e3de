#pragma once
// A small reader for the two BMP kinds the program carries: 1 bit per pixel
// with a two-colour palette, and 24-bit RGB; rows bottom-up or top-down.
#include <cstddef>
#include <cstdint>
#include <span>

struct TInkBitmap;

// Decodes an uncompressed 1-bit or 24-bit BMP held in memory. Dark pixels
// (palette colour or RGB below mid-grey) become ink. Returns false, leaving
// `out` untouched, for anything malformed, truncated or of another kind; it
// never reads outside `file`.
bool DecodeBmp(std::span<const uint8_t> file, TInkBitmap& out);
