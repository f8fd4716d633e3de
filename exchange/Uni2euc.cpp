#include "Uni2euc.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

#include "ExeDir.h"

namespace {

constexpr size_t kCodeCount = 65536;
constexpr size_t kRecordSize = 4;    // EUC-KR code, Unicode code, 16 bits each
constexpr uint16_t kNoRecordUni = 32;  // an unreadable pair pastes as a space

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

int32_t Le32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

TUni2Euc::TUni2Euc() {
  std::error_code ec;
  const auto path = FileBesideExe("euc2uni.dll");
  if (std::filesystem::exists(path, ec)) LoadTable(path);
}

TUni2Euc::TUni2Euc(const std::filesystem::path& table) {
  std::error_code ec;
  if (std::filesystem::exists(table, ec)) LoadTable(table);
}

void TUni2Euc::Clear() {
  FUniList.clear();
  FEucList.clear();
  FUniToEuc.clear();
  FEucToUni.clear();
}

void TUni2Euc::AddRecord(uint16_t euc, uint16_t uni) {
  FEucList.push_back(euc);
  FUniList.push_back(uni);
}

// Fills the lookups from the last record to the first, so that for a code held
// by several records the earliest one is written last and wins.
void TUni2Euc::BuildLookups() {
  if (FEucList.empty()) return;
  FUniToEuc.resize(kCodeCount);
  FEucToUni.assign(kCodeCount, kNoRecordUni);
  for (size_t code = 0; code < kCodeCount; ++code) FUniToEuc[code] = static_cast<uint16_t>(code);
  for (size_t i = FEucList.size(); i-- > 0;) {
    FUniToEuc[static_cast<uint16_t>(FUniList[i])] = static_cast<uint16_t>(FEucList[i]);
    FEucToUni[static_cast<uint16_t>(FEucList[i])] = static_cast<uint16_t>(FUniList[i]);
  }
}

// The count in the file is only trusted as an upper bound: the records read
// are those that are both promised and complete.
void TUni2Euc::LoadTableBytes(const uint8_t* data, size_t size) {
  Clear();
  if (data == nullptr || size < 4) return;
  const int32_t count = Le32(data);
  if (count <= 0) return;
  const size_t records = std::min(static_cast<size_t>(count), (size - 4) / kRecordSize);
  FEucList.reserve(records);
  FUniList.reserve(records);
  for (size_t i = 0; i < records; ++i) {
    const uint8_t* record = data + 4 + i * kRecordSize;
    AddRecord(Le16(record), Le16(record + 2));
  }
  BuildLookups();
}

// Reads the file in blocks so that neither a huge count nor a huge file makes
// us allocate more than the records actually present.
void TUni2Euc::LoadTable(const std::filesystem::path& path) {
  Clear();
  std::ifstream in(path, std::ios::binary);
  std::array<uint8_t, 4> head{};
  if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return;
  const int32_t count = Le32(head.data());
  if (count <= 0) return;
  std::array<uint8_t, 16384> block{};
  size_t wanted = static_cast<size_t>(count);
  while (wanted > 0 && in) {
    const size_t records = std::min(wanted, block.size() / kRecordSize);
    in.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(records * kRecordSize));
    const size_t got = static_cast<size_t>(in.gcount()) / kRecordSize;
    for (size_t i = 0; i < got; ++i) AddRecord(Le16(&block[i * kRecordSize]), Le16(&block[i * kRecordSize + 2]));
    wanted -= got;
  }
  BuildLookups();
}

void TUni2Euc::UniListToEuc(const TTextList& source, TTextList& target) const {
  target.reserve(target.size() + source.size());
  for (int32_t entry : source) target.push_back(UniToEuc(static_cast<uint16_t>(entry)));
}
