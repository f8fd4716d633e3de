#pragma once
// Builds a window's controls from its layout table, one loop for all kinds.
#include <windows.h>
#include <commctrl.h>
#include <map>
#include "Layout.h"
#include "WinHandles.h"

// The window font and the command buttons' font: "ＭＳ Ｐゴシック" with the
// Shift-JIS charset, or another Japanese proportional font where it is missing.
class TFonts : TNonCopyable {
public:
  TFonts();
  HFONT Window() const { return static_cast<HFONT>(FWindow.Get()); }
  HFONT CommandButton() const { return static_cast<HFONT>(FCommand.Get()); }
  HFONT For(TFontKind kind) const { return kind == TFontKind::CommandButton ? CommandButton() : Window(); }

private:
  TGdiObject FWindow, FCommand;
};

// Creates every control of the layout as a child of parent, in table order
// (which is the focus order), and returns them by id.
std::map<int, HWND> CreateControls(HWND parent, const TWindowLayout& layout, const TFonts& fonts);

// The outer size of a window whose client area must be exactly width x height.
SIZE OuterSizeFor(DWORD style, DWORD exStyle, bool hasMenu, int width, int height);
// Grows or shrinks the window so that its client area is exactly the layout's
// (a wrapped menu bar, for one, takes client height away).
void FitClientArea(HWND hwnd, int width, int height);
void CentreOnScreen(HWND hwnd);

// A 32-bit top-down DIB header of the given size.
inline BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

// An image list that we created.
class TImageList : TNonCopyable {
public:
  explicit TImageList(HIMAGELIST h = nullptr) : h_(h) {}
  ~TImageList() { if (h_) ImageList_Destroy(h_); }
  HIMAGELIST Get() const { return h_; }
private:
  HIMAGELIST h_;
};
