#pragma once
// Text between the program's UTF-8 strings and Win32's UTF-16, and the one
// place where errors are shown to the user.
#include <windows.h>
#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);

// The application's title, used by the main window and its message boxes.
extern const wchar_t* const AppTitle;

// The standard error box: the error's text, a stop icon and an OK button.
void ShowAppError(HWND owner, std::string_view utf8Message);

// Runs one handler; an error that escapes it is shown and the program goes on.
// Returns false when the handler failed.
template <class F>
bool RunGuarded(HWND owner, F&& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    ShowAppError(owner, e.what());
  } catch (...) {
    ShowAppError(owner, "");
  }
  return false;
}

// The window procedure of a window created for an object (the last argument
// of CreateWindowEx): the object is kept in the window's user data, learns its
// handle, and gets every message through its handler, guarded as above.
template <class T>
LRESULT ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, HWND T::*handle,
                         LRESULT (T::*handler)(UINT, WPARAM, LPARAM)) {
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->*handle = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  if (RunGuarded(hwnd, [&] { result = (self->*handler)(msg, wp, lp); })) return result;
  return DefWindowProcW(hwnd, msg, wp, lp);
}
