// Program entry: the three windows, created in order, and the message loop.
#include <windows.h>
#include <commctrl.h>
#include "Fkeybord.h"
#include "Fopt.h"
#include "Fptndlg.h"
#include "WinText.h"

namespace {

int RunMessageLoop(TfrmKeyboard& keyboard) {
  HWND main = keyboard.Handle();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (keyboard.PreTranslateMessage(msg)) continue;
    if (IsWindow(main) && IsDialogMessageW(main, &msg)) continue;  // Tab, arrows, Enter on a button
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

int Run(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&icc);
  static TfrmPattern pattern;
  static TfrmOption option;
  static TfrmKeyboard keyboard(pattern, option);
  frmKeyboard = &keyboard;
  frmPattern = &pattern;
  frmOption = &option;
  if (!keyboard.Create(instance)) return 0;
  pattern.Create(instance);
  option.Create(instance);
  keyboard.Show(SW_SHOWNORMAL);
  return RunMessageLoop(keyboard);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  RunGuarded(nullptr, [instance] { Run(instance); });
  return 0;
}
