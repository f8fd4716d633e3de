#include "DialogWindow.h"
#include "Commands.h"
#include "WinText.h"

namespace {
constexpr DWORD DialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int32_t ResultOk = 1, ResultCancel = 2;
}  // namespace

TDialogWindow::~TDialogWindow() {
  if (FHandle) DestroyWindow(FHandle);
}

bool TDialogWindow::Create(HINSTANCE instance) {
  std::wstring className = Widen(FLayout.ClassName);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className.c_str();
  if (!RegisterClassExW(&wc)) return false;
  SIZE outer = OuterSizeFor(DialogStyle, 0, false, FLayout.ClientWidth, FLayout.ClientHeight);
  FHandle = CreateWindowExW(0, className.c_str(), Widen(FLayout.Caption).c_str(), DialogStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, instance, this);
  if (!FHandle) return false;
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFonts.Window()), FALSE);
  FControls = CreateControls(FHandle, FLayout, FFonts);
  FitClientArea(FHandle, FLayout.ClientWidth, FLayout.ClientHeight);
  return true;
}

int32_t TDialogWindow::ShowModal() {
  FResult = 0;
  CentreOnScreen(FHandle);
  ShowWindow(FHandle, SW_SHOWNORMAL);
  SetForegroundWindow(FHandle);
  FocusFirstTabStop();
  MSG msg;
  while (FResult == 0) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {  // the program is ending: let the outer loop see it too
      PostQuitMessage(static_cast<int>(msg.wParam));
      FResult = ResultCancel;
      break;
    }
    if (!IsDialogMessageW(FHandle, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  ShowWindow(FHandle, SW_HIDE);
  return FResult;
}

// The first control in tab order takes the focus, as in any dialog.
void TDialogWindow::FocusFirstTabStop() {
  for (const TControlRow& row : FLayout.Controls) {
    HWND control = Control(row.Id);
    if (row.TabStop && IsWindowEnabled(control)) {
      SetFocus(control);
      return;
    }
  }
}

HWND TDialogWindow::Control(int id) const {
  auto it = FControls.find(id);
  return it == FControls.end() ? nullptr : it->second;
}

bool TDialogWindow::Checked(int id) const {
  return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TDialogWindow::SetChecked(int id, bool checked) {
  SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TDialogWindow::SetText(int id, const std::wstring& text) { SetWindowTextW(Control(id), text.c_str()); }

LRESULT CALLBACK TDialogWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return ObjectWindowProc(hwnd, msg, wp, lp, &TDialogWindow::FHandle, &TDialogWindow::HandleMessage);
}

LRESULT TDialogWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      int id = LOWORD(wp);
      if (id == IdDlgOk) FResult = ResultOk;
      else if (id == IdDlgCancel) FResult = ResultCancel;
      else if (OnCommand) OnCommand(id);
      return 0;
    }
    case WM_HSCROLL:
      if (OnHScroll) OnHScroll(reinterpret_cast<HWND>(lp));
      return 0;
    case WM_CLOSE: FResult = ResultCancel; return 0;
    default: return DefWindowProcW(FHandle, msg, wp, lp);
  }
}
