#include "Keys.h"

#include "Utf8.h"

namespace {

bool WriteUtf8(const TTextList& text, const TKeysOptions&, std::string& out, std::string&) {
  out += TextToUtf8(text);
  out += '\n';
  return true;
}

constexpr TOutputFormat BuiltInFormats[] = {
    {"utf8", WriteUtf8},
};

constexpr std::string_view KnownFormats[] = {"utf8", "utf16le", "euc-kr", "dec", "hex"};
constexpr std::string_view KnownDecoders[] = {"utf16le", "euc-kr", "ref"};

template <typename T>
const T* FindByName(std::span<const T> table, std::string_view name) {
  for (const T& entry : table)
    if (name == entry.Name) return &entry;
  return nullptr;
}

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  for (std::string_view known : names)
    if (known == name) return true;
  return false;
}

}  // namespace

const TOutputFormat* FindOutputFormat(std::string_view name) {
  if (const TOutputFormat* format = FindByName<TOutputFormat>(BuiltInFormats, name)) return format;
  return FindByName(ExchangeOutputFormats(), name);
}

const TInputDecoder* FindDecoder(std::string_view name) { return FindByName(ExchangeDecoders(), name); }

bool IsKnownFormat(std::string_view name) { return Contains(KnownFormats, name) || FindOutputFormat(name); }

bool IsKnownDecoder(std::string_view name) { return Contains(KnownDecoders, name) || FindDecoder(name); }
