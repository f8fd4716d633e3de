// Any bytes as the table file: loading never over-reads or over-allocates,
// and the lookups answer consistently afterwards.
#include <cstdlib>
#include <filesystem>

#include "Uni2euc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TUni2Euc table{std::filesystem::path{}};
  table.LoadTableBytes(data, size);
  if (!table.HasTable()) {
    if (table.UniToEuc(0xAC00) != 0xAC00 || table.EucToUni(0xB0A1) != 32) std::abort();
    return 0;
  }
  // The first record always answers for both of its codes.
  const uint16_t euc = static_cast<uint16_t>(data[4] | data[5] << 8);
  const uint16_t uni = static_cast<uint16_t>(data[6] | data[7] << 8);
  if (table.UniToEuc(uni) != euc || table.EucToUni(euc) != uni) std::abort();
  return 0;
}
