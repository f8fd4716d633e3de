#pragma once
// tolvex-keys: the options, and the hooks through which output formats,
// input decoders and the strip picture plug in. See README.md beside this
// file for how to add one.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TextList.h"

struct TKeysOptions {
  std::string Format = "utf8";  // --format
  std::string Decode;           // --decode; empty: the texts are keystrokes
  std::string TablePath;        // --table; empty: the EUC-KR table's default place
  std::string StripPath;        // --strip; empty: no picture
  std::vector<std::string> Texts;  // the arguments that are texts, UTF-8
};

// Appends one text's bytes and its line end in this format. On failure
// returns false with a message for standard error.
using TWriteText = bool (*)(const TTextList& text, const TKeysOptions& options, std::string& out,
                            std::string& error);
struct TOutputFormat {
  const char* Name;
  TWriteText Write;
};

// Turns one whole input (all of standard input, or one argument) into text.
using TDecodeInput = bool (*)(std::string_view input, const TKeysOptions& options, TTextList& text,
                              std::string& error);
struct TInputDecoder {
  const char* Name;
  TDecodeInput Decode;
};

// Writes the strip picture of the text to the file.
using TWriteStrip = bool (*)(const TTextList& text, const std::string& path, std::string& error);

// --- plug-in hooks: defined by ExchangeFormats.cpp and Strip.cpp, or by
// their *Missing.cpp stand-ins while those files do not exist ---
std::span<const TOutputFormat> ExchangeOutputFormats();
std::span<const TInputDecoder> ExchangeDecoders();
TWriteStrip StripWriter();  // nullptr: no strip in this build

// --- lookups over the built-in and plugged-in tables (Formats.cpp) ---
const TOutputFormat* FindOutputFormat(std::string_view name);
const TInputDecoder* FindDecoder(std::string_view name);
// Names the tool knows although this build may lack them.
bool IsKnownFormat(std::string_view name);
bool IsKnownDecoder(std::string_view name);
