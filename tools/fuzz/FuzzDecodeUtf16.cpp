// Any CF_UNICODETEXT units, surrogate halves and all, through the UTF-16 paste.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "Exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exactly sized buffer, so reading one unit too far trips the sanitizer.
  std::vector<char16_t> units(size / 2);
  if (!units.empty()) std::memcpy(units.data(), data, units.size() * 2);
  TTextList text;
  DecodeUtf16(units.data(), units.size(), text);
  if (text.size() > units.size()) std::abort();
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] != units[i] || text[i] == 0) std::abort();
  if (Utf16Text(text) != std::u16string(units.begin(), units.begin() + static_cast<ptrdiff_t>(text.size())))
    std::abort();
  return 0;
}
