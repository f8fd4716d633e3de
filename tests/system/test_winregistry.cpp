// The registry functions against the real registry (Wine's, in the test
// prefix). Each test works below its own scratch key and removes it.
#include "WinHandles.h"
#include "WinRegistry.h"
#include <gtest/gtest.h>
#include <sddl.h>
#include <cstring>
#include <string>

namespace {

class WinRegistryTest : public testing::Test {
protected:
  void SetUp() override {
    const char* name = testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = L"\\Software\\TolvexTest\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::wstring(name, name + std::strlen(name)) + L"\\";
  }
  void TearDown() override {
    DeleteRegTree(root_);
    // The shared parent goes once no other run is using it.
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\TolvexTest");
  }

  // Stores a value of any type directly, as another program might.
  void RawSet(const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
    TRegKey k;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, Sub().c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, k.Out(), nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(k.Get(), name.c_str(), 0, type,
                             static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
  }
  bool KeyExists(const std::wstring& sub) {
    TRegKey k;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, sub.c_str(), 0, KEY_READ, k.Out()) ==
           ERROR_SUCCESS;
  }
  bool SetDacl(const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd,
                                                              nullptr))
      return false;
    TRegKey k;
    bool ok = RegOpenKeyExW(HKEY_LOCAL_MACHINE, (Sub() + L"\\locked").c_str(), 0,
                            WRITE_DAC, k.Out()) == ERROR_SUCCESS &&
              RegSetKeySecurity(k.Get(), DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    LocalFree(sd);
    return ok;
  }
  std::wstring Sub() const { return root_.substr(1, root_.size() - 2); }

  std::wstring root_;
};

TEST_F(WinRegistryTest, WritesAndReadsBackCreatingParents) {
  const std::wstring key = root_ + L"a\\b\\";
  EXPECT_TRUE(WriteRegString(key, L"ButtonText", L"ソランキーボード"));
  EXPECT_TRUE(WriteRegString(key, L"Default Visible", L"Yes"));
  EXPECT_EQ(ReadRegString(key, L"ButtonText"), L"ソランキーボード");
  // Overwriting keeps a single value; the leading/trailing separators are optional.
  EXPECT_TRUE(WriteRegString(key, L"Default Visible", L"No"));
  EXPECT_EQ(ReadRegString(Sub() + L"\\a\\b", L"Default Visible"), L"No");
  // Written as REG_SZ with its terminating zero.
  TRegKey k;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, (Sub() + L"\\a\\b").c_str(), 0, KEY_READ,
                          k.Out()), ERROR_SUCCESS);
  DWORD type = 0, bytes = 0;
  ASSERT_EQ(RegQueryValueExW(k.Get(), L"Default Visible", nullptr, &type, nullptr, &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, 3 * sizeof(wchar_t));
}

TEST_F(WinRegistryTest, ReadsOnlyStringValues) {
  const DWORD number = 1;
  const wchar_t unterminated[] = {L'Y', L'e', L's'};
  const wchar_t expandable[] = L"%SystemRoot%\\x";
  const wchar_t withOddByte[] = L"Yes";
  RawSet(L"dword", REG_DWORD, &number, sizeof number);
  RawSet(L"binary", REG_BINARY, L"Yes", 8);
  RawSet(L"unterminated", REG_SZ, unterminated, sizeof unterminated);
  RawSet(L"expand", REG_EXPAND_SZ, expandable, sizeof expandable);
  RawSet(L"odd", REG_SZ, withOddByte, 7);
  RawSet(L"empty", REG_SZ, L"", 0);
  const struct { const wchar_t* name; const wchar_t* want; } cases[] = {
      {L"dword", L""},        {L"binary", L""},
      {L"unterminated", L"Yes"}, {L"expand", L"%SystemRoot%\\x"},
      {L"odd", L"Yes"},       {L"empty", L""},
      {L"missing", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadRegString(root_, c.name), c.want) << c.name;
  EXPECT_EQ(ReadRegString(root_ + L"nokey\\", L"path"), L"");
}

TEST_F(WinRegistryTest, DeletesWholeTree) {
  ASSERT_TRUE(WriteRegString(root_ + L"x\\y\\z\\", L"v", L"1"));
  ASSERT_TRUE(WriteRegString(root_ + L"x\\", L"v", L"1"));
  EXPECT_TRUE(DeleteRegTree(root_ + L"x\\"));
  EXPECT_FALSE(KeyExists(Sub() + L"\\x"));
  EXPECT_TRUE(KeyExists(Sub()));
  EXPECT_TRUE(DeleteRegTree(root_ + L"x\\"));  // already gone
  EXPECT_FALSE(DeleteRegTree(L"\\"));          // never the root
}

// A key that only grants reading, as HKEY_LOCAL_MACHINE is for a user
// without administrator rights.
TEST_F(WinRegistryTest, RefusedWriteIsReported) {
  ASSERT_TRUE(WriteRegString(root_ + L"locked\\", L"path", L"old"));
  ASSERT_TRUE(SetDacl(L"D:P(A;;KR;;;WD)"));
  TRegKey probe;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (Sub() + L"\\locked").c_str(), 0, KEY_SET_VALUE,
                    probe.Out()) == ERROR_SUCCESS)
    GTEST_SKIP() << "this registry does not enforce key security";
  EXPECT_FALSE(WriteRegString(root_ + L"locked\\", L"path", L"new"));
  EXPECT_EQ(ReadRegString(root_ + L"locked\\", L"path"), L"old");
  SetDacl(L"D:(A;;KA;;;WD)");  // unlock, so the scratch key can go
}

}  // namespace
