// tolvex-keys: the clipboard patterns as output formats and input decoders.
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>

#include "Exchange.h"
#include "ExeDir.h"
#include "Keys.h"

namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// --table, else the table beside the tool, else the one in the source tree,
// so that a freshly built tool works from anywhere.
fs::path FindTable(const TKeysOptions& options) {
  if (!options.TablePath.empty())
    return fs::path(std::u8string(options.TablePath.begin(), options.TablePath.end()));
  const fs::path beside = FileBesideExe("euc2uni.dll");
  if (Exists(beside)) return beside;
#ifdef TOLVEX_SOURCE_DIR
  const fs::path source = fs::path(TOLVEX_SOURCE_DIR) / "resources" / "euc2uni.dll";
  if (Exists(source)) return source;
#endif
  return beside;
}

// Loaded once per path; nullptr with a message when there is no usable table.
const TUni2Euc* Table(const TKeysOptions& options, std::string& error) {
  static std::map<fs::path, std::unique_ptr<TUni2Euc>> loaded;
  const fs::path path = FindTable(options);
  auto& table = loaded[path];
  if (!table) table = std::make_unique<TUni2Euc>(path);
  if (table->HasTable()) return table.get();
  const auto name = path.u8string();
  error = "no EUC-KR table in " + std::string(name.begin(), name.end()) + " (see --table)";
  return nullptr;
}

// --- output formats: one text and its line end in the format's own encoding ---

bool WriteUtf16le(const TTextList& text, const TKeysOptions&, std::string& out, std::string&) {
  for (char16_t unit : Utf16Text(text)) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
  }
  out.append("\n\0", 2);
  return true;
}

bool WriteEuc(const TTextList& text, const TKeysOptions& options, std::string& out, std::string& error) {
  const TUni2Euc* table = Table(options, error);
  if (table == nullptr) return false;
  out += EucText(text, *table);
  out += '\n';
  return true;
}

bool WriteDec(const TTextList& text, const TKeysOptions&, std::string& out, std::string&) {
  out += RefText(text, TRefForm::Dec);
  out += '\n';
  return true;
}

bool WriteHex(const TTextList& text, const TKeysOptions&, std::string& out, std::string&) {
  out += RefText(text, TRefForm::Hex);
  out += '\n';
  return true;
}

// --- decoders: a whole input read the way the paste patterns read the clipboard ---
// The line end that ends a piped input (as the formats above write it) is not
// part of the text, so one final LF or CR LF is left out.

std::string_view WithoutLineEnd(std::string_view input, std::string_view lf, std::string_view cr) {
  if (!input.ends_with(lf)) return input;
  input.remove_suffix(lf.size());
  if (input.ends_with(cr)) input.remove_suffix(cr.size());
  return input;
}

bool DecodeUtf16le(std::string_view input, const TKeysOptions&, TTextList& text, std::string&) {
  if (input.size() % 2 == 0) input = WithoutLineEnd(input, std::string_view("\n\0", 2), std::string_view("\r\0", 2));
  std::u16string units(input.size() / 2, u'\0');  // an odd last byte is no unit
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<uint8_t>(input[2 * i]) | static_cast<uint8_t>(input[2 * i + 1]) << 8);
  DecodeUtf16(units.data(), units.size(), text);
  return true;
}

bool DecodeEucKr(std::string_view input, const TKeysOptions& options, TTextList& text, std::string& error) {
  const TUni2Euc* table = Table(options, error);
  if (table == nullptr) return false;
  input = WithoutLineEnd(input, "\n", "\r");
  DecodeEuc(reinterpret_cast<const uint8_t*>(input.data()), input.size(), *table, text);
  return true;
}

bool DecodeRefs(std::string_view input, const TKeysOptions&, TTextList& text, std::string&) {
  ParseRefs(input, text);
  return true;
}

constexpr TOutputFormat Formats[] = {
    {"utf16le", WriteUtf16le}, {"euc-kr", WriteEuc}, {"dec", WriteDec}, {"hex", WriteHex}};
constexpr TInputDecoder Decoders[] = {{"utf16le", DecodeUtf16le}, {"euc-kr", DecodeEucKr}, {"ref", DecodeRefs}};

}  // namespace

std::span<const TOutputFormat> ExchangeOutputFormats() { return Formats; }
std::span<const TInputDecoder> ExchangeDecoders() { return Decoders; }
