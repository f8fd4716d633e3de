#include "WinShell.h"
#include "ExeDir.h"
#include <shellapi.h>

void OpenFileBesideExe(HWND owner, const std::wstring& name) {
  const std::wstring file = FileBesideExe(name).wstring();
  ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
