// Any CF_TEXT bytes through the EUC-KR paste, with the standard table when it
// lies beside the fuzzer, else without one.
#include <cstdlib>

#include "Exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TUni2Euc table;
  TTextList text;
  DecodeEuc(data, size, table, text);
  if (text.size() > size) std::abort();
  for (int32_t entry : text)
    if (entry < 1 || entry > 0xFFFF) std::abort();
  // What was pasted copies out again without trouble.
  const std::string bytes = EucText(text, table);
  if (bytes.size() > 2 * text.size()) std::abort();
  return 0;
}
