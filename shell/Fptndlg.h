#pragma once
// TfrmPattern: choose the copy and paste patterns and the clear options.
#include <windows.h>
#include <cstdint>
#include "DialogLogic.h"
#include "DialogWindow.h"

class TfrmPattern {
public:
  TfrmPattern();
  bool Create(HINSTANCE instance);
  // The EUC-KR choices need the conversion table; the caller says anew on
  // every opening whether there is one.
  void SetEucEnabled(bool enabled);
  // Loads the controls from the fields, runs the dialog and, on OK (1),
  // stores the choices back. Cancel or the close box (2) changes nothing.
  int32_t Execute(TPatternFields& fields);
  HWND Handle() const { return FWindow.Handle(); }

private:
  TPatternChoice ReadControls() const;
  void WriteControls(const TPatternChoice& choice);

  TDialogWindow FWindow;
};

extern TfrmPattern* frmPattern;
