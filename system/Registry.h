#pragma once
// The registry as the program's logic sees it: string values under keys of
// HKEY_LOCAL_MACHINE. A key path that begins with a backslash is taken from
// the root. Windows implements it over the real registry (WinRegistry.h);
// tests use an in-memory one.
#include <string>

class TRegistry {
public:
  virtual ~TRegistry() = default;
  // The value's data, or "" when the key or value is missing or not a string.
  virtual std::wstring Read(const std::wstring& key, const std::wstring& name) = 0;
  // Writes a string value, creating the key and its parents; false if refused.
  virtual bool Write(const std::wstring& key, const std::wstring& name,
                     const std::wstring& data) = 0;
  // Deletes the key with everything below it; a missing key counts as deleted.
  virtual bool DeleteTree(const std::wstring& key) = 0;
};
