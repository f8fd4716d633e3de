// Copy and paste through the clipboard in the four patterns. The clipboard is
// held by a guard that always closes it; memory goes to the clipboard only
// once SetClipboardData accepted it.
#include <cstring>
#include "Cmsaver.h"
#include "Fkeybord.h"

namespace {

// Clipboard data is sized by its owner: a hostile block may lack its
// terminator, so every read is bounded by GlobalSize.
void SetClipboardBytes(UINT format, const void* data, size_t size) {
  TGlobal memory(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!memory.Get()) throw std::bad_alloc();
  {
    TGlobalLock lock(memory.Get());
    if (!lock.Get()) throw std::bad_alloc();
    std::memcpy(lock.Get(), data, size);
  }
  if (!SetClipboardData(format, memory.Get())) throw EAppError("クリップボードにデータを設定できません");
  memory.Detach();  // the clipboard owns it now
}

void SetClipboardText(const std::string& bytes) { SetClipboardBytes(CF_TEXT, bytes.c_str(), bytes.size() + 1); }

}  // namespace

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
  TGlobalLock lock(GetClipboardData(CF_UNICODETEXT));
  if (!lock.Get()) return;  // emptied by another program in between: nothing to paste
  DecodeUtf16(static_cast<const char16_t*>(lock.Get()), lock.Size() / sizeof(char16_t), FKeyboard->Text());
}

void TfrmKeyboard::PasteEuc() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  FKeyboard->CommitCurrent();
  auto clipboard = OpenClipboardOrThrow();
  TGlobalLock lock(GetClipboardData(CF_TEXT));
  if (!lock.Get()) return;
  DecodeEuc(static_cast<const uint8_t*>(lock.Get()), lock.Size(), *FUni2Euc, FKeyboard->Text());
}

// The text is copied out so that the clipboard is closed before parsing.
void TfrmKeyboard::PasteRef() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  FKeyboard->CommitCurrent();
  std::string text;
  {
    auto clipboard = OpenClipboardOrThrow();
    TGlobalLock lock(GetClipboardData(CF_TEXT));
    if (!lock.Get()) return;
    const char* bytes = static_cast<const char*>(lock.Get());
    text.assign(bytes, strnlen(bytes, lock.Size()));
  }
  ParseRefs(text, FKeyboard->Text());
}
