#include "Toolbar.h"
#include "SystemText.h"

using namespace systext;

namespace {

std::wstring Str(std::wstring_view s) { return std::wstring(s); }

// Writes the six values in the order the browser documents them. Stops at
// the first refused write so that a half-written entry is not extended.
bool WriteToolbarValues(TRegistry& reg, const TExeLocation& exe) {
  const std::wstring key = Str(kExtensionKey);
  const std::pair<std::wstring_view, std::wstring> values[] = {
      {kDefaultVisible, Str(kVisibleYes)},
      {kButtonText, Str(kButtonTextData)},
      {kClsid, Str(kClsidData)},
      {kIcon, exe.Directory + Str(kIconFile)},
      {kHotIcon, exe.Directory + Str(kHotIconFile)},
      {kExec, exe.File},
  };
  for (const auto& [name, data] : values)
    if (!reg.Write(key, Str(name), data)) return false;
  return true;
}

void LabelFromRegistry(TRegistry& reg, TSystemUi& ui) {
  ui.SetToolbarCaption(IsToolbarRegistered(reg) ? kToolbarCaptionRemove
                                                : kToolbarCaptionRegister);
}

}  // namespace

bool IsToolbarRegistered(TRegistry& reg) {
  return reg.Read(Str(kExtensionKey), Str(kDefaultVisible)) == kVisibleYes;
}

void ToggleToolbarButton(TRegistry& reg, TSystemUi& ui, const TExeLocation& exe) {
  if (IsToolbarRegistered(reg)) {
    const bool removed = reg.DeleteTree(Str(kExtensionKey));
    ui.ShowInfo(removed ? kRemovedText : kRegistryRefusedText, kRemovedTitle);
  } else {
    const bool written = WriteToolbarValues(reg, exe);
    ui.ShowInfo(written ? kRegisteredText : kRegistryRefusedText, kRegisteredTitle);
  }
  LabelFromRegistry(reg, ui);
}

void ToolbarStartupStep(TRegistry& reg, TSystemUi& ui, const TExeLocation& exe,
                        bool firstRun) {
  if (IsToolbarRegistered(reg)) {
    ui.SetToolbarCaption(kToolbarCaptionRemove);
    return;
  }
  if (firstRun && ui.AskYesNo(kAskRegisterText, kAskRegisterTitle)) {
    ToggleToolbarButton(reg, ui, exe);
    return;
  }
  ui.SetToolbarCaption(kToolbarCaptionRegister);
}
