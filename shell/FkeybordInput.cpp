// Input: the jamo buttons, space, back space, clear and the PC keyboard. Each
// handler makes one engine call and redraws the strip.
#include "Commands.h"
#include "Fkeybord.h"
#include "KeyPreview.h"

void TfrmKeyboard::Redraw() {
  TTextList list;
  FKeyboard->GetText(list);
  DrawText(&list);
}

void TfrmKeyboard::bbGClick(HWND sender) {
  if (!FKeyboard) return;
  int tag = GetDlgCtrlID(sender) - IdJamoBase;
  FKeyboard->AddJamo(static_cast<int8_t>(tag & 0xFF));
  Redraw();
}

void TfrmKeyboard::InputChar(int32_t code) {
  if (!FKeyboard) return;
  FKeyboard->AddChar(code);
  Redraw();
}

void TfrmKeyboard::btSpaceClick() { InputChar(32); }

void TfrmKeyboard::btBackClick() {
  if (!FKeyboard) return;
  FKeyboard->BackSpace();
  Redraw();
}

void TfrmKeyboard::btClearClick() {
  if (!FKeyboard) return;
  FKeyboard->Clear();
  DrawText(nullptr);
}

// A key does what a click on its button does, and leaves the focus there.
uint16_t TfrmKeyboard::FormKeyDown(uint16_t key, bool shift, bool ctrl) {
  TKeyPreview preview = PreviewKey(key, shift, ctrl);
  if (preview.FocusId == 0) return key;
  if (preview.Consume) key = 0;
  HWND target = Control(preview.FocusId);
  SetFocus(target);
  switch (preview.Action.Kind) {
    case TKeyKind::Jamo: bbGClick(target); break;
    case TKeyKind::Space: InputChar(32); break;
    case TKeyKind::BackSpace: btBackClick(); break;
    case TKeyKind::Copy: btCopyClick(); break;
    case TKeyKind::Paste: btPasteClick(); break;
    case TKeyKind::None: break;
  }
  return key;
}
