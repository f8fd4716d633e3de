#pragma once
// TUni2Euc: single 16-bit codes between Unicode and EUC-KR (CP949), through
// the table file euc2uni.dll that lies beside the program.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>
#include "TextList.h"

class TUni2Euc {
public:
  TUni2Euc();                                          // loads euc2uni.dll beside the exe, if present
  explicit TUni2Euc(const std::filesystem::path& table);  // loads the given file, if present

  void LoadTable(const std::filesystem::path& path);   // unreadable file = empty table
  void LoadTableBytes(const uint8_t* data, size_t size);
  // Inline: they run once per character of every copy and paste.
  uint16_t UniToEuc(uint16_t uni) const { return FUniToEuc.empty() ? uni : FUniToEuc[uni]; }  // unknown: unchanged
  uint16_t EucToUni(uint16_t euc) const { return FEucToUni.empty() ? uint16_t{32} : FEucToUni[euc]; }  // unknown: 32
  void UniListToEuc(const TTextList& source, TTextList& target) const;
  bool HasTable() const { return !FEucList.empty(); }

private:
  void Clear();
  void AddRecord(uint16_t euc, uint16_t uni);
  void BuildLookups();

  std::vector<int32_t> FEucList;  // file order
  std::vector<int32_t> FUniList;
  // Direct answers for every 16-bit code, built once at load; the first
  // record in file order wins. Empty while the table is empty.
  std::vector<uint16_t> FUniToEuc;
  std::vector<uint16_t> FEucToUni;
};
