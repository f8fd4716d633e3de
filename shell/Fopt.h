#pragma once
// TfrmOption: the window's transparency, minimise-on-copy, and the keyboard
// arrangement, shown but never changeable.
#include <windows.h>
#include <cstdint>
#include "DialogLogic.h"
#include "DialogWindow.h"
#include "Sdat.h"

class TfrmOption {
public:
  TfrmOption();
  bool Create(HINSTANCE instance);
  // Loads the controls from the record and runs the dialog; never writes the
  // record. 1 for OK, 2 for Cancel or the close box.
  int32_t Execute(const TSettingData& setting);
  // The controls' values, for the caller to store after OK.
  TOptionResult Result() const;
  void tbTransChange();
  HWND Handle() const { return FWindow.Handle(); }

private:
  void ShowPercent(int64_t value);

  TDialogWindow FWindow;
};

extern TfrmOption* frmOption;
