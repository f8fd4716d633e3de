#include "Fopt.h"
#include <windows.h>
#include <commctrl.h>
#include <string>
#include "Commands.h"

TfrmOption* frmOption = nullptr;

TfrmOption::TfrmOption() : FWindow(OptionLayout) {
  FWindow.OnHScroll = [this](HWND from) {
    if (from == FWindow.Control(IdTbTrans)) tbTransChange();
  };
}

bool TfrmOption::Create(HINSTANCE instance) {
  if (!FWindow.Create(instance)) return false;
  HWND track = FWindow.Control(IdTbTrans);
  SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(TrackMin, TrackMax));
  SendMessageW(track, TBM_SETTICFREQ, TrackTickStep, 0);
  // A shorter thumb leaves room for the ticks below it in the 25-pixel bar.
  SendMessageW(track, TBM_SETTHUMBLENGTH, 18, 0);
  SendMessageW(track, TBM_SETPAGESIZE, 0, 2);
  SendMessageW(track, TBM_SETPOS, TRUE, TrackMin);
  return true;
}

int32_t TfrmOption::Execute(const TSettingData& setting) {
  SendMessageW(FWindow.Control(IdTbTrans), TBM_SETPOS, TRUE, TrackPosition(setting.Alpha));
  // The label shows the stored value itself, even one outside the slider's range.
  ShowPercent(setting.Alpha);
  FWindow.SetChecked(IdCbCopy2Min, setting.CopyMinimize == 1);
  int index = LayoutIndex(setting.KeyLayout);
  FWindow.SetChecked(IdRgKeyboardItem0, index == 0);
  FWindow.SetChecked(IdRgKeyboardItem1, index == 1);
  return FWindow.ShowModal();
}

TOptionResult TfrmOption::Result() const {
  TOptionResult r;
  r.Track = static_cast<int>(SendMessageW(FWindow.Control(IdTbTrans), TBM_GETPOS, 0, 0));
  r.Minimize = FWindow.Checked(IdCbCopy2Min);
  r.LayoutIndex = FWindow.Checked(IdRgKeyboardItem0) ? 0 : FWindow.Checked(IdRgKeyboardItem1) ? 1 : -1;
  return r;
}

void TfrmOption::tbTransChange() {
  ShowPercent(SendMessageW(FWindow.Control(IdTbTrans), TBM_GETPOS, 0, 0));
}

void TfrmOption::ShowPercent(int64_t value) { FWindow.SetText(IdLbPer, std::to_wstring(AlphaPercent(value))); }
