#include "Cmsaver.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "ExeDir.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvex-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Path(const std::string& name) const { return dir_ / name; }

  static void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static std::string Le32(std::initializer_list<uint32_t> values) {
    std::string s;
    for (uint32_t v : values)
      for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
    return s;
  }
  size_t FilesInDir() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
};

struct Record {
  uint32_t v[8];
};

Record LoadAndDefault(const fs::path& p, int32_t* result) {
  TSettingData s;
  std::memset(&s, 0xAB, sizeof s);
  int32_t bytesRead = -1;
  *result = TCommonSaver().Load(p, &s, sizeof s, &bytesRead);
  ApplySettingDefaults(s, bytesRead);
  Record r;
  std::memcpy(r.v, &s, sizeof s);
  return r;
}

TEST_F(SettingsFile, LoadZeroFillsReadsAtMost32BytesAndDefaultsOldRecords) {
  struct Case {
    const char* what;
    bool exists;
    std::string content;
    int32_t result;
    std::array<uint32_t, 8> record;
  } const cases[] = {
      {"no file", false, "", -1, {2, 0, 0, 0, 0, 0, 200, 1}},
      {"empty file", true, "", 0, {2, 0, 0, 0, 0, 0, 200, 1}},
      {"3 bytes of version 1", true, std::string("\x01\x00\x00", 3), 0, {2, 0, 0, 0, 0, 0, 200, 1}},
      {"2 stray bytes are no version", true, std::string("\xff\xff", 2), 0, {2, 0, 0, 0, 0, 0, 200, 1}},
      {"8 bytes, version 1", true, Le32({1, 3}), 0, {2, 3, 0, 0, 0, 0, 200, 1}},
      {"version 2 kept", true, Le32({2, 1, 1, 2, 1, 1, 150, 0}), 0, {2, 1, 1, 2, 1, 1, 150, 0}},
      {"version all ones", true, Le32({0xFFFFFFFF, 0, 0, 0, 0, 0, 0, 0}), 0, {0xFFFFFFFF, 0, 0, 0, 0, 0, 0, 0}},
      {"alpha 300 kept", true, Le32({2, 0, 0, 0, 0, 0, 300, 1}), 0, {2, 0, 0, 0, 0, 0, 300, 1}},
      {"40 bytes", true, Le32({2, 3, 1, 3, 1, 0xFFFFFFFF, 120, 0, 9, 9}), 0, {2, 3, 1, 3, 1, 0xFFFFFFFF, 120, 0}},
  };
  for (const auto& c : cases) {
    const auto p = Path("tolvex.dat");
    fs::remove(p);
    if (c.exists) Write(p, c.content);
    int32_t result = 0;
    const Record r = LoadAndDefault(p, &result);
    EXPECT_EQ(result, c.result) << c.what;
    for (int i = 0; i < 8; ++i) EXPECT_EQ(r.v[i], c.record[i]) << c.what << " field " << i;
  }
}

TEST_F(SettingsFile, LoadOfSomethingUnreadableRaisesTheOpenError) {
  const auto p = Path("folder.dat");
  fs::create_directories(p);
  TSettingData s{7, 7, 7, 7, 7, 7, 7, 7};
  try {
    TCommonSaver().Load(p, &s, sizeof s);
    FAIL() << "no error";
  } catch (const EAppError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + p.string() + " は開けません");
  }
  EXPECT_EQ(s.Version, 0u) << "the record is zeroed before the error";
  EXPECT_EQ(s.CopyMinimize, 0);
}

TEST_F(SettingsFile, SaveWritesExactly32BytesOverALongerFile) {
  const auto p = Path("tolvex.dat");
  Write(p, std::string(40, 'x'));
  const TSettingData s{2, 3, 1, 0, 1, 1, 200, 1};
  EXPECT_EQ(TCommonSaver().Save(p, &s, sizeof s), 0);
  EXPECT_EQ(Read(p), Le32({2, 3, 1, 0, 1, 1, 200, 1}));
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file left behind";
}

TEST_F(SettingsFile, FailedSaveRaisesTheCreateErrorAndKeepsThePreviousFile) {
  // A folder standing where the file should go cannot be replaced; a regular
  // file standing where the folder should be cannot hold a file at all.
  const auto blocked = Path("blocked.dat");
  fs::create_directories(blocked);
  Write(blocked / "inside", "keep");
  const auto notAFolder = Path("plain");
  Write(notAFolder, "keep");
  const TSettingData s{2, 0, 0, 0, 0, 0, 200, 1};
  for (const auto& target : {blocked, notAFolder / "tolvex.dat"}) {
    try {
      TCommonSaver().Save(target, &s, sizeof s);
      FAIL() << "no error for " << target;
    } catch (const EAppError& e) {
      EXPECT_EQ(std::string(e.what()), "ファイル " + target.string() + " を作成できません");
    }
  }
  EXPECT_EQ(Read(blocked / "inside"), "keep");
  EXPECT_EQ(Read(notAFolder), "keep");
  EXPECT_EQ(FilesInDir(), 2u) << "no temporary file left behind";
}

TEST_F(SettingsFile, WriteFileReplacingReplacesWholeContent) {
  const auto p = Path("memo");
  WriteFileReplacing(p, "first content", 13);
  EXPECT_EQ(Read(p), "first content");
  WriteFileReplacing(p, "2nd", 3);
  EXPECT_EQ(Read(p), "2nd");
  WriteFileReplacing(p, nullptr, 0);
  EXPECT_TRUE(fs::exists(p));
  EXPECT_EQ(fs::file_size(p), 0u);
  EXPECT_EQ(FilesInDir(), 1u);
}

#ifndef _WIN32
// A file size limit makes the write itself fail, as a full disk would.
TEST_F(SettingsFile, WriteErrorKeepsTheOldContentAndLeavesNoTemporaryFile) {
  const auto p = Path("memo.txt");
  WriteFileReplacing(p, "old", 3);
  const std::string big(100000, 'x');
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  std::string error;
  try {
    WriteFileReplacing(p, big.data(), big.size());
  } catch (const EAppError& e) {
    error = e.what();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(error, "ストリームへの書き込みエラー");
  EXPECT_EQ(Read(p), "old");
  EXPECT_EQ(FilesInDir(), 1u);
}
#endif

TEST_F(SettingsFile, JapaneseFolderNamesWork) {
  const auto folder = Path("設定フォルダ");
  fs::create_directories(folder);
  const auto p = folder / "tolvex.dat";
  const TSettingData s{2, 1, 0, 1, 0, 0, 180, 0};
  TCommonSaver().Save(p, &s, sizeof s);
  TSettingData back{};
  EXPECT_EQ(TCommonSaver().Load(p, &back, sizeof back), 0);
  EXPECT_EQ(std::memcmp(&s, &back, sizeof s), 0);
}

TEST(SettingsFileName, IsTolvexDatBesideTheProgram) {
  EXPECT_EQ(SettingsFileName(), ExeDirectory() / "tolvex.dat");
  EXPECT_EQ(SettingsFileName().filename(), "tolvex.dat");
}

}  // namespace
