#pragma once
// TSettingData: the settings record, stored as its raw 32 bytes in tolvex.dat.
#include <bit>
#include <cstdint>

struct TSettingData {
  uint32_t Version;
  int32_t CopyPattern;
  int32_t CopyClear;
  int32_t PastePattern;
  int32_t PasteClear;
  int32_t KeyLayout;
  int32_t Alpha;
  int32_t CopyMinimize;
};
static_assert(sizeof(TSettingData) == 32, "the settings file holds exactly 32 bytes");
static_assert(std::endian::native == std::endian::little, "the record is stored as its raw little-endian bytes");
