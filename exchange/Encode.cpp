// Copy side: the EUC-KR byte text and the UTF-16 text of a text list.
#include "Exchange.h"

namespace {

// Appends the bytes of one converted code. EUC-KR is ASCII-compatible, so a
// code below 128 is its own single byte. Otherwise the code's two bytes go out
// high byte first, read as a zero-terminated piece: a zero high byte gives
// nothing and a zero low byte gives only the high byte.
void AppendEucCode(std::string& out, uint16_t code) {
  if (code == 0) return;
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
    return;
  }
  const auto high = static_cast<char>(code >> 8);
  const auto low = static_cast<char>(code & 0xFF);
  if (high == 0) return;
  out.push_back(high);
  if (low != 0) out.push_back(low);
}

}  // namespace

std::string EucText(const TTextList& list, const TUni2Euc& table) {
  std::string out;
  out.reserve(list.size() * 2);
  for (int32_t entry : list) AppendEucCode(out, table.UniToEuc(static_cast<uint16_t>(entry)));
  return out;
}

std::u16string Utf16Text(const TTextList& list) {
  std::u16string out;
  out.reserve(list.size());
  for (int32_t entry : list) out.push_back(static_cast<char16_t>(entry & 0xFFFF));
  return out;
}
