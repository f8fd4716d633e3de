// A dialog window built from a layout table and run by its own modal loop,
// so that every control sits at its exact pixel position.
#pragma once
#include <windows.h>
#include <cstdint>
#include <functional>
#include <map>
#include "Controls.h"
#include "Layout.h"

class TDialogWindow : TNonCopyable {
public:
  explicit TDialogWindow(const TWindowLayout& layout) : FLayout(layout) {}
  ~TDialogWindow();

  bool Create(HINSTANCE instance);  // created hidden, once, and reused
  // Centres and shows the dialog and waits: 1 for OK, 2 for Cancel, Escape
  // or the close box. The dialog is hidden again afterwards.
  int32_t ShowModal();

  HWND Handle() const { return FHandle; }
  HWND Control(int id) const;
  bool Checked(int id) const;
  void SetChecked(int id, bool checked);
  void SetText(int id, const std::wstring& text);

  std::function<void(int id)> OnCommand;  // a control other than OK or Cancel
  std::function<void(HWND from)> OnHScroll;

private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void FocusFirstTabStop();

  const TWindowLayout& FLayout;
  HWND FHandle = nullptr;
  std::map<int, HWND> FControls;
  TFonts FFonts;
  int32_t FResult = 0;
};
