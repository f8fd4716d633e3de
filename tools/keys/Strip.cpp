// --strip FILE: the text strip of the last text as a 545 x 24 PBM picture
// (P4, 1 = ink), drawn from the glyphs in glyphs/ beside the tool.
#include "Keys.h"

#include "ExeDir.h"
#include "Glyphs.h"

#include <fstream>
#include <memory>
#include <string>

namespace {

// PBM rows are packed 8 pixels a byte, the leftmost in the high bit.
std::string EncodePbm(const TStrip& strip) {
  std::string pbm = "P4\n" + std::to_string(TStrip::Width) + " " + std::to_string(TStrip::Height) + "\n";
  constexpr int bytesPerRow = (TStrip::Width + 7) / 8;
  for (int y = 0; y < TStrip::Height; ++y) {
    const uint8_t* row = strip.Row(y);
    for (int b = 0; b < bytesPerRow; ++b) {
      unsigned char packed = 0;
      for (int bit = 0; bit < 8 && 8 * b + bit < TStrip::Width; ++bit)
        if (row[8 * b + bit]) packed |= 0x80 >> bit;
      pbm += static_cast<char>(packed);
    }
  }
  return pbm;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool WriteStripPicture(const TTextList& text, const std::string& path, std::string& error) {
  const std::filesystem::path glyphDir = FileBesideExe("glyphs");
  TGlyphs glyphs;
  if (!glyphs.LoadFromDirectory(glyphDir)) {
    error = "cannot load the glyph pictures from " + glyphDir.string();
    return false;
  }
  auto strip = std::make_unique<TStrip>();  // 13 KB: not on the stack
  strip->DrawText(&text, glyphs);
  const std::string pbm = EncodePbm(*strip);
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (!out.write(pbm.data(), static_cast<std::streamsize>(pbm.size())) || !out.flush()) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace

TWriteStrip StripWriter() { return WriteStripPicture; }
