#pragma once
// The main window sees every key before its focused control does. This is
// the decision for one key press, apart from any window.
#include <cstdint>
#include "KeyMap.h"

struct TKeyPreview {
  TKeyAction Action;
  int FocusId = 0;       // control that takes the focus; 0 when the key is not ours
  bool Consume = false;  // true: the key does not reach the focused control
};

TKeyPreview PreviewKey(uint16_t virtualKey, bool shift, bool ctrl);
