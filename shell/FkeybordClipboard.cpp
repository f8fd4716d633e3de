// Copy and paste through the clipboard in the four patterns. The clipboard is
// held by a guard that always closes it.
#include "ClipboardIO.h"
#include "Cmsaver.h"
#include "Fkeybord.h"

std::unique_ptr<TClipboard> TfrmKeyboard::OpenClipboardOrThrow() {
  auto clipboard = std::make_unique<TClipboard>(FHandle);
  if (!clipboard->IsOpen()) throw EAppError("クリップボードを開くことができません");
  return clipboard;
}

// Copy pattern 0 sets both formats inside one open and close, so no other
// program sees the clipboard with only one of them.
std::unique_ptr<TClipboard> TfrmKeyboard::CopyEucOpen(const TTextList& list) {
  auto clipboard = OpenClipboardOrThrow();
  EmptyClipboard();
  SetClipboardText(EucText(list, *FUni2Euc));
  return clipboard;
}

void TfrmKeyboard::CopyUnicode(const TTextList& list, std::unique_ptr<TClipboard> clipboard) {
  std::u16string units = Utf16Text(list);
  SetClipboardBytes(CF_UNICODETEXT, units.c_str(), (units.size() + 1) * sizeof(char16_t));
  clipboard.reset();
}

void TfrmKeyboard::CopyEuc(const TTextList& list) {
  auto clipboard = OpenClipboardOrThrow();
  EmptyClipboard();
  SetClipboardText(EucText(list, *FUni2Euc));
}

void TfrmKeyboard::CopyRefs(const TTextList& list, TRefForm form) {
  auto clipboard = OpenClipboardOrThrow();
  EmptyClipboard();
  SetClipboardText(RefText(list, form));
}

void TfrmKeyboard::CopyDec(const TTextList& list) { CopyRefs(list, TRefForm::Dec); }
void TfrmKeyboard::CopyHex(const TTextList& list) { CopyRefs(list, TRefForm::Hex); }

// A failed copy ends here: the text is neither cleared nor the window minimised.
void TfrmKeyboard::btCopyClick() {
  if (!FKeyboard || !FUni2Euc) return;
  TTextList list;
  FKeyboard->GetText(list);
  switch (FSetting.CopyPattern) {
    case 0: CopyUnicode(list, CopyEucOpen(list)); break;
    case 1: CopyEuc(list); break;
    case 2: CopyDec(list); break;
    case 3: CopyHex(list); break;
    default: break;
  }
  if (FSetting.CopyClear == 1) btClearClick();
  if (FSetting.CopyMinimize == 1) ShowWindow(FHandle, SW_MINIMIZE);
}

void TfrmKeyboard::btPasteClick() {
  if (!FKeyboard || !FUni2Euc) return;
  if (FSetting.PasteClear == 1) btClearClick();
  switch (FSetting.PastePattern) {
    case 0: PasteUnicode(); break;
    case 1: PasteEuc(); break;
    case 2: case 3: PasteRef(); break;
    default: break;
  }
  Redraw();
}

void TfrmKeyboard::PasteUnicode() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return;
  FKeyboard->CommitCurrent();
  auto clipboard = OpenClipboardOrThrow();
  std::u16string units = ClipboardUnicode();
  DecodeUtf16(units.data(), units.size(), FKeyboard->Text());
}

void TfrmKeyboard::PasteEuc() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  FKeyboard->CommitCurrent();
  auto clipboard = OpenClipboardOrThrow();
  std::string bytes = ClipboardText();
  DecodeEuc(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), *FUni2Euc, FKeyboard->Text());
}

// The clipboard is closed before the text is parsed.
void TfrmKeyboard::PasteRef() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  FKeyboard->CommitCurrent();
  std::string text;
  {
    auto clipboard = OpenClipboardOrThrow();
    text = ClipboardText();
  }
  ParseRefs(text, FKeyboard->Text());
}
