#include "WinText.h"
#include <exception>

const wchar_t* const AppTitle = L"ソランキーボード";

namespace {
std::wstring Convert(UINT codePage, DWORD flags, std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}
}  // namespace

// Our own errors are UTF-8; a runtime's message may be in the ANSI code page.
std::wstring Widen(std::string_view utf8) {
  std::wstring out = Convert(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
  if (out.empty() && !utf8.empty()) out = Convert(CP_ACP, 0, utf8);
  return out;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

void ShowAppError(HWND owner, std::string_view utf8Message) {
  MessageBoxW(owner, Widen(utf8Message).c_str(), AppTitle, MB_OK | MB_ICONSTOP);
}
