#include "MemRegistry.h"
#include "SystemText.h"
#include "Toolbar.h"
#include <gtest/gtest.h>

using namespace systext;
using Events = std::vector<std::wstring>;

namespace {

const TExeLocation kExe{L"C:\\Tools\\Tolvex\\", L"C:\\Tools\\Tolvex\\tolvex.exe"};
const std::wstring kKey(kExtensionKey);

std::wstring Info(std::wstring_view title, std::wstring_view text) {
  return L"info " + std::wstring(title) + L": " + std::wstring(text);
}
std::wstring Caption(std::wstring_view c) { return L"IER1 " + std::wstring(c); }
const std::wstring kAsk = L"ask " + std::wstring(kAskRegisterTitle) + L": " +
                          std::wstring(kAskRegisterText);
const std::wstring kRegisteredBox = Info(kRegisteredTitle, kRegisteredText);
const std::wstring kRemovedBox = Info(kRemovedTitle, kRemovedText);

const Events kSixValues = {
    L"Default Visible=Yes",
    L"ButtonText=ソランキーボード",
    L"CLSID={1FBA04EE-3024-11d2-8F1F-0000F87ABD16}",
    L"Icon=C:\\Tools\\Tolvex\\qelmo.ico",
    L"HotIcon=C:\\Tools\\Tolvex\\qelmo2.ico",
    L"Exec=C:\\Tools\\Tolvex\\tolvex.exe",
};

}  // namespace

struct StartupCase {
  const wchar_t* visible;  // stored "Default Visible", nullptr for no key
  bool firstRun;
  bool answer;
  Events events;
  bool writesValues;
};

TEST(ToolbarStartup, LabelsAndOffersFromTheRegistry) {
  const StartupCase cases[] = {
      {L"Yes", true, true, {Caption(kToolbarCaptionRemove)}, false},
      {L"Yes", false, false, {Caption(kToolbarCaptionRemove)}, false},
      {nullptr, true, true, {kAsk, kRegisteredBox, Caption(kToolbarCaptionRemove)}, true},
      {nullptr, true, false, {kAsk, Caption(kToolbarCaptionRegister)}, false},
      {nullptr, false, true, {Caption(kToolbarCaptionRegister)}, false},
      // Only the exact "Yes" counts as registered.
      {L"yes", false, true, {Caption(kToolbarCaptionRegister)}, false},
      {L"YES", true, false, {kAsk, Caption(kToolbarCaptionRegister)}, false},
  };
  for (const auto& c : cases) {
    TMemRegistry reg;
    if (c.visible) reg.Write(kKey, L"Default Visible", c.visible);
    reg.WriteLog.clear();
    TRecordingUi ui;
    ui.Answer = c.answer;
    ToolbarStartupStep(reg, ui, kExe, c.firstRun);
    SCOPED_TRACE(testing::Message() << (c.visible ? "stored" : "none") << " first="
                                    << c.firstRun << " yes=" << c.answer);
    EXPECT_EQ(ui.Events, c.events);
    EXPECT_EQ(reg.WriteLog, c.writesValues ? kSixValues : Events{});
  }
}

TEST(ToolbarToggle, RegistersThenRemoves) {
  TMemRegistry reg;
  TRecordingUi ui;
  ToggleToolbarButton(reg, ui, kExe);
  EXPECT_EQ(reg.WriteLog, kSixValues);
  EXPECT_TRUE(IsToolbarRegistered(reg));
  ToggleToolbarButton(reg, ui, kExe);
  EXPECT_FALSE(reg.HasKey(kKey));
  EXPECT_EQ(ui.Events, (Events{kRegisteredBox, Caption(kToolbarCaptionRemove),
                               kRemovedBox, Caption(kToolbarCaptionRegister)}));
}

TEST(ToolbarToggle, WrongCaseRewritesAllValuesFromCurrentFolder) {
  TMemRegistry reg;
  reg.Write(kKey, L"Default Visible", L"yes");
  reg.Write(kKey, L"Exec", L"D:\\old\\tolvex.exe");
  reg.WriteLog.clear();
  TRecordingUi ui;
  ToggleToolbarButton(reg, ui, kExe);
  EXPECT_EQ(reg.WriteLog, kSixValues);
  EXPECT_EQ(reg.Read(kKey, L"Exec"), kExe.File);
}

TEST(ToolbarToggle, RemovesSubkeysToo) {
  TMemRegistry reg;
  reg.Write(kKey, L"Default Visible", L"Yes");
  reg.Write(kKey + L"Sub\\Deeper", L"x", L"1");
  TRecordingUi ui;
  ToggleToolbarButton(reg, ui, kExe);
  EXPECT_FALSE(reg.HasKey(kKey + L"Sub\\Deeper"));
  EXPECT_FALSE(reg.HasKey(kKey));
}

// Without administrator rights nothing may be confirmed, and the caption
// must keep telling what the registry really holds.
struct RefusedCase {
  const char* name;
  bool registered;
  int writesAllowed;
  bool refuseDeletes;
  Events events;
};

TEST(ToolbarToggle, RefusedChangeIsReportedNotConfirmed) {
  const std::wstring refusedAdd = Info(kRegisteredTitle, kRegistryRefusedText);
  const std::wstring refusedRemove = Info(kRemovedTitle, kRegistryRefusedText);
  const RefusedCase cases[] = {
      {"no write at all", false, 0, false, {refusedAdd, Caption(kToolbarCaptionRegister)}},
      // "Default Visible" went in before the refusal: the entry now counts as
      // registered, so the item offers to remove it.
      {"refused midway", false, 1, false, {refusedAdd, Caption(kToolbarCaptionRemove)}},
      {"delete refused", true, 1 << 30, true, {refusedRemove, Caption(kToolbarCaptionRemove)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemRegistry reg;
    if (c.registered) reg.Write(kKey, L"Default Visible", L"Yes");
    reg.WritesAllowed = c.writesAllowed;
    reg.RefuseDeletes = c.refuseDeletes;
    TRecordingUi ui;
    ToggleToolbarButton(reg, ui, kExe);
    EXPECT_EQ(ui.Events, c.events);
  }
}

TEST(ToolbarStartup, RefusedFirstRunRegistrationIsNotConfirmed) {
  TMemRegistry reg;
  reg.WritesAllowed = 0;
  TRecordingUi ui;
  ui.Answer = true;
  ToolbarStartupStep(reg, ui, kExe, true);
  EXPECT_EQ(ui.Events, (Events{kAsk, Info(kRegisteredTitle, kRegistryRefusedText),
                               Caption(kToolbarCaptionRegister)}));
}
