#include "Uni2euc.h"

#include <gtest/gtest.h>

#include <fstream>

#include "ExeDir.h"
#include "TableFixture.h"

namespace {

TEST(Uni2Euc, LookupsAnswerTheFirstRecordInFileOrder) {
  // 가 appears twice; 0xB0A1 holds two different characters.
  const TUni2Euc table = TableFrom(TableBytes(4, {{0xB0A1, 0xAC00}, {0xB0A2, 0xAC00}, {0xB3AA, 0xB098}, {0xB0A1, 0x1234}}));
  ASSERT_TRUE(table.HasTable());
  EXPECT_EQ(table.UniToEuc(0xAC00), 0xB0A1);
  EXPECT_EQ(table.EucToUni(0xB0A2), 0xAC00);
  EXPECT_EQ(table.EucToUni(0xB3AA), 0xB098);
  EXPECT_EQ(table.EucToUni(0xB0A1), 0xAC00);
  EXPECT_EQ(table.UniToEuc(0x1234), 0xB0A1);
  EXPECT_EQ(table.UniToEuc(0xD7A3), 0xD7A3) << "unknown Unicode passes through";
  EXPECT_EQ(table.EucToUni(0x4142), 32) << "unknown pair reads as a space";
}

TEST(Uni2Euc, RecordCountIsOnlyAnUpperBound) {
  const auto two = std::vector<std::pair<uint16_t, uint16_t>>{{0xB0A1, 0xAC00}, {0xB3AA, 0xB098}};
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    bool hasFirst, hasSecond;
  };
  auto withTail = [](std::vector<uint8_t> b, std::vector<uint8_t> tail) {
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
  };
  const Case cases[] = {
      {"empty file", {}, false, false},
      {"count cut short", {2, 0}, false, false},
      {"count 0", TableBytes(0, two), false, false},
      {"negative count", TableBytes(-1, two), false, false},
      {"count 1 of 2 present", TableBytes(1, two), true, false},
      {"huge count, 2 present", TableBytes(0x7FFFFFFF, two), true, true},
      {"half a record after 2", withTail(TableBytes(3, two), {0xB4, 0xD9}), true, true},
      {"trailing odd byte", withTail(TableBytes(2, two), {0x77}), true, true},
      {"bytes after the records", withTail(TableBytes(1, two), {1, 2, 3, 4, 5}), true, false},
  };
  for (const auto& c : cases) {
    const TUni2Euc table = TableFrom(c.bytes);
    EXPECT_EQ(table.HasTable(), c.hasFirst || c.hasSecond) << c.what;
    EXPECT_EQ(table.EucToUni(0xB0A1), c.hasFirst ? 0xAC00 : 32) << c.what;
    EXPECT_EQ(table.UniToEuc(0xB098), c.hasSecond ? 0xB3AA : 0xB098) << c.what;
  }
}

TEST(Uni2Euc, FileLoadingMatchesByteLoadingAndSurvivesBadFiles) {
  const auto dir = std::filesystem::temp_directory_path() / "tolvex-uni2euc-test";
  std::filesystem::create_directories(dir);
  const auto file = dir / "short.dll";
  const auto bytes = TableBytes(0x7FFFFFFF, {{0xB0A1, 0xAC00}, {0xB3AA, 0xB098}});
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size() - 1);
  const TUni2Euc fromFile{file};
  EXPECT_TRUE(fromFile.HasTable());
  EXPECT_EQ(fromFile.EucToUni(0xB0A1), 0xAC00);
  EXPECT_EQ(fromFile.UniToEuc(0xB098), 0xB098) << "the cut record is not read";

  const TUni2Euc fromDirectory{dir};  // exists but cannot be read as a file
  EXPECT_FALSE(fromDirectory.HasTable());
  TUni2Euc reloaded{file};
  reloaded.LoadTable(dir / "missing.dll");
  EXPECT_FALSE(reloaded.HasTable()) << "loading empties the old table";
  EXPECT_EQ(reloaded.EucToUni(0xB0A1), 32);
  std::filesystem::remove_all(dir);
}

TEST(Uni2Euc, WithoutTableCodesPassThroughAndPairsReadAsSpaces) {
  EXPECT_FALSE(NoTable().HasTable());
  EXPECT_EQ(NoTable().UniToEuc(0xAC00), 0xAC00);
  EXPECT_EQ(NoTable().EucToUni(0xB0A1), 32);
}

TEST(Uni2Euc, StandardTable) {
  const TUni2Euc& t = StandardTable();
  ASSERT_TRUE(t.HasTable());
  struct Case { uint16_t uni, euc; } const both[] = {
      {0xAC00, 0xB0A1}, {0xB098, 0xB3AA}, {0xB2E4, 0xB4D9}, {0xB77C, 0xB6F3},
      {0xAC02, 0x8141},  // CP949 extension: outside KS X 1001
      {0xD7A3, 0xC652}, {0x3131, 0xA4A1}, {0x3163, 0xA4D3},
  };
  for (auto c : both) {
    EXPECT_EQ(t.UniToEuc(c.uni), c.euc) << std::hex << c.uni;
    EXPECT_EQ(t.EucToUni(c.euc), c.uni) << std::hex << c.euc;
  }
  // Lone conjoining jamo copy as their compatibility jamo, which reads back as such.
  EXPECT_EQ(t.UniToEuc(0x1100), 0xA4A1);
  EXPECT_EQ(t.UniToEuc(0x1112), 0xA4BE);
  EXPECT_EQ(t.UniToEuc(0x1161), 0xA4BF);
  EXPECT_EQ(t.UniToEuc(0x1175), 0xA4D3);
  EXPECT_EQ(t.EucToUni(0x4142), 32);
  EXPECT_EQ(t.UniToEuc(32), 32);

  TTextList converted{7};
  t.UniListToEuc({0xAC00, 32, 0xB098, 0x1AC00}, converted);
  EXPECT_EQ(converted, (TTextList{7, 0xB0A1, 32, 0xB3AA, 0xB0A1})) << "appends, low 16 bits";
}

TEST(Uni2Euc, DefaultConstructorFindsTheTableBesideTheProgram) {
  ASSERT_TRUE(std::filesystem::exists(FileBesideExe("euc2uni.dll")));
  const TUni2Euc table;
  EXPECT_TRUE(table.HasTable());
  EXPECT_EQ(table.UniToEuc(0xAC00), 0xB0A1);
}

}  // namespace
