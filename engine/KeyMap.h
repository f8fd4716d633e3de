#pragma once
// The PC keyboard in the Korean two-set arrangement, as a pure function of
// the virtual-key code and the Shift and Ctrl states. Caps Lock and Alt are
// never looked at.
#include <cstdint>

enum class TKeyKind : uint8_t { None, Jamo, Space, BackSpace, Copy, Paste };

struct TKeyAction {
  TKeyKind Kind = TKeyKind::None;
  int8_t Tag = 0;                 // jamo tag for Kind == Jamo
  const char* Button = nullptr;   // control that takes the focus: "bbG", "btBack", "btSpace", "btCopy", "btPaste"
};

TKeyAction MapKey(uint16_t virtualKey, bool shift, bool ctrl);
