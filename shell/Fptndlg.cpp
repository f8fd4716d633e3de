#include "Fptndlg.h"
#include "Commands.h"

TfrmPattern* frmPattern = nullptr;

TfrmPattern::TfrmPattern() : FWindow(PatternLayout) {}

bool TfrmPattern::Create(HINSTANCE instance) { return FWindow.Create(instance); }

void TfrmPattern::SetEucEnabled(bool enabled) {
  EnableWindow(FWindow.Control(IdRbCopy1 + 1), enabled);
  EnableWindow(FWindow.Control(IdRbPaste1 + 1), enabled);
}

int32_t TfrmPattern::Execute(TPatternFields& fields) {
  TPatternChoice choice = ReadControls();
  LoadPatternChoice(fields, choice);
  WriteControls(choice);
  int32_t result = FWindow.ShowModal();
  if (result != 1) return result;
  StorePatternChoice(ReadControls(), fields);
  return 1;
}

TPatternChoice TfrmPattern::ReadControls() const {
  TPatternChoice choice;
  for (int p = 0; p < 4; ++p) {
    if (FWindow.Checked(IdRbCopy1 + p)) choice.CopyChecked = p;
    if (FWindow.Checked(IdRbPaste1 + p)) choice.PasteChecked = p;
  }
  choice.CopyClear = FWindow.Checked(IdCbClear1);
  choice.PasteClear = FWindow.Checked(IdCbClear2);
  return choice;
}

void TfrmPattern::WriteControls(const TPatternChoice& choice) {
  for (int p = 0; p < 4; ++p) {
    FWindow.SetChecked(IdRbCopy1 + p, p == choice.CopyChecked);
    FWindow.SetChecked(IdRbPaste1 + p, p == choice.PasteChecked);
  }
  FWindow.SetChecked(IdCbClear1, choice.CopyClear);
  FWindow.SetChecked(IdCbClear2, choice.PasteClear);
}
