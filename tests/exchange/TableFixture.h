#pragma once
// Small tables built in memory, and the committed standard table.
#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "Uni2euc.h"

inline std::vector<uint8_t> TableBytes(int32_t count, const std::vector<std::pair<uint16_t, uint16_t>>& records) {
  std::vector<uint8_t> bytes;
  const auto c = static_cast<uint32_t>(count);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(c >> (8 * i)));
  for (auto [euc, uni] : records) {
    bytes.push_back(static_cast<uint8_t>(euc & 0xFF));
    bytes.push_back(static_cast<uint8_t>(euc >> 8));
    bytes.push_back(static_cast<uint8_t>(uni & 0xFF));
    bytes.push_back(static_cast<uint8_t>(uni >> 8));
  }
  return bytes;
}

inline TUni2Euc TableFrom(const std::vector<uint8_t>& bytes) {
  TUni2Euc table{std::filesystem::path{}};
  table.LoadTableBytes(bytes.data(), bytes.size());
  return table;
}

inline const TUni2Euc& StandardTable() {
  static const TUni2Euc table{std::filesystem::path(TOLVEX_SOURCE_DIR) / "resources" / "euc2uni.dll"};
  return table;
}

inline const TUni2Euc& NoTable() {
  static const TUni2Euc table{std::filesystem::path(TOLVEX_SOURCE_DIR) / "resources" / "no-such-table.dll"};
  return table;
}
