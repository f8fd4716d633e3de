// Copy side: the EUC-KR byte text and the UTF-16 text of a text list.
#include "Exchange.h"

namespace {

// Writes the bytes of one converted code. EUC-KR is ASCII-compatible, so a
// code below 128 is its own single byte. Otherwise the code's two bytes go out
// high byte first, read as a zero-terminated piece: a zero high byte gives
// nothing and a zero low byte gives only the high byte.
char* PutEucCode(char* out, uint16_t code) {
  if (code < 0x80) {
    if (code != 0) *out++ = static_cast<char>(code);
    return out;
  }
  const auto high = static_cast<char>(code >> 8);
  const auto low = static_cast<char>(code & 0xFF);
  if (high == 0) return out;
  *out++ = high;
  if (low != 0) *out++ = low;
  return out;
}

}  // namespace

std::string EucText(const TTextList& list, const TUni2Euc& table) {
  std::string out(list.size() * 2, '\0');  // at most two bytes per entry
  char* end = out.data();
  for (int32_t entry : list) end = PutEucCode(end, table.UniToEuc(static_cast<uint16_t>(entry)));
  out.resize(static_cast<size_t>(end - out.data()));
  return out;
}

std::u16string Utf16Text(const TTextList& list) {
  std::u16string out;
  out.reserve(list.size());
  for (int32_t entry : list) out.push_back(static_cast<char16_t>(entry & 0xFFFF));
  return out;
}
