#include "Utf8.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsHighSurrogate(int32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(int32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The allowed range of the second byte depends on the lead byte, so that
// overlong forms, surrogates and values above U+10FFFF are refused early.
bool SecondByteFits(unsigned char lead, unsigned char second) {
  switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return IsContinuation(second);
  }
}

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

void AppendUtf16(char32_t code, std::u16string& out) {
  if (code <= 0xFFFF) {
    out += static_cast<char16_t>(code);
  } else {
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = SequenceLength(lead);
    if (length == 1) {
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    char32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    int taken = 1;
    while (length > 0 && taken < length && i + taken < bytes.size()) {
      const auto next = static_cast<unsigned char>(bytes[i + taken]);
      if (taken == 1 ? !SecondByteFits(lead, next) : !IsContinuation(next)) break;
      code = (code << 6) | (next & 0x3F);
      ++taken;
    }
    AppendUtf16(length > 0 && taken == length ? code : Replacement, out);
    i += taken;
  }
  return out;
}

void AppendUtf8(char32_t code, std::string& out) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = Replacement;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string TextToUtf8(const TTextList& text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    const int32_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00), out);
      ++i;
    } else if (unit < 0) {
      AppendUtf8(Replacement, out);
    } else {
      AppendUtf8(static_cast<char32_t>(unit), out);
    }
  }
  return out;
}
