// Character references: the "&#%d;" / "&#x%x;" texts and their reader.
#include <charconv>
#include <limits>

#include "Exchange.h"

namespace {

void AppendReference(std::string& out, int32_t value, TRefForm form) {
  char buf[24];
  char* end = nullptr;
  if (form == TRefForm::Dec) {
    end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out += "&#";
  } else {
    end = std::to_chars(buf, buf + sizeof buf, static_cast<uint32_t>(value), 16).ptr;
    out += "&#x";
  }
  out.append(buf, end);
  out.push_back(';');
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One or more hex digits up to FFFFFFFF, leading zeros free, read as a 32-bit
// two's-complement number.
int32_t HexValue(std::string_view digits) {
  if (digits.empty()) return 0;
  uint64_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return 0;
    value = value * 16 + static_cast<uint64_t>(d);
    if (value > 0xFFFFFFFFu) return 0;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// One or more decimal digits whose signed value fits 32 bits.
int32_t DecimalValue(std::string_view digits, bool negative) {
  if (digits.empty()) return 0;
  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return 0;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > limit) return 0;
  }
  const int64_t signedValue = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  return static_cast<int32_t>(signedValue);
}

}  // namespace

std::string RefText(const TTextList& list, TRefForm form) {
  std::string out;
  out.reserve(list.size() * 8);
  for (int32_t entry : list) {
    if (entry == 32)
      out.push_back(' ');
    else
      AppendReference(out, entry, form);
  }
  return out;
}

std::string RefFileContent(const TTextList& list, TRefForm form) {
  std::string out = RefText(list, form);
  if (!out.empty()) out += "\r\n";
  return out;
}

int32_t RefValue(std::string_view body) {
  while (!body.empty() && body.front() == ' ') body.remove_prefix(1);
  bool negative = false;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  if (body.empty()) return 0;
  const char first = body.front();
  if (first == '$' || first == 'x' || first == 'X') return HexValue(body.substr(1));
  if (first == '0' && body.size() > 1 && (body[1] == 'x' || body[1] == 'X')) return HexValue(body.substr(2));
  return DecimalValue(body, negative);
}

// Walks the text once. The next "&#" and the next ";" are remembered and only
// searched again once the reading position has passed them, so every byte is
// looked at a bounded number of times even in hostile text.
void ParseRefs(std::string_view text, TTextList& target) {
  constexpr size_t npos = std::string_view::npos;
  size_t pos = 0;
  size_t open = 0;  // position of the next "&#" at or after pos, once searched
  size_t semi = 0;  // position of the next ";" at or after pos, once searched
  bool openKnown = false, semiKnown = false;
  for (;;) {
    if (pos < text.size() && text[pos] == ' ') {
      target.push_back(32);
      ++pos;
      continue;
    }
    if (!openKnown || open < pos) open = text.find("&#", pos), openKnown = true;
    if (!semiKnown || semi < pos) semi = text.find(';', pos), semiKnown = true;
    if (open == npos || semi == npos) return;
    if (semi > open) target.push_back(RefValue(text.substr(open + 2, semi - open - 2)));
    pos = semi + 1;
  }
}
