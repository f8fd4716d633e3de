#pragma once
// What the system commands need from the main window: two menu items to
// relabel and the application's message boxes (information icon).
#include <string_view>

class TSystemUi {
public:
  virtual ~TSystemUi() = default;
  virtual void ShowInfo(std::wstring_view text, std::wstring_view title) = 0;
  // A Yes/No question; true on Yes.
  virtual bool AskYesNo(std::wstring_view text, std::wstring_view title) = 0;
  virtual void SetToolbarCaption(std::wstring_view caption) = 0;
  // The uninstall item keeps its state in its caption and its tag.
  virtual void SetUninstallItem(std::wstring_view caption, int tag) = 0;
};
