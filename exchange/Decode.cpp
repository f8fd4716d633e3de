// Paste side: UTF-16 units and EUC-KR bytes back into a text list.
#include "Exchange.h"

void DecodeUtf16(const char16_t* units, size_t count, TTextList& target) {
  if (units == nullptr) return;
  for (size_t i = 0; i < count && units[i] != 0; ++i) target.push_back(units[i]);
}

// A byte below 0x80 is one character (ASCII, space and line breaks included);
// a byte from 0x80 up leads a pair whose trail may be any non-zero byte. A
// lead byte at the very end pairs with the terminating 0 and ends the scan.
void DecodeEuc(const uint8_t* bytes, size_t count, const TUni2Euc& table, TTextList& target) {
  if (bytes == nullptr) return;
  target.reserve(target.size() + count);  // never more entries than bytes
  size_t i = 0;
  while (i < count && bytes[i] != 0) {
    const uint8_t lead = bytes[i];
    if (lead < 0x80) {
      target.push_back(lead);
      ++i;
      continue;
    }
    const uint8_t trail = i + 1 < count ? bytes[i + 1] : 0;
    target.push_back(table.EucToUni(static_cast<uint16_t>(lead << 8 | trail)));
    if (trail == 0) return;
    i += 2;
  }
}
