#include "InstallPath.h"
#include "SystemText.h"

using namespace systext;

TPathChange RegisterInstallPath(TRegistry& reg, TSystemUi& ui,
                                const std::wstring& exeFile, uint8_t flag) {
  const std::wstring key(kInstallKey);
  const bool stored = !reg.Read(key, std::wstring(kPathValue)).empty();
  if (stored && flag == 0) {
    if (!reg.DeleteTree(key)) return TPathChange::Refused;
    ui.SetUninstallItem(kUninstallCaptionDeleted, 1);
    return TPathChange::Deleted;
  }
  if (!stored && flag == 1) {
    if (!reg.Write(key, std::wstring(kPathValue), exeFile)) return TPathChange::Refused;
    ui.SetUninstallItem(kUninstallCaptionWritten, 0);
    return TPathChange::Written;
  }
  return TPathChange::None;
}

void PrepareUninstallClick(TRegistry& reg, TSystemUi& ui,
                           const std::wstring& exeFile, int tag) {
  if (tag == 1) {
    const bool ok = RegisterInstallPath(reg, ui, exeFile, 1) != TPathChange::Refused;
    ui.ShowInfo(ok ? kReRegisteredText : kRegistryRefusedText, kReRegisteredTitle);
  } else {
    const bool ok = RegisterInstallPath(reg, ui, exeFile, 0) != TPathChange::Refused;
    ui.ShowInfo(ok ? kPreparedText : kRegistryRefusedText, kPreparedTitle);
  }
}
