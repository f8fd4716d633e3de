// Building the main window's controls, menu, tooltips and button pictures
// from the layout tables.
#include <windows.h>
#include <commctrl.h>
#include "Commands.h"
#include "Fkeybord.h"
#include "Layout.h"
#include "WinText.h"

namespace {

std::vector<uint8_t> FetchResource(std::string_view name) {
  HRSRC res = FindResourceW(nullptr, Widen(name).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!res) return {};
  HGLOBAL data = LoadResource(nullptr, res);
  const auto* bytes = static_cast<const uint8_t*>(data ? LockResource(data) : nullptr);
  if (!bytes) return {};
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, res));
}

uint32_t PixelOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// A picture of the jamo: black ink on the given background.
HBITMAP InkPicture(const TInkBitmap& ink, COLORREF background) {
  BITMAPINFO bi = TopDownBitmapInfo(ink.Width, ink.Height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < ink.Height; ++y)
    for (int x = 0; x < ink.Width; ++x) pixels[y * ink.Width + x] = ink.At(x, y) ? 0u : PixelOf(background);
  return bitmap;
}

// White is the mask colour, so the button face, themed or not, shows through.
HIMAGELIST JamoImageList(const TInkBitmap& ink) {
  TGdiObject picture(InkPicture(ink, RGB(255, 255, 255)));
  if (!picture.Get()) return nullptr;
  HIMAGELIST list = ImageList_Create(ink.Width, ink.Height, ILC_COLOR24 | ILC_MASK, 1, 0);
  if (list) ImageList_AddMasked(list, static_cast<HBITMAP>(picture.Get()), RGB(255, 255, 255));
  return list;
}

}  // namespace

void TfrmKeyboard::BuildControls() {
  FControls = CreateControls(FHandle, MainLayout, FFonts);
  SendMessageW(Control(IdStatusBar), SB_SIMPLE, TRUE, 0);
  FGlyphsLoaded = FGlyphs.Load(FetchResource);
  BuildButtonPictures();
  BuildTooltips();
}

void TfrmKeyboard::BuildButtonPictures() {
  if (!FGlyphsLoaded) return;
  std::span<const TControlRow* const> rows = JamoButtonsInGlyphOrder();
  for (size_t n = 0; n < rows.size(); ++n) {
    const TInkBitmap& ink = FGlyphs.Jamo(static_cast<int>(n));
    HWND button = Control(rows[n]->Id);
    auto list = std::make_unique<TImageList>(JamoImageList(ink));
    BUTTON_IMAGELIST bil{list->Get(), {0, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_CENTER};
    if (list->Get() && SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil))) {
      FButtonImages.push_back(std::move(list));
      continue;
    }
    // Without common controls 6: a plain bitmap on the classic face colour.
    HBITMAP picture = InkPicture(ink, GetSysColor(COLOR_BTNFACE));
    if (!picture) continue;
    FButtonPictures.push_back(std::make_unique<TGdiObject>(picture));
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_BITMAP);
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  }
}

void TfrmKeyboard::BuildTooltips() {
  FTooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, FHandle, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!FTooltip) return;
  SendMessageW(FTooltip, WM_SETFONT, reinterpret_cast<WPARAM>(FFonts.Window()), FALSE);
  for (const TControlRow& row : MainLayout.Controls) {
    if (!row.Tooltip || !row.Hint) continue;
    std::wstring text = Widen(row.Hint);
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = FHandle;
    ti.uId = reinterpret_cast<UINT_PTR>(Control(row.Id));
    ti.lpszText = text.data();  // the tooltip keeps its own copy
    SendMessageW(FTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void TfrmKeyboard::BuildMenu() {
  FMenu = CreateMenu();
  std::vector<HMENU> popups;
  for (const char* title : MainMenuTitles()) {
    popups.push_back(CreatePopupMenu());
    AppendMenuW(FMenu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popups.back()), Widen(title).c_str());
  }
  for (const TMenuRow& row : MainMenuRows()) {
    HMENU popup = popups.at(static_cast<size_t>(row.Menu));
    if (row.Id == 0) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (row.Enabled ? 0u : MF_GRAYED);
    AppendMenuW(popup, flags, static_cast<UINT_PTR>(row.Id), Widen(row.Caption).c_str());
  }
  SetMenu(FHandle, FMenu);
}

void TfrmKeyboard::BuildLists() {
  FButtons.clear();
  for (const TControlRow* row : JamoButtonsInGlyphOrder()) FButtons.push_back(Control(row->Id));
}
