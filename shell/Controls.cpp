#include "Controls.h"
#include <commctrl.h>
#include "WinText.h"

namespace {

bool FontInstalled(const wchar_t* face) {
  LOGFONTW lf{};
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(
      dc, &lf, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

const wchar_t* JapaneseFace() {
  static const wchar_t* const faces[] = {L"ＭＳ Ｐゴシック", L"MS PGothic", L"Meiryo UI", L"Yu Gothic UI",
                                         L"IPAPGothic", L"MS UI Gothic", L"IPAGothic"};
  static const wchar_t* chosen = [] {
    for (const wchar_t* face : faces)
      if (FontInstalled(face)) return face;
    return faces[0];  // let the font mapper pick a Shift-JIS face
  }();
  return chosen;
}

// A negative height asks for the character height, without internal leading.
HFONT CreateJapaneseFont(int pixelHeight) {
  return CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, JapaneseFace());
}

struct TClassAndStyle {
  const wchar_t* ClassName;
  DWORD Style;
};

TClassAndStyle ClassFor(TControlKind kind) {
  switch (kind) {
    case TControlKind::Strip: return {L"STATIC", SS_OWNERDRAW};
    case TControlKind::Label: return {L"STATIC", SS_LEFT};
    case TControlKind::LabelRight: return {L"STATIC", SS_RIGHT};
    case TControlKind::JamoButton: return {L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER};
    case TControlKind::PushButton: return {L"BUTTON", BS_PUSHBUTTON};
    case TControlKind::StatusBar: return {STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER};
    case TControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX};
    case TControlKind::RadioButton: return {L"BUTTON", BS_AUTORADIOBUTTON};
    case TControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX};
    case TControlKind::TrackBar: return {TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | TBS_FIXEDLENGTH};
  }
  return {L"STATIC", 0};
}

// Labels size themselves to their text, so a substitute font with wider
// glyphs never cuts one off.
void FitLabelWidth(HWND label, const std::wstring& text, HFONT font, int width, int height) {
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  if (extent.cx > width) SetWindowPos(label, nullptr, 0, 0, extent.cx, height, SWP_NOMOVE | SWP_NOZORDER);
}

HWND CreateControl(HWND parent, const TControlRow& row, HFONT font) {
  TClassAndStyle cs = ClassFor(row.Kind);
  DWORD style = WS_CHILD | WS_VISIBLE | cs.Style;
  if (row.TabStop) style |= WS_TABSTOP;
  if (row.NewGroup) style |= WS_GROUP;
  if (row.Disabled) style |= WS_DISABLED;
  std::wstring caption = row.Caption ? Widen(LiteralCaption(row.Caption)) : std::wstring();
  HWND hwnd = CreateWindowExW(0, cs.ClassName, caption.c_str(), style, row.Left, row.Top, row.Width, row.Height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.Id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (hwnd && row.Kind == TControlKind::Label) FitLabelWidth(hwnd, caption, font, row.Width, row.Height);
  return hwnd;
}

}  // namespace

TFonts::TFonts() : FWindow(CreateJapaneseFont(12)), FCommand(CreateJapaneseFont(15)) {}

std::map<int, HWND> CreateControls(HWND parent, const TWindowLayout& layout, const TFonts& fonts) {
  std::map<int, HWND> controls;
  for (const TControlRow& row : layout.Controls) controls[row.Id] = CreateControl(parent, row, fonts.For(row.Font));
  return controls;
}

SIZE OuterSizeFor(DWORD style, DWORD exStyle, bool hasMenu, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style, hasMenu, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void FitClientArea(HWND hwnd, int width, int height) {
  RECT client{}, outer{};
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &outer);
  int dx = width - (client.right - client.left), dy = height - (client.bottom - client.top);
  if (dx == 0 && dy == 0) return;
  SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOnScreen(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
