#include "WinRegistry.h"
#include "WinHandles.h"

namespace {

// Our key paths start (and may end) with a backslash to say "from the root";
// the Win32 functions want a plain subkey path.
std::wstring SubkeyPath(const std::wstring& key) {
  size_t first = key.find_first_not_of(L'\\');
  if (first == std::wstring::npos) return {};
  size_t last = key.find_last_not_of(L'\\');
  return key.substr(first, last - first + 1);
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

std::wstring ReadRegString(const std::wstring& key, const std::wstring& name) {
  TRegKey k;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, SubkeyPath(key).c_str(), 0, KEY_READ, k.Out()) !=
      ERROR_SUCCESS)
    return {};
  // The value may change between asking its size and reading it: retry.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        !IsStringType(type))
      return {};
    // One spare unit, so data stored without its terminating zero still ends.
    std::wstring buf(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    LONG rc = RegQueryValueExW(k.Get(), name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buf.data()), &got);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS || !IsStringType(type)) return {};
    buf.resize(got / sizeof(wchar_t));  // an odd last byte is dropped
    size_t end = buf.find(L'\0');
    if (end != std::wstring::npos) buf.resize(end);
    return buf;
  }
  return {};
}

bool WriteRegString(const std::wstring& key, const std::wstring& name,
                    const std::wstring& data) {
  TRegKey k;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, SubkeyPath(key).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, k.Out(),
                      nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(k.Get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

bool DeleteRegTree(const std::wstring& key) {
  const std::wstring sub = SubkeyPath(key);
  if (sub.empty()) return false;  // never the root itself
  LONG rc = RegDeleteTreeW(HKEY_LOCAL_MACHINE, sub.c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}
