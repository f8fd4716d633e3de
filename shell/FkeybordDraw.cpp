// The text strip: the renderer fills an ink buffer; the window shows the ink
// black on its own face colour, so the strip's white never shows.
#include "Commands.h"
#include "Fkeybord.h"

void TfrmKeyboard::DrawText(const TTextList* list) {
  FStrip.DrawText(FGlyphsLoaded ? list : nullptr, FGlyphs);
  if (FMoji) InvalidateRect(FMoji, nullptr, FALSE);
}

void TfrmKeyboard::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IdImMoji) return;
  constexpr int W = TStrip::Width, H = TStrip::Height;
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  uint32_t facePixel = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  std::vector<uint32_t> pixels(static_cast<size_t>(W) * H, facePixel);
  if (FMoji) {  // the strip has been drawn at least once
    for (int y = 0; y < H; ++y) {
      const uint8_t* row = FStrip.Row(y);
      for (int x = 0; x < W; ++x)
        if (row[x]) pixels[static_cast<size_t>(y) * W + x] = 0;
    }
  }
  BITMAPINFO bi = TopDownBitmapInfo(W, H);
  SetDIBitsToDevice(item.hDC, item.rcItem.left, item.rcItem.top, W, H, 0, 0, 0, H, pixels.data(), &bi,
                    DIB_RGB_COLORS);
}
