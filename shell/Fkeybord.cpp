// The main window: creation, destruction, the window procedure and the
// window-level commands.
#include "Fkeybord.h"
#include <windows.h>
#include <commctrl.h>
#include "Cmsaver.h"
#include "Commands.h"
#include "Fopt.h"
#include "Fptndlg.h"
#include "Layout.h"
#include "WinText.h"
#include "resource.h"

TfrmKeyboard* frmKeyboard = nullptr;

namespace {
constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD MainExStyle = WS_EX_TOPMOST | WS_EX_LAYERED;
constexpr BYTE DesignAlpha = 200;

// The main window is hidden while a dialog runs and shown again whatever the
// dialog's outcome, an error included.
template <class F>
void WhileHidden(HWND window, F&& run) {
  ShowWindow(window, SW_HIDE);
  struct TShowAgain {
    HWND Window;
    ~TShowAgain() { ShowWindow(Window, SW_SHOW); }
  } showAgain{window};
  run();
}
}  // namespace

TfrmKeyboard::TfrmKeyboard(TfrmPattern& pattern, TfrmOption& option) : FPattern(pattern), FOption(option) {}

TfrmKeyboard::~TfrmKeyboard() = default;

bool TfrmKeyboard::Create(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TOLVEX));
  wc.lpszClassName = L"TfrmKeyboard";
  if (!RegisterClassExW(&wc)) return false;

  SIZE outer = OuterSizeFor(MainStyle, MainExStyle, true, MainLayout.ClientWidth, MainLayout.ClientHeight);
  FHandle = CreateWindowExW(MainExStyle, wc.lpszClassName, Widen(MainLayout.Caption).c_str(), MainStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, this);
  if (!FHandle) return false;
  // A layered window stays invisible until it has an alpha value.
  SetLayeredWindowAttributes(FHandle, 0, DesignAlpha, LWA_ALPHA);
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFonts.Window()), FALSE);
  BuildMenu();
  BuildControls();
  FitClientArea(FHandle, MainLayout.ClientWidth, MainLayout.ClientHeight);
  CentreOnScreen(FHandle);
  RunGuarded(nullptr, [this] { FormCreate(); });
  return true;
}

void TfrmKeyboard::Show(int showCommand) {
  ShowWindow(FHandle, showCommand);
  UpdateWindow(FHandle);
  // Start with the focus on the first jamo button, as in any dialog.
  SetFocus(Control(JamoButtonId(1)));
}

// Each step may throw; an error shows the box and skips the steps after it,
// and the window opens with what was done until then.
void TfrmKeyboard::FormCreate() {
  FStrip.DrawText(nullptr, FGlyphs);
  FKeyboard = std::make_unique<TKeyboard>();
  FUni2Euc = std::make_unique<TUni2Euc>();
  BuildLists();
  FMoji = Control(IdImMoji);
  TCommonSaver saver;
  int32_t bytesRead = 0;
  int32_t loaded = saver.Load(SettingsFileName(), &FSetting, sizeof(FSetting), &bytesRead);
  ApplySettingDefaults(FSetting, bytesRead);
  RegisterPath(1);
  SetAlpha(FSetting.Alpha);
  SetupToolbarButton(loaded);
}

void TfrmKeyboard::FormDestroy() {
  TCommonSaver saver;
  saver.Save(SettingsFileName(), &FSetting, sizeof(FSetting));
  FButtons.clear();
  FUni2Euc.reset();
  FKeyboard.reset();
}

void TfrmKeyboard::RunFormDestroyOnce() {
  if (FDestroyed) return;
  FDestroyed = true;
  RunGuarded(nullptr, [this] { FormDestroy(); });
}

void TfrmKeyboard::SetAlpha(int32_t alpha) {
  SetLayeredWindowAttributes(FHandle, 0, static_cast<BYTE>(alpha & 0xFF), LWA_ALPHA);
}

void TfrmKeyboard::AppHint(std::string_view hint) {
  HWND bar = Control(IdStatusBar);
  SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(hint).c_str()));
}

// No exception may cross into Win32: whatever a handler lets escape is shown.
LRESULT CALLBACK TfrmKeyboard::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return ObjectWindowProc(hwnd, msg, wp, lp, &TfrmKeyboard::FHandle, &TfrmKeyboard::HandleMessage);
}

LRESULT TfrmKeyboard::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wp), reinterpret_cast<HWND>(lp)); return 0;
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
    case WM_MENUSELECT: {
      bool closed = HIWORD(wp) == 0xFFFF && lp == 0;
      bool item = !(HIWORD(wp) & (MF_POPUP | MF_SEPARATOR));
      AppHint(closed || !item ? "" : MainHintFor(LOWORD(wp)));
      FHintId = -1;
      return 0;
    }
    case WM_CLOSE: DestroyWindow(FHandle); return 0;
    case WM_ENDSESSION:  // logging off ends the process without WM_DESTROY
      if (wp) RunFormDestroyOnce();
      return 0;
    case WM_DESTROY:
      RunFormDestroyOnce();
      PostQuitMessage(0);
      return 0;
    default: return DefWindowProcW(FHandle, msg, wp, lp);
  }
}

