#pragma once
// Opening a document with whatever program the shell associates with it.
#include <windows.h>
#include <string>

// Asks the shell to "open" the named file beside the executable, owned by
// the given window and shown normally. The shell reports failures itself.
void OpenFileBesideExe(HWND owner, const std::wstring& name);
