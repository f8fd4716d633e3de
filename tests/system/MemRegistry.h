#pragma once
// An in-memory registry for the system logic's tests. It can refuse writes
// (all, or from the n-th on) and deletes, as HKEY_LOCAL_MACHINE does for a
// user without administrator rights.
#include "Registry.h"
#include "SystemUi.h"
#include <cwctype>
#include <map>
#include <string>
#include <vector>

class TMemRegistry : public TRegistry {
public:
  int WritesAllowed = 1 << 30;  // writes after this many are refused
  bool RefuseDeletes = false;
  std::vector<std::wstring> WriteLog;  // "name=data" of every accepted write

  std::wstring Read(const std::wstring& key, const std::wstring& name) override {
    auto k = keys_.find(Norm(key));
    if (k == keys_.end()) return {};
    auto v = k->second.find(name);
    return v == k->second.end() ? std::wstring{} : v->second;
  }
  bool Write(const std::wstring& key, const std::wstring& name,
             const std::wstring& data) override {
    if (WritesAllowed <= 0) return false;
    --WritesAllowed;
    keys_[Norm(key)][name] = data;
    WriteLog.push_back(name + L"=" + data);
    return true;
  }
  bool DeleteTree(const std::wstring& key) override {
    if (RefuseDeletes) return false;
    const std::wstring root = Norm(key);
    std::erase_if(keys_, [&](const auto& kv) {
      return kv.first == root || kv.first.starts_with(root + L"\\");
    });
    return true;
  }
  bool HasKey(const std::wstring& key) const { return keys_.count(Norm(key)) > 0; }

private:
  // Registry key names ignore case and the leading/trailing separators.
  static std::wstring Norm(const std::wstring& key) {
    size_t a = key.find_first_not_of(L'\\'), b = key.find_last_not_of(L'\\');
    std::wstring s = a == std::wstring::npos ? L"" : key.substr(a, b - a + 1);
    for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
  }
  std::map<std::wstring, std::map<std::wstring, std::wstring>> keys_;
};

// Records what the commands asked of the window, in order.
class TRecordingUi : public TSystemUi {
public:
  bool Answer = false;
  std::vector<std::wstring> Events;

  void ShowInfo(std::wstring_view text, std::wstring_view title) override {
    Events.push_back(L"info " + std::wstring(title) + L": " + std::wstring(text));
  }
  bool AskYesNo(std::wstring_view text, std::wstring_view title) override {
    Events.push_back(L"ask " + std::wstring(title) + L": " + std::wstring(text));
    return Answer;
  }
  void SetToolbarCaption(std::wstring_view caption) override {
    Events.push_back(L"IER1 " + std::wstring(caption));
  }
  void SetUninstallItem(std::wstring_view caption, int tag) override {
    Events.push_back(L"U1 " + std::wstring(caption) + L" tag " + std::to_wstring(tag));
  }
};
