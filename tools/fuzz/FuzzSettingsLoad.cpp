// Any file content as tolvex.dat: Load reads at most the record and leaves
// the rest of the caller's block alone; the defaults then make it usable.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "Cmsaver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("tolvex-fuzz-" + std::to_string(getpid()) + ".dat");
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
  unsigned char block[40];
  std::memset(block, 0x5A, sizeof block);
  TSettingData* record = reinterpret_cast<TSettingData*>(block);
  if (TCommonSaver().Load(file, record, sizeof(TSettingData)) != 0) std::abort();
  const size_t used = size < sizeof(TSettingData) ? size : sizeof(TSettingData);
  if (std::memcmp(block, data, used) != 0) std::abort();
  for (size_t i = used; i < sizeof(TSettingData); ++i)
    if (block[i] != 0) std::abort();
  for (size_t i = sizeof(TSettingData); i < sizeof block; ++i)
    if (block[i] != 0x5A) std::abort();
  ApplySettingDefaults(*record);
  if (record->Version < 2) std::abort();
  return 0;
}
