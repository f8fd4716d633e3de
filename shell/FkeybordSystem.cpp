// Registry and shell integration of the main window: the browser toolbar
// button, the install path and the information page. The decisions live in
// system/ (Toolbar, InstallPath) and are tested there; this is the glue.
#include "Fkeybord.h"
#include "Commands.h"
#include "ExeDir.h"
#include "InstallPath.h"
#include "SystemText.h"
#include "Toolbar.h"
#include "WinRegistry.h"
#include "WinShell.h"

namespace {

// The main window as the system commands see it.
class TWindowUi : public TSystemUi {
public:
  explicit TWindowUi(TfrmKeyboard& form) : form_(form) {}
  void ShowInfo(std::wstring_view text, std::wstring_view title) override {
    form_.ShowInfoBox(std::wstring(text), std::wstring(title), MB_OK);
  }
  bool AskYesNo(std::wstring_view text, std::wstring_view title) override {
    return form_.ShowInfoBox(std::wstring(text), std::wstring(title), MB_YESNO) == IDYES;
  }
  void SetToolbarCaption(std::wstring_view caption) override {
    form_.SetMenuCaption(IdIER1, std::wstring(caption));
  }
  void SetUninstallItem(std::wstring_view caption, int tag) override {
    form_.SetMenuCaption(IdU1, std::wstring(caption));
    form_.SetMenuTag(IdU1, tag);
  }

private:
  TfrmKeyboard& form_;
};

// Built anew at every use: the program may have been moved since it started.
TExeLocation CurrentExe() {
  TExeLocation exe{ExeDirectory().wstring(), ExeFile().wstring()};
  if (!exe.Directory.empty() && exe.Directory.back() != L'\\') exe.Directory += L'\\';
  return exe;
}

}  // namespace

void TfrmKeyboard::RegisterPath(uint8_t flag) {
  TWinRegistry reg;
  TWindowUi ui(*this);
  RegisterInstallPath(reg, ui, CurrentExe().File, flag);
}

void TfrmKeyboard::SetupToolbarButton(int32_t loadResult) {
  TWinRegistry reg;
  TWindowUi ui(*this);
  ToolbarStartupStep(reg, ui, CurrentExe(), loadResult == -1);
}

void TfrmKeyboard::IER1Click() {
  TWinRegistry reg;
  TWindowUi ui(*this);
  ToggleToolbarButton(reg, ui, CurrentExe());
}

void TfrmKeyboard::U1Click() {
  TWinRegistry reg;
  TWindowUi ui(*this);
  PrepareUninstallClick(reg, ui, CurrentExe().File, static_cast<int>(MenuTag(IdU1)));
}

void TfrmKeyboard::mmHomeClick() {
  OpenFileBesideExe(Handle(), std::wstring(systext::kInfoPage));
}
