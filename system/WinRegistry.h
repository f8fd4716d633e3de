#pragma once
// The registry operations on HKEY_LOCAL_MACHINE. Each opens its own key and
// closes it before it returns.
#include "Registry.h"
#include <string>

// The value's data when the key opens for reading and the value is a string
// (plain or expandable, returned unexpanded); otherwise "". Reports nothing.
std::wstring ReadRegString(const std::wstring& key, const std::wstring& name);
// Opens or creates the key (and its parents) and writes a REG_SZ value.
// False when the key can be neither opened nor created or the write fails.
bool WriteRegString(const std::wstring& key, const std::wstring& name,
                    const std::wstring& data);
// Deletes the key with everything below it; true also when it did not exist.
bool DeleteRegTree(const std::wstring& key);

class TWinRegistry : public TRegistry {
public:
  std::wstring Read(const std::wstring& key, const std::wstring& name) override {
    return ReadRegString(key, name);
  }
  bool Write(const std::wstring& key, const std::wstring& name,
             const std::wstring& data) override {
    return WriteRegString(key, name, data);
  }
  bool DeleteTree(const std::wstring& key) override { return DeleteRegTree(key); }
};