void TfrmKeyboard::OnCommand(int id, HWND control) {
  if (id > IdJamoBase && id <= IdJamoBase + 70) return bbGClick(control ? control : Control(id));
  switch (id) {
    case IdBtBack: case IdMmBack: return btBackClick();
    case IdBtClear: case IdMmAllClear: return btClearClick();
    case IdBtCopy: case IdMmCopy1: return btCopyClick();
    case IdBtPaste: case IdMmPaste: return btPasteClick();
    case IdBtSpace: return btSpaceClick();
    case IdBtClose: return btCloseClick();
    case IdMmClose: return mmCLoseClick();
    case IdMmMin: return mmMinClick();
    case IdMmSave10: return mmSave10Click();
    case IdMmSave16: return mmSave16Click();
    case IdMmProp: return mmPropClick();
    case IdMmOpt: return mmOptClick();
    case IdIER1: return IER1Click();
    case IdU1: return U1Click();
    case IdMmHome: return mmHomeClick();
    default: return;  // IDOK/IDCANCEL from Enter and Escape: the main window has no default button
  }
}

bool TfrmKeyboard::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd != FHandle && !IsChild(FHandle, msg.hwnd)) return false;
  if (msg.message == WM_KEYDOWN) {
    uint16_t key = static_cast<uint16_t>(msg.wParam);
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    RunGuarded(FHandle, [&] { key = FormKeyDown(key, shift, ctrl); });
    return key == 0;
  }
  TrackHint(msg);
  return false;
}

// The status bar follows the control under the pointer; the window's own
// surface, and leaving the window, empty it.
void TfrmKeyboard::TrackHint(const MSG& msg) {
  int id;
  if (msg.message == WM_MOUSEMOVE) {
    id = msg.hwnd == FHandle ? 0 : GetDlgCtrlID(msg.hwnd);
    TRACKMOUSEEVENT tme{};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = msg.hwnd;
    TrackMouseEvent(&tme);
  } else if (msg.message == WM_MOUSELEAVE || msg.message == WM_NCMOUSEMOVE) {
    POINT p{};
    GetCursorPos(&p);
    HWND under = WindowFromPoint(p);
    if (msg.message == WM_MOUSELEAVE && (under == FHandle || IsChild(FHandle, under))) return;
    id = 0;
  } else {
    return;
  }
  if (id == FHintId) return;
  FHintId = id;
  AppHint(id ? MainHintFor(id) : "");
}

HWND TfrmKeyboard::Control(int id) const {
  auto it = FControls.find(id);
  return it == FControls.end() ? nullptr : it->second;
}

void TfrmKeyboard::btCloseClick() { PostMessageW(FHandle, WM_CLOSE, 0, 0); }
void TfrmKeyboard::mmCLoseClick() { PostMessageW(FHandle, WM_CLOSE, 0, 0); }
void TfrmKeyboard::mmMinClick() { ShowWindow(FHandle, SW_MINIMIZE); }

void TfrmKeyboard::mmPropClick() {
  WhileHidden(FHandle, [this] {
    FPattern.SetEucEnabled(FUni2Euc && FUni2Euc->HasTable());
    TPatternFields fields = PatternFieldsOf(FSetting);
    if (FPattern.Execute(fields) == 1) StorePatternFields(fields, FSetting);
  });
}

void TfrmKeyboard::mmOptClick() {
  WhileHidden(FHandle, [this] {
    if (FOption.Execute(FSetting) != 1) return;
    StoreOptionResult(FOption.Result(), FSetting);
    SetAlpha(FSetting.Alpha);
  });
}

void TfrmKeyboard::SetMenuCaption(int id, const std::wstring& caption) {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_STRING;
  mii.dwTypeData = const_cast<wchar_t*>(caption.c_str());
  SetMenuItemInfoW(FMenu, static_cast<UINT>(id), FALSE, &mii);
  DrawMenuBar(FHandle);
}

std::wstring TfrmKeyboard::MenuCaption(int id) const {
  wchar_t buffer[256] = {};
  GetMenuStringW(FMenu, static_cast<UINT>(id), buffer, 256, MF_BYCOMMAND);
  return buffer;
}

void TfrmKeyboard::SetMenuTag(int id, intptr_t tag) {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_DATA;
  mii.dwItemData = static_cast<ULONG_PTR>(tag);
  SetMenuItemInfoW(FMenu, static_cast<UINT>(id), FALSE, &mii);
}

intptr_t TfrmKeyboard::MenuTag(int id) const {
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_DATA;
  GetMenuItemInfoW(FMenu, static_cast<UINT>(id), FALSE, &mii);
  return static_cast<intptr_t>(mii.dwItemData);
}

int TfrmKeyboard::ShowInfoBox(const std::wstring& text, const std::wstring& title, UINT buttons) {
  return MessageBoxW(IsWindowVisible(FHandle) ? FHandle : nullptr, text.c_str(), title.c_str(),
                     buttons | MB_ICONINFORMATION);
}
