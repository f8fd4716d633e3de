// Saving the text as a one-line file of character references.
#include <windows.h>
#include <commdlg.h>
#include "Cmsaver.h"
#include "Fkeybord.h"

namespace {
// Two strings per filter, the list ended by an empty one.
constexpr wchar_t SaveFilter[] = L"テキストファイル(*.txt)\0*.txt\0";
constexpr DWORD SaveNameCapacity = 32768;
}  // namespace

// No default extension and no overwrite prompt: the name is used as typed.
bool TfrmKeyboard::RunSaveDialog() {
  std::wstring buffer(SaveNameCapacity, L'\0');
  FSaveFileName.copy(buffer.data(), SaveNameCapacity - 1);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = FHandle;
  ofn.lpstrFilter = SaveFilter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = SaveNameCapacity;
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!GetSaveFileNameW(&ofn)) return false;
  FSaveFileName = buffer.c_str();
  return true;
}

// The file is replaced through a temporary one, so a failed write leaves an
// existing file as it was.
void TfrmKeyboard::SaveReferences(TRefForm form, const wchar_t* title) {
  if (!FKeyboard || !RunSaveDialog()) return;
  TTextList list;
  FKeyboard->GetText(list);
  std::string content = RefFileContent(list, form);
  WriteFileReplacing(std::filesystem::path(FSaveFileName), content.data(), content.size());
  ShowInfoBox(L"保存しました", title, MB_OK);
}

void TfrmKeyboard::mmSave10Click() { SaveReferences(TRefForm::Dec, L"10進で保存"); }
void TfrmKeyboard::mmSave16Click() { SaveReferences(TRefForm::Hex, L"16進で保存"); }
