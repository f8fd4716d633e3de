// The BMP reader: both bit depths and row orders decode exactly, and every
// kind of broken header or short file is refused without reading past it.
#include "Bmp.h"
#include "BmpFixture.h"
#include "Glyphs.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A pattern that tells rows, columns and the row order apart.
bool Pattern(int x, int y) { return (x * 7 + y * 3) % 5 == 0 || (x == 0 && y == 0); }

TEST(BmpDecode, DecodesEveryKindPixelForPixel) {
  const struct {
    const char* Name;
    TBmpSpec Spec;
  } cases[] = {
      {"1-bit bottom-up", {13, 5, 1, false, true}},
      {"1-bit top-down", {13, 5, 1, true, true}},
      {"1-bit white as colour 0", {9, 4, 1, false, false}},
      {"1-bit one full word", {32, 2, 1, false, true}},
      {"24-bit bottom-up", {7, 3, 24, false, true}},
      {"24-bit top-down", {5, 6, 24, true, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TInkBitmap bitmap;
    ASSERT_TRUE(DecodeBmp(MakeBmp(c.Spec, Pattern), bitmap));
    ASSERT_EQ(bitmap.Width, c.Spec.Width);
    ASSERT_EQ(bitmap.Height, c.Spec.Height);
    for (int y = 0; y < c.Spec.Height; ++y)
      for (int x = 0; x < c.Spec.Width; ++x) EXPECT_EQ(bitmap.At(x, y), Pattern(x, y)) << x << "," << y;
  }
}

TEST(BmpDecode, RefusesMalformedFilesAndLeavesTheOutputAlone) {
  const auto good1 = MakeBmp({13, 5, 1, false, true}, Pattern);
  const auto good24 = MakeBmp({5, 3, 24, false, true}, Pattern);
  using TEdit = std::function<void(std::vector<uint8_t>&)>;
  const struct {
    const char* Name;
    const std::vector<uint8_t>& Base;
    TEdit Edit;
  } cases[] = {
      {"empty", good1, [](auto& b) { b.clear(); }},
      {"header cut short", good1, [](auto& b) { b.resize(40); }},
      {"not BM", good1, [](auto& b) { b[1] = 'A'; }},
      {"pixels one byte short", good1, [](auto& b) { b.pop_back(); }},
      {"24-bit pixels one byte short", good24, [](auto& b) { b.pop_back(); }},
      {"pixel offset past the end", good1, [](auto& b) { PutU32(b, 10, 0xFFFFFFF0u); }},
      {"pixel offset inside the palette", good1, [](auto& b) { PutU32(b, 10, 58); }},
      {"info header larger than the file", good1, [](auto& b) { PutU32(b, 14, 0xFFFFFFFFu); }},
      {"info header too small", good1, [](auto& b) { PutU32(b, 14, 12); }},
      {"8 bits per pixel", good1, [](auto& b) { PutU16(b, 28, 8); }},
      {"32 bits per pixel", good24, [](auto& b) { PutU16(b, 28, 32); }},
      {"run-length compressed", good1, [](auto& b) { PutU32(b, 30, 1); }},
      {"two planes", good1, [](auto& b) { PutU16(b, 26, 2); }},
      {"zero width", good1, [](auto& b) { PutU32(b, 18, 0); }},
      {"negative width", good1, [](auto& b) { PutU32(b, 18, static_cast<uint32_t>(-13)); }},
      {"zero height", good1, [](auto& b) { PutU32(b, 22, 0); }},
      {"most negative height", good1, [](auto& b) { PutU32(b, 22, 0x80000000u); }},
      {"height larger than the data", good1, [](auto& b) { PutU32(b, 22, 6); }},
      {"huge width", good24, [](auto& b) { PutU32(b, 18, 0x7FFFFFFFu); }},
      {"huge height", good24, [](auto& b) { PutU32(b, 22, 0x40000000u); }},
      {"one-colour palette", good1, [](auto& b) { PutU32(b, 46, 1); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    auto file = c.Base;
    c.Edit(file);
    TInkBitmap untouched{1, 1, {1}};
    EXPECT_FALSE(DecodeBmp(file, untouched));
    EXPECT_EQ(untouched.Width, 1);
    EXPECT_EQ(untouched.Ink.size(), 1u);
  }
}

}  // namespace
