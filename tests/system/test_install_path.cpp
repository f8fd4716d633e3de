#include "InstallPath.h"
#include "MemRegistry.h"
#include "SystemText.h"
#include <gtest/gtest.h>

using namespace systext;
using Events = std::vector<std::wstring>;

namespace {

const std::wstring kExeFile = L"C:\\Tools\\Tolvex\\tolvex.exe";
const std::wstring kKey(kInstallKey);

std::wstring Item(std::wstring_view caption, int tag) {
  return L"U1 " + std::wstring(caption) + L" tag " + std::to_wstring(tag);
}
std::wstring Info(std::wstring_view title, std::wstring_view text) {
  return L"info " + std::wstring(title) + L": " + std::wstring(text);
}

}  // namespace

struct PathCase {
  const char* name;
  const wchar_t* stored;  // nullptr: no key
  uint8_t flag;
  bool refuse;
  TPathChange result;
  const wchar_t* after;  // nullptr: no key afterwards
  Events events;
};

TEST(RegisterInstallPath, WritesOrDeletesOnlyWhenNeeded) {
  const PathCase cases[] = {
      {"first start", nullptr, 1, false, TPathChange::Written, kExeFile.c_str(),
       {Item(kUninstallCaptionWritten, 0)}},
      {"moved folder keeps the stored path", L"D:\\old\\tolvex.exe", 1, false,
       TPathChange::None, L"D:\\old\\tolvex.exe", {}},
      {"empty value counts as missing", L"", 1, false, TPathChange::Written,
       kExeFile.c_str(), {Item(kUninstallCaptionWritten, 0)}},
      {"forget a stored path", L"D:\\old\\tolvex.exe", 0, false, TPathChange::Deleted,
       nullptr, {Item(kUninstallCaptionDeleted, 1)}},
      {"nothing to forget", nullptr, 0, false, TPathChange::None, nullptr, {}},
      // Refused: silent, and the item keeps its layout caption.
      {"write refused", nullptr, 1, true, TPathChange::Refused, nullptr, {}},
      {"delete refused", L"D:\\old\\tolvex.exe", 0, true, TPathChange::Refused,
       L"D:\\old\\tolvex.exe", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemRegistry reg;
    if (c.stored) reg.Write(kKey, L"path", c.stored);
    if (c.refuse) { reg.WritesAllowed = 0; reg.RefuseDeletes = true; }
    TRecordingUi ui;
    EXPECT_EQ(RegisterInstallPath(reg, ui, kExeFile, c.flag), c.result);
    EXPECT_EQ(reg.Read(kKey, L"path"), c.after ? c.after : L"");
    EXPECT_EQ(reg.HasKey(kKey), c.after != nullptr);
    EXPECT_EQ(ui.Events, c.events);
  }
}

TEST(PrepareUninstall, ForgetsThenRecordsAgain) {
  TMemRegistry reg;
  TRecordingUi ui;
  RegisterInstallPath(reg, ui, kExeFile, 1);  // start-up
  PrepareUninstallClick(reg, ui, kExeFile, 0);
  EXPECT_FALSE(reg.HasKey(kKey));
  PrepareUninstallClick(reg, ui, kExeFile, 1);
  EXPECT_EQ(reg.Read(kKey, L"path"), kExeFile);
  EXPECT_EQ(ui.Events, (Events{Item(kUninstallCaptionWritten, 0),
                               Item(kUninstallCaptionDeleted, 1),
                               Info(kPreparedTitle, kPreparedText),
                               Item(kUninstallCaptionWritten, 0),
                               Info(kReRegisteredTitle, kReRegisteredText)}));
}

TEST(PrepareUninstall, NoStoredPathStillConfirmsPreparation) {
  TMemRegistry reg;
  TRecordingUi ui;
  PrepareUninstallClick(reg, ui, kExeFile, 0);
  EXPECT_EQ(ui.Events, (Events{Info(kPreparedTitle, kPreparedText)}));
}

TEST(PrepareUninstall, RefusedRegistryIsReportedNotConfirmed) {
  TMemRegistry reg;
  reg.Write(kKey, L"path", kExeFile);
  reg.WritesAllowed = 0;
  reg.RefuseDeletes = true;
  TRecordingUi ui;
  PrepareUninstallClick(reg, ui, kExeFile, 0);
  EXPECT_TRUE(reg.HasKey(kKey));

  TMemRegistry empty;
  empty.WritesAllowed = 0;
  PrepareUninstallClick(empty, ui, kExeFile, 1);
  EXPECT_EQ(ui.Events, (Events{Info(kPreparedTitle, kRegistryRefusedText),
                               Info(kReRegisteredTitle, kRegistryRefusedText)}));
}
